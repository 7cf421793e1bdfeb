// The main window's behaviour: start-up and close, the options panel, and
// the question cycle driven by the answer button.
#include "mainwindow.h"

#include "app/programfolder.h"
#include "appidentity.h"
#include "limitedlineedit.h"
#include "options/optionvalidation.h"
#include "options/settingsstore.h"
#include "options/storedvalues.h"
#include "quiz/answercheck.h"
#include "quiz/numbertext.h"
#include "quiz/questiongenerator.h"
#include "twostatecheckbox.h"
#include "ui/about/aboutwindow.h"
#include "ui/common/uimetrics.h"
#include "usermessages.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

namespace {

const QString checkAnswerCaption = QStringLiteral("Check Answer");
const QString nextQuestionCaption = QStringLiteral("Next Question");

} // namespace

MainWindow::MainWindow(SettingsStore &settings, UserMessages &messages,
                       std::unique_ptr<RandomSource> random, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_messages(messages), m_random(std::move(random))
{
    CreateControls();
    ConnectHandlers();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectHandlers()
{
    for (int i = 0; i < operationCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        connect(chkOpt[at], &QCheckBox::stateChanged, this, [this, i] { chkOpt_Click(i); });
        connect(txtMax[at], &QLineEdit::textChanged, this, [this, i] { txtMax_Change(i); });
    }
    connect(chkAllowNegative, &QCheckBox::stateChanged, this, &MainWindow::chkAllowNegative_Click);
    connect(chkScore, &QCheckBox::stateChanged, this, &MainWindow::chkScore_Click);
    connect(cmdResetScore, &QPushButton::clicked, this, &MainWindow::cmdResetScore_Click);
    connect(cmdAnswer, &QPushButton::clicked, this, &MainWindow::cmdAnswer_Click);
    connect(itmAbout, &QAction::triggered, this, &MainWindow::itmAbout_Click);
}

// ---- Start-up and close ----------------------------------------------------

void MainWindow::Form_Load()
{
    m_state.tally.Reset();
    if (!m_random)
        m_random = std::make_unique<DefaultRandomSource>(DefaultRandomSource::TimeOfDaySeed());
    LoadSettings();
    InitControls();
    chkOpt[0]->setFocus();
}

void MainWindow::InitControls()
{
    for (std::size_t i = 0; i < operationCount; ++i) {
        if (chkOpt[i]->value() == 0)
            txtMax[i]->setEnabled(false);
        txtMax[i]->setUserMaxLength(5);
    }
    chkAllowNegative->setEnabled(chkOpt[1]->value() == 1);
    m_state.allowNegative = chkAllowNegative->value() == 1;
    ShowScore(chkScore->value() != 0);
    lblSign->clear();
    HideAnswerExtras();
}

void MainWindow::LoadSettings()
{
    const StoredOptions options = LoadOptions(m_settings);
    for (std::size_t i = 0; i < operationCount; ++i)
        chkOpt[i]->setValue(options.chkOpt[i]);
    chkAllowNegative->setValue(options.chkAllowNegative);
    chkScore->setValue(options.chkScore);
    for (std::size_t i = 0; i < operationCount; ++i)
        txtMax[i]->setProgramText(options.txtMax[i]);
}

void MainWindow::SaveSettings()
{
    StoredOptions options;
    for (std::size_t i = 0; i < operationCount; ++i) {
        options.chkOpt[i] = chkOpt[i]->value();
        options.txtMax[i] = txtMax[i]->text();
    }
    options.chkAllowNegative = chkAllowNegative->value();
    options.chkScore = chkScore->value();
    if (!SaveOptions(m_settings, options)) {
        Warn(QStringLiteral("Your options could not be saved to %1.\n"
                            "They will be as before at the next start.")
                 .arg(m_settings.Location()),
             AppIdentity::Title());
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

void MainWindow::chkOpt_Click(int index)
{
    const auto at = static_cast<std::size_t>(index);
    txtMax[at]->setEnabled(chkOpt[at]->value() == 1);
    chkAllowNegative->setEnabled(chkOpt[1]->value() == 1);
}

void MainWindow::chkAllowNegative_Click()
{
    m_state.allowNegative = chkAllowNegative->value() == 1;
}

void MainWindow::txtMax_Change(int index)
{
    SetBackColor(txtMax[static_cast<std::size_t>(index)], Qt::white);
}

void MainWindow::chkScore_Click()
{
    // Toggles from what is on screen, which the tick always agrees with.
    ShowScore(status1->isHidden());
}

void MainWindow::ShowScore(bool show)
{
    status1->setVisible(show);
    cmdResetScore->setEnabled(show);
    if (show)
        UpdateScore();
}

void MainWindow::cmdResetScore_Click()
{
    m_state.tally.Reset();
    UpdateScore();
}

void MainWindow::UpdateScore()
{
    const QStringList texts = m_state.tally.PanelTexts();
    for (std::size_t i = 0; i < statusPanels.size(); ++i)
        statusPanels[i]->setText(texts.at(static_cast<qsizetype>(i)));
}

void MainWindow::ValidateOptions()
{
    m_state.optionsValid = true;
    OptionPanelValues values;
    for (std::size_t i = 0; i < operationCount; ++i) {
        values.checkValues[i] = chkOpt[i]->value();
        values.boxEnabled[i] = txtMax[i]->isEnabled();
        values.largestTexts[i] = txtMax[i]->text();
    }
    const OptionCheckOutcome outcome = CheckOptions(values);
    if (outcome.noSelection) {
        Warn(OptionMessages::noSelectionText, OptionMessages::noSelectionTitle);
        m_state.optionsValid = false;
    }
    for (int index : outcome.failingBoxes) {
        LimitedLineEdit *box = txtMax[static_cast<std::size_t>(index)];
        box->setFocus();
        SetBackColor(box, Qt::red);
        box->setSelection(0, static_cast<int>(box->text().size()));
        Warn(OptionMessages::invalidEntryText, OptionMessages::invalidEntryTitle);
        m_state.optionsValid = false;
    }
}

// ---- Question cycle --------------------------------------------------------

void MainWindow::cmdAnswer_Click()
{
    if (cmdAnswer->text() != checkAnswerCaption) {
        ValidateOptions();
        if (!m_state.optionsValid)
            return;
        cmdAnswer->setText(checkAnswerCaption);
        NewQuestion();
        txtUserAnswer->setFocus();
        return;
    }

    const AnswerProblem problem =
        FindAnswerProblem(txtUserAnswer->text(), txtRemainder->text(), !lblRemainder->isHidden());
    if (problem != AnswerProblem::None) {
        Warn(AnswerProblemMessage(problem), AppIdentity::Title());
        const bool remainder = problem == AnswerProblem::RemainderMissing ||
                               problem == AnswerProblem::RemainderNotNumber;
        FocusAndSelect(remainder ? txtRemainder : txtUserAnswer);
        return;
    }
    CheckAnswer();
    cmdAnswer->setText(nextQuestionCaption);
}

void MainWindow::NewQuestion()
{
    txtUserAnswer->setProgramText(QString());
    txtRemainder->setProgramText(QString());
    HideAnswerExtras();
    ShowPicture(QStringLiteral("blank.jpg"), QStringLiteral("No answer judged yet"));

    for (std::size_t i = 0; i < operationCount; ++i)
        m_state.operationEnabled[i] = chkOpt[i]->value() == 1;
    const std::optional<Operation> picked = PickOperation(m_state.operationEnabled, *m_random);
    if (!picked)
        return; // the option check rules this out
    const Operation op = *picked;
    m_state.currentOperation = op;

    // The option check has made sure the text is a number from 1 to 99999.
    const QString largestText = txtMax[static_cast<std::size_t>(IndexOf(op))]->text();
    const double largest = std::clamp(NumberValue(largestText).value_or(LeadingNumber(largestText)),
                                      smallestLargestNumber, biggestLargestNumber);
    Question question = DrawQuestion(op, largest, m_state.allowNegative, *m_random);

    lblSign->setText(OperationSign(op));
    if (op == Operation::Division) {
        lblRemainder->show();
        txtRemainder->show();
    }
    lblNum1->setText(WholeNumberText(question.first));
    lblNum2->setText(WholeNumberText(question.second));

    // The operands live in the labels; the answer is worked out from what they show.
    question.first = LeadingNumber(lblNum1->text());
    question.second = LeadingNumber(lblNum2->text());
    ComputeAnswer(question);
    m_state.expectedAnswer = question.expectedAnswer;
    if (op == Operation::Division)
        m_state.expectedRemainder = question.expectedRemainder;
}

void MainWindow::CheckAnswer()
{
    const bool division = m_state.currentOperation == Operation::Division;
    const bool right =
        IsRightAnswer(m_state.currentOperation, m_state.expectedAnswer, m_state.expectedRemainder,
                      txtUserAnswer->text(), txtRemainder->text());
    m_state.tally.Count(right);
    if (right) {
        ShowPicture(QStringLiteral("right.jpg"), QStringLiteral("Right answer"));
    } else {
        ShowPicture(QStringLiteral("wrong.jpg"), QStringLiteral("Wrong answer"));
        lblAnswer1->setText(WholeNumberText(m_state.expectedAnswer));
        lblAnswer1->show();
        if (division) {
            lblAnswer2->setText(WholeNumberText(m_state.expectedRemainder));
            lblAnswer2->show();
            lblAnsAnd->show();
        }
    }
    UpdateScore();
}

void MainWindow::itmAbout_Click()
{
    ShowAboutWindow(this);
}

// ---- Helpers ---------------------------------------------------------------

void MainWindow::ShowPicture(const QString &fileName, const QString &description)
{
    // A missing or unreadable picture leaves the box empty; the answer is
    // judged and counted all the same.
    const QPixmap picture(ProgramFolder::FilePath(fileName));
    if (picture.isNull())
        picAns->clear();
    else
        picAns->setPixmap(picture);
    picAns->setAccessibleDescription(description);
}

void MainWindow::HideAnswerExtras()
{
    for (QWidget *w : std::initializer_list<QWidget *>{lblRemainder, txtRemainder, lblAnswer1,
                                                       lblAnsAnd, lblAnswer2})
        w->hide();
}

void MainWindow::FocusAndSelect(LimitedLineEdit *box)
{
    box->setFocus();
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void MainWindow::Warn(const QString &text, const QString &title)
{
    m_messages.Warn(this, text, title);
}
