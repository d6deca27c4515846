// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include "platform/help/helpviewer.h"

class QAction;

namespace Platform {

class ChmFile;

/// A help reference split into its parts: "<file>::/<page>#<anchor>".
struct HelpReference {
    QString file;
    QString page;
    QString anchor;

    /// Splits \a reference at its "::". Without one, the whole text is the file and the
    /// page is left to the file's first page.
    static HelpReference parse(const QString &reference);
};

/// The page inside the help file that the reference \a name, found on the page at \a source,
/// stands for ("/images/a.png"); nothing when it points anywhere else (another scheme, a
/// file of the computer), which the help window never loads.
std::optional<QString> helpResourcePage(const QUrl &source, const QUrl &name);

/// What can keep the help window from showing a page.
enum class HelpProblem { FileMissing, FileUnreadable, PageMissing, PageTooLarge };
/// The learner's text for a problem, shown above the technical detail. The window's own
/// texts (English, and none for PageTooLarge) apply where it returns nothing.
using HelpProblemTexts = std::function<QString(HelpProblem problem)>;

/// Limits on help pages that no real page comes near (the course's pages hold a few KiB, one
/// table of some 40 cells, nothing nested); a page beyond them is not laid out and a problem
/// is shown in its place. Laying out tables costs several times more with every level of
/// nesting: 8 levels around 100 KB of text held the program for half a minute, 50 for ever.
struct HelpPageLimits {
    /// Bytes of one page's HTML.
    static constexpr qsizetype kMaxBytes = 256 * 1024;
    /// Tables inside tables.
    static constexpr int kMaxTableNesting = 3;
    /// Table cells on one page, nested ones included.
    static constexpr int kMaxTableCells = 2000;
    /// Lists, quotations, divisions and tables inside one another.
    static constexpr int kMaxBlockNesting = 32;

    /// What \a html breaks, as a technical detail; empty when it keeps every limit.
    static QString check(const QByteArray &html);
};

/// The text area of the help window: loads pages, pictures and style sheets from the open
/// help file (addresses "chm:///<page>", and addresses relative to the page shown), and
/// nothing else: no file of the computer, no other scheme.
class ChmBrowser final : public QTextBrowser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChmBrowser)
public:
    explicit ChmBrowser(QWidget *parent = nullptr);
    ~ChmBrowser() override;

    /// Shows \a page of \a file (shared with the window). A page the file lacks shows an
    /// explanation instead.
    void showPage(std::shared_ptr<ChmFile> file, const QString &page, const QString &anchor = {});
    /// Shows an explanation of \a problem instead of a page, with \a detail below it.
    void showProblem(HelpProblem problem, const QString &detail);
    /// The texts problems are explained with.
    void setProblemTexts(HelpProblemTexts texts) { m_texts = std::move(texts); }
    /// The page shown, or empty while an explanation is shown.
    QString currentPage() const;
    const ChmFile *file() const { return m_file.get(); }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);
    QString problemTitle(HelpProblem problem) const;
    QString problemHtml(HelpProblem problem, const QString &detail) const;

    std::shared_ptr<ChmFile> m_file;
    bool m_showingProblem = false;
    HelpProblemTexts m_texts;
};

/// The help window: toolbar with Back, Forward and Start page over a ChmBrowser.
class HelpWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    ~HelpWindow() override;

    /// Opens \a reference; a missing file or page is explained in the window.
    void open(const QString &reference);
    ChmBrowser *browser() const { return m_browser; }
    QAction *backAction() const { return m_back; }
    QAction *forwardAction() const { return m_forward; }

private:
    void goHome();
    void updateTitle();

    ChmBrowser *m_browser = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QAction *m_home = nullptr;
    std::shared_ptr<ChmFile> m_file;
    QString m_homePage;
};

/// The program's help viewer: one help window, created on the first request and brought
/// forward by later ones. Help files are opened with chmlib; the window itself explains a
/// missing file or page.
class ChmHelpViewer final : public HelpViewer {
public:
    ChmHelpViewer();
    ~ChmHelpViewer() override;
    ChmHelpViewer(const ChmHelpViewer &) = delete;
    ChmHelpViewer &operator=(const ChmHelpViewer &) = delete;

    void showHelp(const QString &reference) override;
    /// The help window, or null before the first request or after it was closed.
    HelpWindow *window() const { return m_window; }
    /// The texts the help window explains problems with (the learner's language).
    void setProblemTexts(HelpProblemTexts texts);

private:
    QPointer<HelpWindow> m_window;
    HelpProblemTexts m_texts;
};

} // namespace Platform
