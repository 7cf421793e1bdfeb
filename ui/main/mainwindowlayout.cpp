// The controls of the main window, placed as designed.
#include "appidentity.h"
#include "limitedlineedit.h"
#include "mainwindow.h"
#include "quiz/operation.h"
#include "twostatecheckbox.h"
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

template <typename Widget>
Widget *Place(Widget *widget, const QString &name, const QRect &geometry, const QFont &font)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    widget->setFont(font);
    return widget;
}

QLabel *SignLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    auto *label = Place(new QLabel(caption, parent), name, at, DesignFont(signPointSize));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A white bordered label that looks like a read-only field.
QLabel *NumberBox(QWidget *parent, const QString &name, const QRect &at)
{
    auto *label = Place(new QLabel(parent), name, at, DesignFont(numberPointSize));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

LimitedLineEdit *AnswerBox(QWidget *parent, const QString &name, const QRect &at)
{
    auto *box = Place(new LimitedLineEdit(parent), name, at, DesignFont(numberPointSize));
    box->setAlignment(Qt::AlignCenter);
    box->setUserMaxLength(10);
    return box;
}

} // namespace

void MainWindow::CreateControls()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppIdentity::Title());
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    itmAbout = menuBar()->addAction(QStringLiteral("&About"));
    itmAbout->setObjectName(QStringLiteral("itmAbout"));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    CreateOptionsFrame();
    CreateQuizArea();

    auto *line = new QFrame(client);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Twips(5040) - 1, 0, 3, Twips(5040));
    Line1 = line;

    CreateStatusBar();
    SetTabOrder();

    // The client area is fixed at 13785 x 5355 twips below the menu bar,
    // status bar included; hiding the bar leaves its strip empty.
    setFixedSize(Twips(13785), menuBar()->sizeHint().height() + Twips(5355));
}

void MainWindow::CreateOptionsFrame()
{
    fraOptions = Place(new QGroupBox(QStringLiteral("Select Options"), centralWidget()),
                       QStringLiteral("fraOptions"), TwipsRect(120, 120, 4695, 4815),
                       DesignFont(captionPointSize));

    const QFont font = DesignFont(optionsPointSize);
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
        chkOpt[at] = Place(new TwoStateCheckBox(OperationName(op), fraOptions),
                           QStringLiteral("chkOpt") + index,
                           TwipsRect(240, rows[at].top, rows[at].checkWidth, 375), font);
        chkOpt[at]->setAccessibleName(OperationName(op));
        lblMax[at] = Place(new QLabel(QStringLiteral("Max No."), fraOptions),
                           QStringLiteral("lblMax") + index,
                           TwipsRect(2040, rows[at].labelTop, 855, 255), font);
        txtMax[at] = Place(new LimitedLineEdit(fraOptions), QStringLiteral("txtMax") + index,
                           TwipsRect(3000, rows[at].top, 615, 285), font);
        txtMax[at]->setToolTip(QStringLiteral("1 to 99999"));
        txtMax[at]->setAccessibleName(QStringLiteral("Largest number for ") + OperationName(op));
        lblMax[at]->setBuddy(txtMax[at]);
    }

    chkAllowNegative =
        Place(new TwoStateCheckBox(QStringLiteral("Allow negative answers"), fraOptions),
              QStringLiteral("chkAllowNegative"), TwipsRect(2040, 1440, 2415, 375), font);
    chkAllowNegative->setAccessibleName(QStringLiteral("Allow negative answers"));
    chkScore = Place(new TwoStateCheckBox(QStringLiteral("Show progressive score"), fraOptions),
                     QStringLiteral("chkScore"), TwipsRect(240, 3360, 2775, 375), font);
    chkScore->setAccessibleName(QStringLiteral("Show progressive score"));
    cmdResetScore = Place(new QPushButton(QStringLiteral("Reset Score"), fraOptions),
                          QStringLiteral("cmdResetScore"), TwipsRect(3000, 3360, 1335, 375), font);
    cmdResetScore->setAutoDefault(true);
}

void MainWindow::CreateQuizArea()
{
    QWidget *client = centralWidget();
    lblNum1 = NumberBox(client, QStringLiteral("lblNum1"), TwipsRect(5280, 720, 1095, 495));
    lblNum1->setAccessibleName(QStringLiteral("First number"));
    lblSign = SignLabel(client, QStringLiteral("lblSign"), QStringLiteral("+"),
                        TwipsRect(6480, 720, 495, 495));
    lblSign->setAccessibleName(QStringLiteral("Operation"));
    lblNum2 = NumberBox(client, QStringLiteral("lblNum2"), TwipsRect(7080, 720, 1095, 495));
    lblNum2->setAccessibleName(QStringLiteral("Second number"));
    lblEquals = SignLabel(client, QStringLiteral("lblEquals"), QStringLiteral("="),
                          TwipsRect(8280, 720, 495, 495));
    txtUserAnswer =
        AnswerBox(client, QStringLiteral("txtUserAnswer"), TwipsRect(8880, 720, 2175, 495));
    txtUserAnswer->setAccessibleName(QStringLiteral("Answer"));
    lblRemainder = SignLabel(client, QStringLiteral("lblRemainder"), QStringLiteral("@"),
                             TwipsRect(11040, 720, 495, 495));
    lblRemainder->setAccessibleName(QStringLiteral("remainder"));
    txtRemainder =
        AnswerBox(client, QStringLiteral("txtRemainder"), TwipsRect(11640, 720, 2055, 495));
    txtRemainder->setToolTip(QStringLiteral("Enter the remainder"));
    txtRemainder->setAccessibleName(QStringLiteral("Remainder"));

    picAns = Place(new QLabel(client), QStringLiteral("picAns"), TwipsRect(7080, 1560, 1575, 1575),
                   font());
    picAns->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picAns->setAccessibleName(QStringLiteral("Verdict"));
    // The designed picture: 12 x 12 pixels of flat light grey.
    QPixmap blank(12, 12);
    blank.fill(QColor(224, 224, 224));
    picAns->setPixmap(blank);
    picAns->setAccessibleDescription(QStringLiteral("No answer judged yet"));

    lblAnswer1 = NumberBox(client, QStringLiteral("lblAnswer1"), TwipsRect(8880, 2040, 2175, 495));
    lblAnswer1->setAccessibleName(QStringLiteral("Right answer"));
    lblAnsAnd = SignLabel(client, QStringLiteral("lblAnsAnd"), QStringLiteral("@"),
                          TwipsRect(11040, 2040, 495, 495));
    lblAnswer2 = NumberBox(client, QStringLiteral("lblAnswer2"), TwipsRect(11640, 2040, 2055, 495));
    lblAnswer2->setAccessibleName(QStringLiteral("Right remainder"));

    cmdAnswer =
        Place(new QPushButton(QStringLiteral("Next Question"), client), QStringLiteral("cmdAnswer"),
              TwipsRect(5640, 3720, 2175, 495), DesignFont(captionPointSize));
    // Never the window's default button, so Enter in an answer box does not
    // press it; auto-default only lets Enter press it while it has the focus.
    cmdAnswer->setDefault(false);
    cmdAnswer->setAutoDefault(true);
}

void MainWindow::CreateStatusBar()
{
    status1 = statusBar();
    status1->setObjectName(QStringLiteral("status1"));
    status1->setSizeGripEnabled(false);
    status1->setFixedHeight(Twips(375));
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(status1);
        panel->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel->setFont(DesignFont(optionsPointSize));
        panel->setFixedWidth(Twips(2500));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        status1->addWidget(panel);
        statusPanels[static_cast<std::size_t>(i)] = panel;
    }
}

void MainWindow::SetTabOrder()
{
    const std::array<QWidget *, 14> order = {
        chkOpt[0], txtMax[0], chkOpt[1], txtMax[1],     chkAllowNegative, chkOpt[2],    txtMax[2],
        chkOpt[3], txtMax[3], chkScore,  cmdResetScore, txtUserAnswer,    txtRemainder, cmdAnswer,
    };
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}
