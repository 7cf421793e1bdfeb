// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's behaviour: start-up and close, the options panel, and
// the question cycle driven by the answer button.
#include "ui/main/mainwindow.h"

#include "foundation/appidentity.h"
#include "foundation/programfolder.h"
#include "options/optionmessages.h"
#include "options/settingsstore.h"
#include "quiz/numbertext.h"
#include "quiz/spokentexts.h"
#include "ui/about/aboutwindow.h"
#include "ui/common/announcer.h"
#include "ui/common/limitedlineedit.h"
#include "ui/common/uimetrics.h"
#include "ui/main/numberlabel.h"
#include "ui/main/optioncheckbox.h"
#include "ui/main/usermessages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>

MainWindow::MainWindow(SettingsStore &settings, UserMessages &messages,
                       std::unique_ptr<RandomSource> random, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_messages(messages), m_session(std::move(random))
{
    createControls();
    connectHandlers();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers()
{
    for (Operation op : allOperations) {
        const std::size_t i = indexOf(op);
        connect(chkOpt[i], OptionCheckBox::changed, this, &MainWindow::chkOpt_Click);
        connect(txtMax[i], &QLineEdit::textChanged, this, [this, i] { txtMax_Change(i); });
    }
    connect(chkAllowNegative, OptionCheckBox::changed, this, &MainWindow::chkAllowNegative_Click);
    connect(chkScore, OptionCheckBox::changed, this, &MainWindow::chkScore_Click);
    connect(cmdResetScore, &QPushButton::clicked, this, &MainWindow::cmdResetScore_Click);
    connect(cmdAnswer, &QPushButton::clicked, this, &MainWindow::cmdAnswer_Click);
    connect(itmAbout, &QAction::triggered, this, &MainWindow::itmAbout_Click);
}

// ---- Start-up and close ----------------------------------------------------

void MainWindow::Form_Load()
{
    // The session starts with a zero tally and a generator seeded from the
    // time of day (unless the caller brought one).
    LoadSettings();
    InitControls();
    chkOpt[0]->setFocus();
}

void MainWindow::InitControls()
{
    for (LimitedLineEdit *box : txtMax)
        box->setUserMaxLength(largestNumberMaxLength);
    lblSign->clear();
    lblSign->setAccessibleName(QString());
    hideAnswerExtras();
}

void MainWindow::LoadSettings()
{
    showOptions(OptionValues::load(m_settings));
}

void MainWindow::SaveSettings()
{
    if (!readOptions().save(m_settings)) {
        warn(tr("Your options could not be saved to %1.\n"
                "They will be as before at the next start.")
                 .arg(m_settings.location()),
             AppIdentity::title());
    }
}

void MainWindow::Form_Unload()
{
    SaveSettings();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // However the close was asked for, the options are saved once.
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

// ---- Options panel ---------------------------------------------------------

OptionValues MainWindow::readOptions() const
{
    OptionValues options;
    for (std::size_t i = 0; i < chkOpt.size(); ++i) {
        options.chkOpt[i] = chkOpt[i]->value();
        options.txtMax[i] = txtMax[i]->text();
    }
    options.chkAllowNegative = chkAllowNegative->value();
    options.chkScore = chkScore->value();
    return options;
}

void MainWindow::showOptions(const OptionValues &options)
{
    // Set as a program, not a user, sets them: no handler runs on the way,
    // and the rules are applied once, to the whole panel.
    for (std::size_t i = 0; i < chkOpt.size(); ++i) {
        const QSignalBlocker tick(chkOpt[i]), box(txtMax[i]);
        chkOpt[i]->setValue(options.chkOpt[i]);
        txtMax[i]->setProgramText(options.txtMax[i]);
    }
    const QSignalBlocker negative(chkAllowNegative), score(chkScore);
    chkAllowNegative->setValue(options.chkAllowNegative);
    chkScore->setValue(options.chkScore);
    applyOptionRules(options);
}

void MainWindow::applyOptionRules(const OptionValues &options)
{
    for (Operation op : allOperations)
        txtMax[indexOf(op)]->setEnabled(options.ticked(op));
    chkAllowNegative->setEnabled(options.allowNegativeEnabled());
    m_session.setAllowNegative(options.allowNegative());
    showScore(options.scoreShown());
}

void MainWindow::chkOpt_Click()
{
    applyOptionRules(readOptions());
}

void MainWindow::chkAllowNegative_Click()
{
    applyOptionRules(readOptions());
}

void MainWindow::txtMax_Change(std::size_t index)
{
    setFixedColours(txtMax[index], Qt::black, Qt::white);
}

void MainWindow::chkScore_Click()
{
    applyOptionRules(readOptions());
}

void MainWindow::showScore(bool show)
{
    status1->setVisible(show);
    cmdResetScore->setEnabled(show);
    if (show)
        UpdateScore();
}

void MainWindow::cmdResetScore_Click()
{
    m_session.resetScore();
    UpdateScore();
}

void MainWindow::UpdateScore()
{
    const QStringList texts = m_session.tally().panelTexts();
    for (std::size_t i = 0; i < statusPanels.size(); ++i)
        statusPanels[i]->setText(texts.at(static_cast<qsizetype>(i)));
}

std::optional<PracticeChoice> MainWindow::ValidateOptions()
{
    const OptionCheck check = readOptions().check();
    if (check.noSelection)
        warn(OptionMessages::noSelectionText(), OptionMessages::noSelectionTitle());
    for (Operation op : check.failingBoxes) {
        LimitedLineEdit *box = txtMax[indexOf(op)];
        setFixedColours(box, Qt::black, Qt::red);
        focusAndSelect(box);
        warn(OptionMessages::invalidEntryText(), OptionMessages::invalidEntryTitle());
    }
    return check.choice;
}

// ---- Question cycle --------------------------------------------------------

void MainWindow::cmdAnswer_Click()
{
    if (m_session.questionOpen()) {
        CheckAnswer();
        return;
    }
    const std::optional<PracticeChoice> choice = ValidateOptions();
    if (choice)
        NewQuestion(*choice);
}

void MainWindow::NewQuestion(const PracticeChoice &choice)
{
    const std::optional<Question> question = m_session.newQuestion(choice);
    if (!question)
        return;

    // Each answer box is described with what it asks for while the question
    // is open: a screen reader speaks the sum as the focus arrives below, and
    // tells it again whenever the pupil asks where the focus is. It is not
    // announced besides: the pupil would hear it twice.
    txtUserAnswer->setAccessibleDescription(spokenQuestion(*question));
    hideAnswerExtras();
    showPicture(QStringLiteral("blank.jpg"), tr("No answer judged yet"));
    lblSign->setText(operationSign(question->operation));
    lblSign->setAccessibleName(operationWord(question->operation));
    const bool division = question->operation == Operation::Division;
    if (division) {
        lblRemainder->show();
        txtRemainder->show();
    }
    lblNum1->setNumber(question->first);
    lblNum2->setNumber(question->second);
    txtRemainder->setAccessibleDescription(division ? spokenRemainderQuestion(*question)
                                                    : QString());
    //: Button that judges the typed result of the sum; about 15 letters fit
    cmdAnswer->setText(tr("Check Answer"));
    // The last verdict goes with the last question.
    cmdAnswer->setAccessibleDescription(QString());
    txtUserAnswer->setFocus();
    // The last answers go once the focus is in the box. Orca, told of a change
    // in the box before the focus, would move there silently and not say the sum.
    txtUserAnswer->setProgramText(QString());
    txtRemainder->setProgramText(QString());
}

void MainWindow::CheckAnswer()
{
    const AnswerOutcome outcome = m_session.answer(txtUserAnswer->text(), txtRemainder->text());
    if (const auto *problem = std::get_if<AnswerProblem>(&outcome))
        showAnswerProblem(*problem);
    else
        showVerdict(std::get<Verdict>(outcome));
}

void MainWindow::showAnswerProblem(AnswerProblem problem)
{
    warn(answerProblemMessage(problem), AppIdentity::title());
    const bool remainder =
        problem == AnswerProblem::RemainderMissing || problem == AnswerProblem::RemainderNotNumber;
    focusAndSelect(remainder ? txtRemainder : txtUserAnswer);
}

void MainWindow::showVerdict(const Verdict &verdict)
{
    if (verdict.right) {
        showPicture(QStringLiteral("right.jpg"), tr("Right answer"));
    } else {
        showPicture(QStringLiteral("wrong.jpg"), tr("Wrong answer"));
        lblAnswer1->setNumber(verdict.expectedAnswer);
        lblAnswer1->show();
        if (verdict.operation == Operation::Division) {
            lblAnswer2->setNumber(verdict.expectedRemainder);
            lblAnswer2->show();
            lblAnsAnd->show();
        }
    }
    UpdateScore();
    cmdAnswer->setText(tr("Next Question"));
    // The verdict is said at once; the button keeps it for a pupil who asks
    // where the focus is.
    const QString spoken = spokenVerdict(verdict);
    cmdAnswer->setAccessibleDescription(spoken);
    m_announcer->announce(spoken);
}

void MainWindow::itmAbout_Click()
{
    showAboutWindow(this);
}

// ---- Helpers ---------------------------------------------------------------

void MainWindow::showPicture(const QString &fileName, const QString &description)
{
    // A missing or unreadable picture leaves the box empty; the answer is
    // judged and counted all the same.
    const QPixmap picture(ProgramFolder::filePath(fileName));
    if (picture.isNull())
        picAns->clear();
    else
        picAns->setPixmap(picture);
    picAns->setAccessibleDescription(description);
}

void MainWindow::hideAnswerExtras()
{
    for (QWidget *w : std::initializer_list<QWidget *>{lblRemainder, txtRemainder, lblAnswer1,
                                                       lblAnsAnd, lblAnswer2})
        w->hide();
}

void MainWindow::focusAndSelect(LimitedLineEdit *box)
{
    box->setFocus();
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void MainWindow::warn(const QString &text, const QString &title)
{
    m_messages.warn(this, text, title);
}
