// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window, each at a fixed place in twips so that
// the window looks the same on every desktop; place() mirrors them in a
// window that reads right to left.
#include "foundation/appidentity.h"
#include "quiz/answercheck.h"
#include "quiz/operation.h"
#include "quiz/pupillocale.h"
#include "ui/common/announcer.h"
#include "ui/common/appicons.h"
#include "ui/common/limitedlineedit.h"
#include "ui/common/uimetrics.h"
#include "ui/main/mainwindow.h"
#include "ui/main/numberlabel.h"
#include "ui/main/optioncheckbox.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

constexpr double optionsPointSize = 9.75;
constexpr double captionPointSize = 12;
constexpr double numberPointSize = 18;
constexpr double signPointSize = 24;
// Each status bar panel in twips: room for its longest text in every
// language, which the translation test checks.
constexpr int statusPanelWidth = 2500;

// The characters a sum shows: the pupil's digits and minus sign, and the
// operations' signs with the equals sign.
QString sumDigits()
{
    return PupilLocale::current().withDigitsAndSigns(QStringLiteral("-0123456789"));
}

QString sumSigns()
{
    QString signs = QStringLiteral("=");
    for (Operation op : allOperations)
        signs += operationSign(op);
    return signs;
}

QLabel *signLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &at,
                  const QFont &font)
{
    auto *label = place(new QLabel(caption, parent), name, at, font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A white bordered box that looks like a read-only field. A screen reader
// reads its number as the name and @p role ("First number") as the description.
NumberLabel *numberBox(QWidget *parent, const QString &name, const QRect &at, const QString &role)
{
    const QFont font = designFontFor(numberPointSize, sumDigits());
    return place(new NumberLabel(font, role, parent), name, at, font);
}

// The sign between a quotient and its remainder, as the user's schools write
// it: a letter ("R"), or a short word set smaller until it fits its box.
QLabel *remainderLabel(QWidget *parent, const QString &name, const QRect &at)
{
    //: Written between the whole quotient and the remainder of a division, as
    //: schools write it ("7 : 2 = 3 R 1"); one or two letters show large, a
    //: longer word is set smaller to fit
    const QString sign =
        QCoreApplication::translate("MainWindow", "@", "sign between a quotient and its remainder");
    QLabel *label = signLabel(parent, name, sign, at, designFont(signPointSize));
    label->setFont(fittedFont(label->font(), sign, at.width(), 6, 1));
    return label;
}

LimitedLineEdit *answerBox(QWidget *parent, const QString &name, const QRect &at)
{
    auto *box =
        place(new LimitedLineEdit(parent), name, at, designFontFor(numberPointSize, sumDigits()));
    box->setFittedFont(box->font());
    box->setAlignment(Qt::AlignCenter);
    box->setUserMaxLength(answerMaxLength);
    return box;
}

} // namespace

void MainWindow::createControls()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppIdentity::title());
    setWindowIcon(appIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    itmAbout = menuBar()->addAction(tr("&About"));
    itmAbout->setObjectName(QStringLiteral("itmAbout"));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // Its final width now, so that controls mirror within it.
    client->resize(twips(13785), twips(5355 - 375));

    createOptionsFrame();
    createQuizArea();

    auto *line1 = new QFrame(client);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::VLine);
    line1->setFrameShadow(QFrame::Sunken);
    line1->setGeometry(visualGeometry(client, QRect(twips(5040) - 1, 0, 3, twips(5040))));

    createStatusBar();
    setTabOrderByRows();

    // The client area is fixed at 13785 x 5355 twips below the menu bar,
    // status bar included; hiding the bar leaves its strip empty.
    setFixedSize(twips(13785), menuBar()->sizeHint().height() + twips(5355));
}

void MainWindow::createOptionsFrame()
{
    fraOptions =
        place(new QGroupBox(tr("Select Options"), centralWidget()), QStringLiteral("fraOptions"),
              twipsRect(120, 120, 4695, 4815), designFont(captionPointSize));

    const QFont font = designFont(optionsPointSize);
    const QFont numbers = designFontFor(optionsPointSize, sumDigits());
    struct Row
    {
        int top;
        int labelTop;
        int checkWidth;
    };
    // The subtraction's box is 120 twips wider than the addition's and the
    // division's, to the edge of its row's free room, so that a long name
    // ("Odejmowanie") fits whole.
    constexpr std::array<Row, operationCount> rows = {{
        {600, 640, 1335},
        {1080, 1120, 1575},
        {2040, 2100, 1695},
        {2520, 2560, 1455},
    }};
    for (Operation op : allOperations) {
        const std::size_t at = indexOf(op);
        const QString index = QString::number(at);
        chkOpt[at] = place(new OptionCheckBox(operationName(op), fraOptions),
                           QStringLiteral("chkOpt") + index,
                           twipsRect(240, rows[at].top, rows[at].checkWidth, 375), font);
        chkOpt[at]->setAccessibleName(operationName(op));
        //: Short caption in front of the box for the largest number this operation
        //: uses ("up to"); it must fit about 8 narrow letters
        place(new QLabel(tr("Max No."), fraOptions), QStringLiteral("lblMax") + index,
              twipsRect(2040, rows[at].labelTop, 855, 255), font);
        // 630 twips, so that 99999 shows whole in Liberation Sans; wider
        // digits are set smaller.
        txtMax[at] = place(new LimitedLineEdit(fraOptions), QStringLiteral("txtMax") + index,
                           twipsRect(3000, rows[at].top, 630, 285), numbers);
        txtMax[at]->setFittedFont(numbers);
        txtMax[at]->setToolTip(PupilLocale::current().withDigits(tr("1 to 99999")));
        txtMax[at]->setAccessibleName(tr("Largest number for %1").arg(operationName(op)));
    }

    //: Check box: a subtraction may come out below zero; about 20 letters fit
    chkAllowNegative =
        place(new OptionCheckBox(tr("Allow negative answers"), fraOptions),
              QStringLiteral("chkAllowNegative"), twipsRect(2040, 1440, 2415, 375), font);
    chkAllowNegative->setAccessibleName(chkAllowNegative->text().remove(QLatin1Char('&')));
    chkScore = place(new OptionCheckBox(tr("Show progressive score"), fraOptions),
                     QStringLiteral("chkScore"), twipsRect(240, 3360, 2775, 375), font);
    chkScore->setAccessibleName(chkScore->text().remove(QLatin1Char('&')));
    //: Button that starts the count of questions and answers again; about 11
    //: letters fit
    cmdResetScore = place(new QPushButton(tr("Reset Score"), fraOptions),
                          QStringLiteral("cmdResetScore"), twipsRect(3000, 3360, 1335, 375), font);
    cmdResetScore->setAutoDefault(true);
}

void MainWindow::createQuizArea()
{
    QWidget *client = centralWidget();
    // The sum and its answers, on the window's right (its left when the
    // window reads right to left). Inside, they read in the direction pupils
    // of the locale write sums in.
    constexpr int quizLeft = 5040;
    auto *quiz = place(
        new QWidget(client), QStringLiteral("quizArea"),
        QRect(twips(quizLeft), 0, client->width() - twips(quizLeft), client->height()), font());
    quiz->setLayoutDirection(PupilLocale::current().sumDirection());
    // Controls are given in the window's twips, placed within the area.
    const auto quizRect = [](int left, int top, int width, int height) {
        return twipsRect(left, top, width, height).translated(-twips(quizLeft), 0);
    };
    // The operand boxes are 1125 twips wide, so that a five-digit operand in
    // Liberation Sans keeps clear of the border.
    lblNum1 = numberBox(quiz, QStringLiteral("lblNum1"), quizRect(5280, 720, 1125, 495),
                        tr("First number"));
    // The sign's name is the spoken word ("plus"), set with each question.
    const QFont signs = designFontFor(signPointSize, sumSigns());
    lblSign = signLabel(quiz, QStringLiteral("lblSign"), QStringLiteral("+"),
                        quizRect(6480, 720, 495, 495), signs);
    //: Spoken description of the box showing the sign of the sum (+, -, x, /):
    //: the sign itself, not the name of the operation
    lblSign->setAccessibleDescription(tr("Operation"));
    lblNum2 = numberBox(quiz, QStringLiteral("lblNum2"), quizRect(7080, 720, 1125, 495),
                        tr("Second number"));
    signLabel(quiz, QStringLiteral("lblEquals"), QStringLiteral("="), quizRect(8280, 720, 495, 495),
              signs)
        ->setAccessibleName(tr("equals"));
    txtUserAnswer =
        answerBox(quiz, QStringLiteral("txtUserAnswer"), quizRect(8880, 720, 2175, 495));
    //: Spoken name of the box where the pupil types the result of the sum (for a
    //: division, the whole quotient); the word schools use for a result
    txtUserAnswer->setAccessibleName(tr("Answer"));
    lblRemainder =
        remainderLabel(quiz, QStringLiteral("lblRemainder"), quizRect(11040, 720, 495, 495));
    //: Spoken name of the sign between the quotient and the remainder boxes
    lblRemainder->setAccessibleName(tr("remainder"));
    txtRemainder = answerBox(quiz, QStringLiteral("txtRemainder"), quizRect(11640, 720, 2055, 495));
    txtRemainder->setToolTip(tr("Enter the remainder"));
    txtRemainder->setAccessibleName(tr("Remainder"));

    picAns =
        place(new QLabel(quiz), QStringLiteral("picAns"), quizRect(7080, 1560, 1575, 1575), font());
    picAns->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    //: Spoken name of the picture that shows a tick (right) or a cross (wrong)
    picAns->setAccessibleName(tr("Verdict"));
    // Before the first answer: 12 x 12 pixels of flat light grey, a quiet
    // mark where the verdict will be.
    QPixmap blank(12, 12);
    blank.fill(QColor(224, 224, 224));
    picAns->setPixmap(blank);
    picAns->setAccessibleDescription(tr("No answer judged yet"));

    lblAnswer1 = numberBox(quiz, QStringLiteral("lblAnswer1"), quizRect(8880, 2040, 2175, 495),
                           tr("Right answer", "the box showing it after a wrong one"));
    lblAnsAnd = remainderLabel(quiz, QStringLiteral("lblAnsAnd"), quizRect(11040, 2040, 495, 495));
    lblAnsAnd->setAccessibleName(lblRemainder->accessibleName());
    lblAnswer2 = numberBox(quiz, QStringLiteral("lblAnswer2"), quizRect(11640, 2040, 2055, 495),
                           tr("Right remainder"));

    cmdAnswer = place(new QPushButton(tr("Next Question"), quiz), QStringLiteral("cmdAnswer"),
                      quizRect(5640, 3720, 2175, 495), designFont(captionPointSize));
    // Never the window's default button, so Enter in an answer box does not
    // press it; auto-default only lets Enter press it while it has the focus.
    cmdAnswer->setDefault(false);
    cmdAnswer->setAutoDefault(true);
    m_announcer = new Announcer(client);
}

void MainWindow::createStatusBar()
{
    status1 = statusBar();
    status1->setObjectName(QStringLiteral("status1"));
    status1->setSizeGripEnabled(false);
    status1->setFixedHeight(twips(375));
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        auto *panel = new QLabel(status1);
        panel->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel->setFont(designFont(optionsPointSize));
        panel->setFixedWidth(twips(statusPanelWidth));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        status1->addWidget(panel);
        statusPanels[i] = panel;
    }
}

// Tab runs down the options panel row by row, each box after its check box,
// then through the answer boxes to the answer button.
void MainWindow::setTabOrderByRows()
{
    const std::array<QWidget *, 14> order = {
        chkOpt[0], txtMax[0], chkOpt[1], txtMax[1],     chkAllowNegative, chkOpt[2],    txtMax[2],
        chkOpt[3], txtMax[3], chkScore,  cmdResetScore, txtUserAnswer,    txtRemainder, cmdAnswer,
    };
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}
