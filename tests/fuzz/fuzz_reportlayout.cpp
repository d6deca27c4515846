// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds arbitrary text to the report layout reader, then expands the page texts of what it
// accepts. Besides crashes and sanitizer reports it checks that a refusal says what is
// wrong and that accepted column widths and font sizes are ones a page can hold.
#include "fuzzinput.h"

#include "platform/report/reportlayout.h"

namespace {

void checkFont(const Platform::ReportFont &font)
{
    if (font.points <= 0)
        Fuzz::broken();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto layout = Platform::ReportLayout::parse(Fuzz::textOf(data, size));
    if (!layout) {
        if (layout.error().detail.isEmpty())
            Fuzz::broken();
        return 0;
    }
    for (const Platform::ReportColumn &column : layout->columns) {
        if (column.field.isEmpty() || column.width < 0 || column.width > 100)
            Fuzz::broken();
    }
    for (const Platform::ReportFont *font :
         {&layout->titleFont, &layout->headingFont, &layout->bodyFont, &layout->pageFont})
        checkFont(*font);
    for (const QString *text : {&layout->title, &layout->header, &layout->footer})
        (void)Platform::expandReportText(*text, layout->table, 1, 2);
    return 0;
}
