// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmMain, the program's main window.
//
// On the left the frame "Select Options" holds the option controls: one row
// per operation (chkOpt, a "Max No." label and txtMax, indexed by Operation), "Allow
// negative answers", "Show progressive score" and "Reset Score". On the right
// the quiz area shows the sum (lblNum1, lblSign, lblNum2, lblEquals), the
// answer boxes (txtUserAnswer, and for a division lblRemainder and
// txtRemainder), the verdict picture picAns, the right answer after a wrong
// one (lblAnswer1, lblAnsAnd, lblAnswer2) and the answer button cmdAnswer.
// The status bar status1 shows the tally in four panels.
//
// A press of cmdAnswer drives the practice. With no question open (caption
// "Next Question") it validates the options (ValidateOptions) and, if they
// pass, makes a question (NewQuestion); with a question open (caption
// "Check Answer") it hands the typed answer to the session once (CheckAnswer)
// and shows what comes back: the problem with it, or the verdict
// (showVerdict), which also refreshes the status bar (UpdateScore). The practice itself (tally,
// question, judging) is a PracticeSession and the options panel's rules and check are an
// OptionValues; this window reads its option controls into one at once
// (readOptions), and writes back what it says (applyOptionRules, the failing
// boxes, the choice a question is drawn from). The options are loaded at
// start-up (Form_Load), into the panel in one pass (showOptions), and saved
// on every close (Form_Unload). A screen
// reader finds each sum in its answer box's description while the question is
// open, and is told each verdict through an Announcer.
#pragma once

#include "options/optionvalues.h"
#include "quiz/practicesession.h"
#include "quiz/randomsource.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class Announcer;
class LimitedLineEdit;
class NumberLabel;
class SettingsStore;
class OptionCheckBox;
class UserMessages;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// Builds the window and runs its load step: the options come from
    /// @p settings, messages go through @p messages. Without @p random the
    /// window seeds its own generator from the time of day.
    MainWindow(SettingsStore &settings, UserMessages &messages,
               std::unique_ptr<RandomSource> random = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The practice run, for inspection.
    const PracticeSession &session() const { return m_session; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Layout (mainwindowlayout.cpp).
    void createControls();
    void createOptionsFrame();
    void createQuizArea();
    void createStatusBar();
    void setTabOrderByRows();
    void connectHandlers();

    // Start-up and close.
    void Form_Load();
    void Form_Unload();
    void InitControls();
    void LoadSettings();
    void SaveSettings();

    // Handlers.
    void chkOpt_Click();
    void chkAllowNegative_Click();
    void chkScore_Click();
    void cmdResetScore_Click();
    void txtMax_Change(std::size_t index);
    void cmdAnswer_Click();
    void itmAbout_Click();

    // The work.
    std::optional<PracticeChoice> ValidateOptions();
    void NewQuestion(const PracticeChoice &choice);
    void CheckAnswer();
    void UpdateScore();

    /// What the options panel shows.
    OptionValues readOptions() const;
    /// Shows @p options in the panel and applies its rules.
    void showOptions(const OptionValues &options);
    /// The rules that tie the panel together: each ticked operation's box
    /// usable, "Allow negative answers" usable with Subtraction and read into
    /// the session, the score shown or hidden. The one place they are applied.
    void applyOptionRules(const OptionValues &options);
    void showScore(bool show);
    void showAnswerProblem(AnswerProblem problem);
    void showVerdict(const Verdict &verdict);
    void hideAnswerExtras();
    void showPicture(const QString &fileName, const QString &description);
    void focusAndSelect(LimitedLineEdit *box);
    void warn(const QString &text, const QString &title);

    SettingsStore &m_settings;
    UserMessages &m_messages;
    PracticeSession m_session;
    bool m_unloaded = false;
    Announcer *m_announcer = nullptr; // says each verdict

    // Controls. Tests and the settings keys know them by these names.
    QGroupBox *fraOptions = nullptr;
    std::array<OptionCheckBox *, operationCount> chkOpt{};
    std::array<LimitedLineEdit *, operationCount> txtMax{};
    OptionCheckBox *chkAllowNegative = nullptr;
    OptionCheckBox *chkScore = nullptr;
    QPushButton *cmdResetScore = nullptr;
    NumberLabel *lblNum1 = nullptr;
    QLabel *lblSign = nullptr;
    NumberLabel *lblNum2 = nullptr;
    LimitedLineEdit *txtUserAnswer = nullptr;
    QLabel *lblRemainder = nullptr;
    LimitedLineEdit *txtRemainder = nullptr;
    QLabel *picAns = nullptr;
    NumberLabel *lblAnswer1 = nullptr;
    QLabel *lblAnsAnd = nullptr;
    NumberLabel *lblAnswer2 = nullptr;
    QPushButton *cmdAnswer = nullptr;
    QStatusBar *status1 = nullptr;
    std::array<QLabel *, ScoreTally::panelCount> statusPanels{};
    QAction *itmAbout = nullptr;
};
