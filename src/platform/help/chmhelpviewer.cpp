// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/help/chmhelpviewer.h"

#include <algorithm>
#include <cctype>

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/core/apppaths.h"
#include "platform/help/chmfile.h"

namespace Platform {
namespace {

const QString kScheme = QStringLiteral("chm");

QUrl pageUrl(const QString &page, const QString &anchor = {})
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(page.startsWith(u'/') ? page : u'/' + page);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

QString decodeHtml(const QByteArray &data)
{
    const auto encoding = QStringConverter::encodingForHtml(data);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder(data);
}

/// The first page to show when a reference names none: an HTML page at the top level.
QString firstPage(const ChmFile &file)
{
    for (const QString &entry : file.entries()) {
        if (entry.count(u'/') == 1
            && (entry.endsWith(u".htm", Qt::CaseInsensitive) || entry.endsWith(u".html", Qt::CaseInsensitive)))
            return entry;
    }
    return {};
}

/// Where the tag at \a position ('<' already passed) starts and ends its name.
QByteArray tagName(const QByteArray &html, qsizetype &position)
{
    const qsizetype start = position;
    while (position < html.size() && std::isalnum(static_cast<unsigned char>(html.at(position))))
        ++position;
    return html.mid(start, position - start).toLower();
}

} // namespace

std::optional<QString> helpResourcePage(const QUrl &source, const QUrl &name)
{
    const QUrl url = name.isRelative() ? source.resolved(name) : name;
    if (url.scheme() != kScheme || !url.host().isEmpty())
        return std::nullopt;
    return url.path();
}

QString HelpPageLimits::check(const QByteArray &html)
{
    if (html.size() > kMaxBytes)
        return QStringLiteral("the page holds %1 bytes; help pages hold at most %2").arg(html.size()).arg(kMaxBytes);
    // Elements that hold blocks of their own; those often left unclosed (p, li) do not count.
    static const QByteArrayList blocks{"table", "div", "ul", "ol", "dl", "blockquote"};
    int tables = 0;
    int blocksOpen = 0;
    int cells = 0;
    for (qsizetype position = html.indexOf('<'); position >= 0; position = html.indexOf('<', position)) {
        ++position;
        const bool closing = position < html.size() && html.at(position) == '/';
        if (closing)
            ++position;
        const QByteArray name = tagName(html, position);
        if (!closing && (name == "td" || name == "th") && ++cells > kMaxTableCells)
            return QStringLiteral("the page holds more than %1 table cells").arg(kMaxTableCells);
        if (!blocks.contains(name))
            continue;
        const int step = closing ? -1 : 1;
        blocksOpen = std::max(0, blocksOpen + step);
        if (name == "table")
            tables = std::max(0, tables + step);
        if (tables > kMaxTableNesting)
            return QStringLiteral("the page nests tables more than %1 deep").arg(kMaxTableNesting);
        if (blocksOpen > kMaxBlockNesting)
            return QStringLiteral("the page nests tables, lists and divisions more than %1 deep").arg(kMaxBlockNesting);
    }
    return {};
}

HelpReference HelpReference::parse(const QString &reference)
{
    HelpReference result;
    const qsizetype separator = reference.indexOf(QStringLiteral("::"));
    result.file = AppPaths::resolve(separator < 0 ? reference : reference.left(separator));
    if (separator >= 0) {
        QString page = reference.mid(separator + 2);
        const qsizetype hash = page.indexOf(u'#');
        if (hash >= 0) {
            result.anchor = page.mid(hash + 1);
            page.truncate(hash);
        }
        while (page.startsWith(u'/'))
            page.remove(0, 1);
        result.page = page;
    }
    return result;
}

ChmBrowser::ChmBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("helpBrowser"));
    // Links are followed here so that pages come from the help file and web addresses go
    // to the desktop's browser.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::followLink);
}

ChmBrowser::~ChmBrowser() = default;

void ChmBrowser::showPage(std::shared_ptr<ChmFile> file, const QString &page, const QString &anchor)
{
    // Back and Forward stay inside one help file.
    const bool newFile = file != m_file;
    m_file = std::move(file);
    if (!m_file || !m_file->contains(page)) {
        if (newFile)
            clearHistory();
        showProblem(HelpProblem::PageMissing,
                    tr("The page \"%1\" is not in the help file %2.").arg(page, m_file ? m_file->path() : QString()));
        return;
    }
    m_showingProblem = false;
    const QUrl url = pageUrl(page, anchor);
    if (url == source())
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
    if (newFile)
        clearHistory();
}

QString ChmBrowser::problemTitle(HelpProblem problem) const
{
    if (m_texts) {
        if (QString text = m_texts(problem); !text.isEmpty())
            return text;
    }
    switch (problem) {
    case HelpProblem::FileMissing:
    case HelpProblem::FileUnreadable:
        return tr("Help file not found");
    case HelpProblem::PageMissing:
        return tr("Page not found");
    case HelpProblem::PageTooLarge:
        break;
    }
    return {};
}

QString ChmBrowser::problemHtml(HelpProblem problem, const QString &detail) const
{
    const QString title = problemTitle(problem).toHtmlEscaped();
    return QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2><p>%2</p></body></html>")
        .arg(title, detail.toHtmlEscaped());
}

void ChmBrowser::showProblem(HelpProblem problem, const QString &detail)
{
    m_showingProblem = true;
    setHtml(problemHtml(problem, detail));
}

QString ChmBrowser::currentPage() const
{
    if (m_showingProblem || source().scheme() != kScheme)
        return {};
    return source().path().mid(1);
}

QVariant ChmBrowser::loadResource(int type, const QUrl &name)
{
    // Everything comes from the help file: no other scheme, and no file of the computer
    // (a page's "file:///dev/zero" would be read until memory runs out).
    const std::optional<QString> page = helpResourcePage(source(), name);
    if (!m_file || !page)
        return {};
    const std::optional<QByteArray> data = m_file->read(*page);
    if (!data)
        return {};
    switch (type) {
    case QTextDocument::HtmlResource:
        if (const QString problem = HelpPageLimits::check(*data); !problem.isEmpty())
            return problemHtml(HelpProblem::PageTooLarge, problem);
        return decodeHtml(*data);
    case QTextDocument::StyleSheetResource:
        return QString::fromUtf8(*data);
    default:
        return *data;
    }
}

void ChmBrowser::followLink(const QUrl &link)
{
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (url.scheme() == kScheme) {
        if (!m_file || !m_file->contains(url.path())) {
            showProblem(HelpProblem::PageMissing,
                        tr("The page \"%1\" is not in the help file %2.")
                            .arg(url.path().mid(1), m_file ? m_file->path() : QString()));
            return;
        }
        m_showingProblem = false;
        setSource(url, QTextDocument::HtmlResource);
        return;
    }
    if (url.scheme() == u"http" || url.scheme() == u"https" || url.scheme() == u"mailto")
        QDesktopServices::openUrl(url);
}

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    m_forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    m_home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Start page"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    layout->addWidget(toolBar);
    m_browser = new ChmBrowser(this);
    m_browser->setAccessibleName(tr("Help page"));
    layout->addWidget(m_browser);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, &HelpWindow::goHome);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
    resize(760, 600);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::open(const QString &reference)
{
    const HelpReference parsed = HelpReference::parse(reference);
    if (!m_file || m_file->path() != parsed.file) {
        Result<std::unique_ptr<ChmFile>> file = ChmFile::open(parsed.file);
        if (!file) {
            m_file.reset();
            m_homePage.clear();
            m_browser->showPage(nullptr, QString());
            if (file.error().code == ErrorCode::FileNotFound)
                m_browser->showProblem(HelpProblem::FileMissing,
                                       tr("The help file %1 cannot be found.").arg(parsed.file));
            else
                m_browser->showProblem(HelpProblem::FileUnreadable,
                                       tr("The file %1 is not a help file that can be read.").arg(parsed.file));
            updateTitle();
            return;
        }
        m_file = std::shared_ptr<ChmFile>(std::move(*file));
    }
    m_homePage = parsed.page.isEmpty() ? firstPage(*m_file) : parsed.page;
    m_browser->showPage(m_file, m_homePage, parsed.anchor);
    updateTitle();
}

void HelpWindow::goHome()
{
    if (m_file && !m_homePage.isEmpty())
        m_browser->showPage(m_file, m_homePage);
}

void HelpWindow::updateTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Veskora Help") : title + QStringLiteral(" – ") + tr("Veskora Help"));
}

ChmHelpViewer::ChmHelpViewer() = default;

ChmHelpViewer::~ChmHelpViewer()
{
    delete m_window.data();
}

void ChmHelpViewer::setProblemTexts(HelpProblemTexts texts)
{
    m_texts = std::move(texts);
    if (m_window)
        m_window->browser()->setProblemTexts(m_texts);
}

void ChmHelpViewer::showHelp(const QString &reference)
{
    if (!m_window) {
        m_window = new HelpWindow;
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->browser()->setProblemTexts(m_texts);
    }
    m_window->open(reference);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace Platform
