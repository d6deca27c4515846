// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary help page to what the help window does with it: the page limits, then
// (for a page within them) the layout of the whole page the way the window lays it out,
// with every picture and style sheet the page asks for looked up through the window's
// resource rule. Besides crashes and sanitizer reports it checks that the rule only ever
// yields a page inside the help file, and (with -timeout) that a page within the limits
// never holds the program.
#include "fuzzinput.h"

#include <QApplication>
#include <QTextDocument>
#include <QUrl>

#include "platform/help/chmhelpviewer.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Fuzz::silenceQtMessages();
    static QApplication app(*argc, *argv);
    return 0;
}

namespace {

const QUrl kPage(QStringLiteral("chm:///pages/Page.htm"));

class HelpDocument final : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl &name) override
    {
        const std::optional<QString> page = Platform::helpResourcePage(kPage, name);
        if (page && (!page->startsWith(u'/') || page->contains(QStringLiteral("/../"))))
            Fuzz::broken();
        // A page the rule lets through would be read from the help file; here it is empty.
        return {};
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray html = Fuzz::bytesOf(data, size);
    if (!Platform::HelpPageLimits::check(html).isEmpty())
        return 0;
    HelpDocument document;
    document.setBaseUrl(kPage);
    document.setHtml(QString::fromUtf8(html));
    document.setTextWidth(700);
    document.size();
    return 0;
}
