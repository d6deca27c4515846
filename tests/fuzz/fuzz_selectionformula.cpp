// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Parses an arbitrary record-selection formula (the input's first line) and tests it on a
// record whose field values come from the rest of the input. Besides crashes, sanitizer
// reports and runaway nesting it checks that a refusal says where reading stopped and that
// an accepted formula names the fields it reads.
#include "fuzzinput.h"

#include "platform/report/selectionformula.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList parts = Fuzz::partsOf(Fuzz::textOf(data, size), 4);
    const auto formula = Platform::SelectionFormula::parse(parts.at(0));
    if (!formula) {
        if (formula.error().detail.isEmpty())
            Fuzz::broken();
        return 0;
    }
    if (formula->selectsAll() != formula->fields().isEmpty())
        Fuzz::broken();
    // Each field the record is asked for gets the next value of the input, round and round.
    int asked = 0;
    const bool matched = formula->matches([&](const QString &field) {
        if (!formula->fields().contains(field, Qt::CaseInsensitive))
            Fuzz::broken();
        return parts.at(1 + asked++ % 3);
    });
    if (formula->selectsAll() && !matched)
        Fuzz::broken();
    return 0;
}
