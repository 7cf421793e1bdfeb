// frmMain, the program's main window.
//
// On the left the frame "Select Options" holds the option controls: one row
// per operation (chkOpt, lblMax and txtMax, indexed by Operation), "Allow
// negative answers", "Show progressive score" and "Reset Score". On the right
// the quiz area shows the sum (lblNum1, lblSign, lblNum2, lblEquals), the
// answer boxes (txtUserAnswer, and for a division lblRemainder and
// txtRemainder), the verdict picture picAns, the right answer after a wrong
// one (lblAnswer1, lblAnsAnd, lblAnswer2) and the answer button cmdAnswer.
// The status bar status1 shows the tally in four panels.
//
// A press of cmdAnswer drives the practice. Its caption is the only record
// of where the cycle stands: "Next Question" validates the options
// (ValidateOptions) and, if they pass, makes a question (NewQuestion);
// "Check Answer" checks that the typed answer is present and numeric, then
// judges it (CheckAnswer), which counts it and refreshes the status bar
// (UpdateScore). The rules themselves live in the quiz and options code;
// this window reads its controls, calls them and writes the results back.
// The options live only in the controls; they are loaded at start-up
// (Form_Load) and saved on every close (Form_Unload).
#pragma once

#include "quiz/quizstate.h"
#include "quiz/randomsource.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class LimitedLineEdit;
class SettingsStore;
class TwoStateCheckBox;
class UserMessages;

class MainWindow : public QMainWindow
{
public:
    /// Builds the window and runs its load step: the options come from
    /// @p settings, messages go through @p messages. Without @p random the
    /// window seeds its own generator from the time of day.
    MainWindow(SettingsStore &settings, UserMessages &messages,
               std::unique_ptr<RandomSource> random = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The practice run's state, for inspection.
    const QuizState &quizState() const { return m_state; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Layout (mainwindowlayout.cpp).
    void CreateControls();
    void CreateOptionsFrame();
    void CreateQuizArea();
    void CreateStatusBar();
    void SetTabOrder();
    void ConnectHandlers();

    // Start-up and close.
    void Form_Load();
    void Form_Unload();
    void InitControls();
    void LoadSettings();
    void SaveSettings();

    // Handlers.
    void chkOpt_Click(int index);
    void chkAllowNegative_Click();
    void chkScore_Click();
    void cmdResetScore_Click();
    void txtMax_Change(int index);
    void cmdAnswer_Click();
    void itmAbout_Click();

    // The work.
    void ValidateOptions();
    void NewQuestion();
    void CheckAnswer();
    void UpdateScore();

    void ShowScore(bool show);
    void HideAnswerExtras();
    void ShowPicture(const QString &fileName, const QString &description);
    void FocusAndSelect(LimitedLineEdit *box);
    void Warn(const QString &text, const QString &title);

    SettingsStore &m_settings;
    UserMessages &m_messages;
    std::unique_ptr<RandomSource> m_random;
    QuizState m_state;
    bool m_unloaded = false;

    // Controls, named as in the window's design.
    QGroupBox *fraOptions = nullptr;
    std::array<TwoStateCheckBox *, 4> chkOpt{};
    std::array<QLabel *, 4> lblMax{};
    std::array<LimitedLineEdit *, 4> txtMax{};
    TwoStateCheckBox *chkAllowNegative = nullptr;
    TwoStateCheckBox *chkScore = nullptr;
    QPushButton *cmdResetScore = nullptr;
    QLabel *lblNum1 = nullptr;
    QLabel *lblSign = nullptr;
    QLabel *lblNum2 = nullptr;
    QLabel *lblEquals = nullptr;
    LimitedLineEdit *txtUserAnswer = nullptr;
    QLabel *lblRemainder = nullptr;
    LimitedLineEdit *txtRemainder = nullptr;
    QLabel *picAns = nullptr;
    QLabel *lblAnswer1 = nullptr;
    QLabel *lblAnsAnd = nullptr;
    QLabel *lblAnswer2 = nullptr;
    QPushButton *cmdAnswer = nullptr;
    QWidget *Line1 = nullptr;
    QStatusBar *status1 = nullptr;
    std::array<QLabel *, 4> statusPanels{};
    QAction *itmAbout = nullptr;
};
