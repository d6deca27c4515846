// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary help page to what the help window does with it: the page limits, then
// (for a page within them) the whole page laid out in the help window's own browser over a
// small help file, so every picture and style sheet the page asks for is loaded through the
// browser's resource loading. Then every picture and link of the laid-out page is asked
// for again. Besides crashes and sanitizer reports it checks that the browser hands out
// nothing but entries of the help file (never a file of the computer), and (with -timeout)
// that a page within the limits never holds the program.
#include "fuzzinput.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include "platform/help/chmfile.h"
#include "platform/help/chmhelpviewer.h"

namespace {

Platform::ChmBrowser *browser = nullptr;
std::shared_ptr<Platform::ChmFile> helpFile;

/// Asks the browser for \a reference as a resource of \a type; what it hands out must be an
/// entry of the help file reached through the window's resource rule.
void checkResource(int type, const QString &reference)
{
    const QUrl name(reference);
    const QVariant resource = browser->loadResource(type, name);
    if (!resource.isValid())
        return;
    const std::optional<QString> page = Platform::helpResourcePage(browser->source(), name);
    if (!page || !helpFile->contains(*page))
        Fuzz::broken();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Fuzz::silenceQtMessages();
    static QApplication app(*argc, *argv);
    // A help file of one page (A.htm) and one picture (b.png), the seed of fuzz_chmfile.
    auto file = Platform::ChmFile::open(QStringLiteral(FUZZ_HELP_FILE));
    if (!file)
        Fuzz::broken();
    helpFile = std::shared_ptr<Platform::ChmFile>(std::move(*file));
    browser = new Platform::ChmBrowser;
    browser->resize(700, 500);
    browser->showPage(helpFile, QStringLiteral("A.htm"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray html = Fuzz::bytesOf(data, size);
    if (!Platform::HelpPageLimits::check(html).isEmpty())
        return 0;
    // The page stands where A.htm stood, so its relative references resolve as on a page of
    // the help file.
    browser->setHtml(QString::fromUtf8(html));
    QTextDocument *document = browser->document();
    document->size();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                checkResource(QTextDocument::ImageResource, format.toImageFormat().name());
            if (format.isAnchor())
                checkResource(QTextDocument::HtmlResource, format.anchorHref());
        }
    }
    return 0;
}
