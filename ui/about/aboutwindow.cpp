// Builds frmAbout from its design table; positions and sizes are given in twips.
#include "aboutwindow.h"

#include "appidentity.h"
#include "ui/common/appicons.h"
#include "ui/common/uimetrics.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel *AddLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(DesignFont(12, true));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void SetColours(QLabel *label, const QColor &text, const QColor &background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setFixedSize(TwipsRect(0, 0, 7500, 5445).size());
    setFont(DesignFont(9, false));
    setWindowIcon(InformationIcon());

    // Created in tab order.
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(TwipsRect(6120, 5040, 1260, 345));
    m_cmdOK->setFont(DesignFont(9, false));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipsRect(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(AppIconPixmap32());

    auto *lblTitle =
        AddLabel(this, "lblTitle", AppIdentity::Title(), TwipsRect(1050, 240, 3885, 360));
    SetColours(lblTitle, QColor(0, 0, 0), QColor());
    m_lblVersion = AddLabel(this, "lblVersion", QString(), TwipsRect(1080, 600, 3885, 345));

    auto *fraUpdates = new QGroupBox(QStringLiteral("Updates"), this);
    fraUpdates->setObjectName(QStringLiteral("fraUpdates"));
    fraUpdates->setGeometry(TwipsRect(120, 2280, 7335, 2655));
    fraUpdates->setFont(DesignFont(9.75, true));

    // Locked, not disabled: the text can be focused, scrolled and selected.
    auto *txtUpdates = new QPlainTextEdit(fraUpdates);
    txtUpdates->setObjectName(QStringLiteral("txtUpdates"));
    txtUpdates->setGeometry(TwipsRect(120, 360, 7095, 2175));
    txtUpdates->setFont(DesignFont(9, false));
    txtUpdates->setReadOnly(true);
    txtUpdates->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtUpdates->setFocusPolicy(Qt::StrongFocus);
    txtUpdates->setTabChangesFocus(true);
    txtUpdates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtUpdates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The maker's address on the blue band: plain text, not a link.
    auto *lblWebsite =
        AddLabel(this, "lblWebsite", AppIdentity::webAddress(), TwipsRect(1050, 5040, 4725, 360));
    lblWebsite->setAlignment(Qt::AlignCenter);
    SetColours(lblWebsite, QColor(255, 255, 255), QColor(0, 0, 255));

    setTabOrder(m_cmdOK, txtUpdates);

    // Centred on the screen rather than over the window that opened it.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        move(screen->availableGeometry().center() - rect().center());
    }

    Form_Load();
}

void AboutWindow::reject()
{
    m_cmdOK->click();
}

void AboutWindow::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + AppIdentity::Title());
    m_lblVersion->setText(QStringLiteral("v") + AppIdentity::VersionText());
    m_cmdOK->setFocus();
}

void AboutWindow::cmdOK_Click()
{
    accept();
}

void ShowAboutWindow(QWidget *parent)
{
    // A new window for every opening, so nothing of the last one carries over.
    AboutWindow window(parent);
    window.exec();
}
