// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window, placed as designed.
#include "appidentity.h"
#include "buttonaccessible.h"
#include "limitedlineedit.h"
#include "mainwindow.h"
#include "quiz/answercheck.h"
#include "quiz/operation.h"
#include "twostatecheckbox.h"
#include "ui/common/announcer.h"
#include "ui/common/appicons.h"
#include "ui/common/uimetrics.h"

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

QLabel *signLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    auto *label = place(new QLabel(caption, parent), name, at, designFont(signPointSize));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A white bordered label that looks like a read-only field. Its single
// black border shows on all four sides, on any window colour; its text is
// black on white whatever the desktop theme. A screen reader reads its
// number as the name and @p role ("First number") as the description.
QLabel *numberBox(QWidget *parent, const QString &name, const QRect &at, const QString &role)
{
    auto *label = place(new QLabel(parent), name, at, designFont(numberPointSize));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAccessibleDescription(role);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

LimitedLineEdit *answerBox(QWidget *parent, const QString &name, const QRect &at)
{
    auto *box = place(new LimitedLineEdit(parent), name, at, designFont(numberPointSize));
    box->setAlignment(Qt::AlignCenter);
    box->setUserMaxLength(answerMaxLength);
    return box;
}

} // namespace

void MainWindow::createControls()
{
    ButtonAccessible::install();
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

    createOptionsFrame();
    createQuizArea();

    auto *line1 = new QFrame(client);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::VLine);
    line1->setFrameShadow(QFrame::Sunken);
    line1->setGeometry(twips(5040) - 1, 0, 3, twips(5040));

    createStatusBar();
    setDesignedTabOrder();

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
    struct Row
    {
        int top;
        int labelTop;
        int checkWidth;
    };
    constexpr std::array<Row, 4> rows = {{
        {600, 640, 1335},
        {1080, 1120, 1455},
        {2040, 2100, 1695},
        {2520, 2560, 1455},
    }};
    for (int i = 0; i < operationCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const Operation op = allOperations[at];
        const QString index = QString::number(i);
        chkOpt[at] = place(new TwoStateCheckBox(operationName(op), fraOptions),
                           QStringLiteral("chkOpt") + index,
                           twipsRect(240, rows[at].top, rows[at].checkWidth, 375), font);
        chkOpt[at]->setAccessibleName(operationName(op));
        lblMax[at] = place(new QLabel(tr("Max No."), fraOptions), QStringLiteral("lblMax") + index,
                           twipsRect(2040, rows[at].labelTop, 855, 255), font);
        // A pixel wider than the classic 615 twips, so that 99999 shows whole
        // in Liberation Sans.
        txtMax[at] = place(new LimitedLineEdit(fraOptions), QStringLiteral("txtMax") + index,
                           twipsRect(3000, rows[at].top, 630, 285), font);
        txtMax[at]->setToolTip(tr("1 to 99999"));
        txtMax[at]->setAccessibleName(tr("Largest number for %1").arg(operationName(op)));
    }

    chkAllowNegative =
        place(new TwoStateCheckBox(tr("Allow negative answers"), fraOptions),
              QStringLiteral("chkAllowNegative"), twipsRect(2040, 1440, 2415, 375), font);
    chkAllowNegative->setAccessibleName(chkAllowNegative->text().remove(QLatin1Char('&')));
    chkScore = place(new TwoStateCheckBox(tr("Show progressive score"), fraOptions),
                     QStringLiteral("chkScore"), twipsRect(240, 3360, 2775, 375), font);
    chkScore->setAccessibleName(chkScore->text().remove(QLatin1Char('&')));
    cmdResetScore = place(new QPushButton(tr("Reset Score"), fraOptions),
                          QStringLiteral("cmdResetScore"), twipsRect(3000, 3360, 1335, 375), font);
    cmdResetScore->setAutoDefault(true);
}

void MainWindow::createQuizArea()
{
    QWidget *client = centralWidget();
    // The operand boxes are two pixels wider than the classic 1095 twips, so
    // that a five-digit operand in Liberation Sans keeps clear of the border.
    lblNum1 = numberBox(client, QStringLiteral("lblNum1"), twipsRect(5280, 720, 1125, 495),
                        tr("First number"));
    // The sign's name is the spoken word ("plus"), set with each question.
    lblSign = signLabel(client, QStringLiteral("lblSign"), QStringLiteral("+"),
                        twipsRect(6480, 720, 495, 495));
    lblSign->setAccessibleDescription(tr("Operation"));
    lblNum2 = numberBox(client, QStringLiteral("lblNum2"), twipsRect(7080, 720, 1125, 495),
                        tr("Second number"));
    signLabel(client, QStringLiteral("lblEquals"), QStringLiteral("="),
              twipsRect(8280, 720, 495, 495))
        ->setAccessibleName(tr("equals"));
    txtUserAnswer =
        answerBox(client, QStringLiteral("txtUserAnswer"), twipsRect(8880, 720, 2175, 495));
    txtUserAnswer->setAccessibleName(tr("Answer"));
    lblRemainder = signLabel(client, QStringLiteral("lblRemainder"), QStringLiteral("@"),
                             twipsRect(11040, 720, 495, 495));
    lblRemainder->setAccessibleName(tr("remainder"));
    txtRemainder =
        answerBox(client, QStringLiteral("txtRemainder"), twipsRect(11640, 720, 2055, 495));
    txtRemainder->setToolTip(tr("Enter the remainder"));
    txtRemainder->setAccessibleName(tr("Remainder"));

    picAns = place(new QLabel(client), QStringLiteral("picAns"), twipsRect(7080, 1560, 1575, 1575),
                   font());
    picAns->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picAns->setAccessibleName(tr("Verdict"));
    // The designed picture: 12 x 12 pixels of flat light grey.
    QPixmap blank(12, 12);
    blank.fill(QColor(224, 224, 224));
    picAns->setPixmap(blank);
    picAns->setAccessibleDescription(tr("No answer judged yet"));

    lblAnswer1 = numberBox(client, QStringLiteral("lblAnswer1"), twipsRect(8880, 2040, 2175, 495),
                           tr("Right answer", "the box showing it after a wrong one"));
    lblAnsAnd = signLabel(client, QStringLiteral("lblAnsAnd"), QStringLiteral("@"),
                          twipsRect(11040, 2040, 495, 495));
    lblAnsAnd->setAccessibleName(lblRemainder->accessibleName());
    lblAnswer2 = numberBox(client, QStringLiteral("lblAnswer2"), twipsRect(11640, 2040, 2055, 495),
                           tr("Right remainder"));

    cmdAnswer = place(new QPushButton(tr("Next Question"), client), QStringLiteral("cmdAnswer"),
                      twipsRect(5640, 3720, 2175, 495), designFont(captionPointSize));
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
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(status1);
        panel->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel->setFont(designFont(optionsPointSize));
        panel->setFixedWidth(twips(2500));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        status1->addWidget(panel);
        statusPanels[static_cast<std::size_t>(i)] = panel;
    }
}

void MainWindow::setDesignedTabOrder()
{
    const std::array<QWidget *, 14> order = {
        chkOpt[0], txtMax[0], chkOpt[1], txtMax[1],     chkAllowNegative, chkOpt[2],    txtMax[2],
        chkOpt[3], txtMax[3], chkScore,  cmdResetScore, txtUserAnswer,    txtRemainder, cmdAnswer,
    };
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}
