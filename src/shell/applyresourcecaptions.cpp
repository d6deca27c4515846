// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/applyresourcecaptions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>
#include <QWidget>

#include "platform/core/steprunner.h"
#include "resources/stringtable.h"

namespace Shell {
namespace {

using Platform::Status;

// CInt-like reading of a caption or tag: surrounding blanks allowed, anything else fails.
std::optional<int> asNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

Status missing(int id)
{
    return Platform::fail(Platform::ErrorCode::InvalidArgument, QStringLiteral("no string %1").arg(id));
}

void collectActions(const QList<QAction *> &actions, QList<QAction *> *into)
{
    for (QAction *action : actions) {
        into->append(action);
        if (QMenu *menu = action->menu())
            collectActions(menu->actions(), into);
    }
}

} // namespace

void ApplyResourceCaptions(QWidget &window, const Resources::StringTable &table)
{
    Platform::StepRunner steps;

    steps.run([&]() -> Status {
        const auto id = asNumber(window.property("tag").toString());
        if (!id)
            return Platform::fail(Platform::ErrorCode::InvalidArgument, QStringLiteral("no numeric tag"));
        const auto caption = table.string(*id);
        if (!caption)
            return missing(*id);
        window.setWindowTitle(*caption);
        return Platform::ok();
    });

    const bool hasFont = qobject_cast<QMainWindow *>(&window) == nullptr;
    bool fontObtained = false;
    QFont font = window.font();
    if (hasFont) {
        fontObtained = true;
        steps.run([&]() -> Status {
            const auto face = table.string(20);
            if (!face)
                return missing(20);
            font.setFamily(*face);
            window.setFont(font);
            const auto size = table.string(21);
            if (!size || !asNumber(*size))
                return missing(21);
            font.setPointSize(*asNumber(*size));
            window.setFont(font);
            return Platform::ok();
        });
    }

    if (fontObtained) {
        for (QWidget *child : window.findChildren<QWidget *>())
            child->setFont(font);
    }

    QList<QAction *> entries;
    if (auto *mainWindow = qobject_cast<QMainWindow *>(&window))
        collectActions(mainWindow->menuBar()->actions(), &entries);
    else
        collectActions(window.actions(), &entries);
    for (QAction *entry : std::as_const(entries)) {
        steps.run([&]() -> Status {
            if (entry->isSeparator())
                return Platform::ok();
            const auto id = asNumber(entry->text());
            if (!id)
                return Platform::fail(Platform::ErrorCode::InvalidArgument, QStringLiteral("caption is no id"));
            const auto caption = table.string(*id);
            if (!caption)
                return missing(*id);
            entry->setText(*caption);
            return Platform::ok();
        });
    }
}

} // namespace Shell
