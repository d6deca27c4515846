// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QPointer>
#include <QString>
#include <QTextBrowser>
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

/// The text area of the help window: loads pages, pictures and style sheets from the
/// open help file (addresses "chm:///<page>").
class ChmBrowser final : public QTextBrowser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChmBrowser)
public:
    explicit ChmBrowser(QWidget *parent = nullptr);
    ~ChmBrowser() override;

    /// Shows \a page of \a file (shared with the window). A page the file lacks shows an
    /// explanation instead.
    void showPage(std::shared_ptr<ChmFile> file, const QString &page, const QString &anchor = {});
    /// Shows an explanation of what went wrong instead of a page.
    void showProblem(const QString &title, const QString &text);
    /// The page shown, or empty while an explanation is shown.
    QString currentPage() const;
    const ChmFile *file() const { return m_file.get(); }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);

    std::shared_ptr<ChmFile> m_file;
    bool m_showingProblem = false;
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

private:
    QPointer<HelpWindow> m_window;
};

} // namespace Platform
