// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QWidget>

#include "character/geniereference.h"
#include "dictionary/dictionaryservices.h"
#include "dictionary/lexiconquery.h"
#include "platform/agent/agentcontrol.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace Platform {
class DataSource;
}

namespace Dictionary {

/// The dictionary window ("frmLexiconEng"). The learner types the beginning of a word in
/// the interface language into txtOrt; every change lists the matching rows of table Lang
/// in DBGrid1 and shows the current row's word (txtNative), its Russian field (txtRussian)
/// and the part of it that is spoken (txtRuss2, up to the first "("). Command1 has the
/// character say that part; cmdEnd closes the window. While the window is active the
/// character stands at (530, 300); it goes back to (450, 450) when the window loses the
/// focus, when the pointer moves over cmdEnd and when the window closes.
///
/// Russian fields come from the database one character per Windows-1251 code; the boxes
/// and the grid show them as real Cyrillic text, with stress marks on the words the
/// course's stress table holds while the learner's choices ask for them (a change of the
/// choices shows at once), and txtRuss2 holds the part that is spoken. What is spoken and
/// what screen readers read carry no marks. Characters above code 255 are already real
/// Unicode and are kept as they are.
///
/// Failures never raise a message box: a search text that the engine rejects lists
/// nothing, and a Lexikon.mdb that cannot be opened or read shows lblNoDictionary, a
/// message in the learner's language, in place of the grid. Character requests that fail
/// are skipped.
///
/// The window does not delete itself on close; its owner decides.
class FrmLexiconEng final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmLexiconEng)
public:
    /// \a services must outlive the window.
    explicit FrmLexiconEng(DictionaryServices &services, QWidget *parent = nullptr);
    ~FrmLexiconEng() override;

    /// Places the window at the screen's top-left corner, sets up the character, binds the
    /// data source to Lexikon.mdb and sets the captions and the search column for the
    /// interface language. Runs once per window.
    void load();

    /// The window's data source ("Data1").
    Platform::DataSource &dataSource() const { return *m_data; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void setUpCharacter();
    void setUpBalloon();
    void moveCharacter(QPoint position);
    void search(const QString &typed);
    /// A decoded Russian field as shown, with stress marks when the learner's choices ask
    /// for them.
    QString shownRussian(const QString &russian) const;
    /// Shows the current record's Russian field in txtRussian (decoded, marked as chosen).
    void showCurrentRussian();
    void refreshSpokenForm();
    void speak();
    void end();
    /// Reacts to the outcome of a refresh of Data1: lists nothing for a rejected query,
    /// shows the missing-dictionary message when the file cannot be used.
    void handleRefresh(const Platform::Status &status);
    void moveToGridRow(int row);

    /// The window's named controls.
    struct Controls {
        QLineEdit *txtRecord = nullptr;
        QLabel *Label1 = nullptr;
        QLineEdit *txtOrt = nullptr;
        QTableView *DBGrid1 = nullptr;
        QLineEdit *txtNative = nullptr;
        QLineEdit *txtRussian = nullptr;
        QLineEdit *txtRuss2 = nullptr;
        QPushButton *Command1 = nullptr;
        QPushButton *cmdEnd = nullptr;
        QLabel *lblNoDictionary = nullptr;
    };

    DictionaryServices &m_services;
    LanguageTexts m_texts;
    std::unique_ptr<Platform::DataSource> m_data;
    Platform::AgentControl *m_agent = nullptr;
    std::unique_ptr<Character::GenieReference> m_genie;
    bool m_dictionaryMissing = false;
    Controls m_ui;
};

} // namespace Dictionary
