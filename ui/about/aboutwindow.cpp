// Builds frmAbout from its design table; positions and sizes are given in twips.
#include "aboutwindow.h"

#include "appicons.h"
#include "appidentity.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// The maker's address on the blue band: plain text, not a link.
const char website[] = "www.tallyfox-learning.example.org";

// 15 twips make a pixel at 96 dots per inch.
QRect FromTwips(int left, int top, int width, int height)
{
    const auto px = [](int twips) {
        return qRound(twips / 15.0);
    };
    return QRect(px(left), px(top), px(width), px(height));
}

// Every attribute is set, so that nothing is inherited from the container:
// the frame's bold caption font must not reach the text box inside it.
QFont AboutFont(qreal points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QLabel *AddLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(AboutFont(12, true));
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
    setFixedSize(FromTwips(0, 0, 7500, 5445).size());
    setFont(AboutFont(9, false));
    setWindowIcon(InformationIcon());

    // Created in tab order.
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(FromTwips(6120, 5040, 1260, 345));
    m_cmdOK->setFont(AboutFont(9, false));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(FromTwips(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(AppIconPixmap32());

    auto *lblTitle =
        AddLabel(this, "lblTitle", AppIdentity::Title(), FromTwips(1050, 240, 3885, 360));
    SetColours(lblTitle, QColor(0, 0, 0), QColor());
    m_lblVersion = AddLabel(this, "lblVersion", QString(), FromTwips(1080, 600, 3885, 345));

    auto *fraUpdates = new QGroupBox(QStringLiteral("Updates"), this);
    fraUpdates->setObjectName(QStringLiteral("fraUpdates"));
    fraUpdates->setGeometry(FromTwips(120, 2280, 7335, 2655));
    fraUpdates->setFont(AboutFont(9.75, true));

    // Locked, not disabled: the text can be focused, scrolled and selected.
    auto *txtUpdates = new QPlainTextEdit(fraUpdates);
    txtUpdates->setObjectName(QStringLiteral("txtUpdates"));
    txtUpdates->setGeometry(FromTwips(120, 360, 7095, 2175));
    txtUpdates->setFont(AboutFont(9, false));
    txtUpdates->setReadOnly(true);
    txtUpdates->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtUpdates->setFocusPolicy(Qt::StrongFocus);
    txtUpdates->setTabChangesFocus(true);
    txtUpdates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtUpdates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *lblWebsite =
        AddLabel(this, "lblWebsite", QLatin1String(website), FromTwips(1050, 5040, 4725, 360));
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
