// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds frmAbout and its controls; positions and sizes are given in twips,
// as a left-to-right window has them, and mirrored when it reads right to left.
#include "ui/about/aboutwindow.h"

#include "foundation/appidentity.h"
#include "ui/common/appicons.h"
#include "ui/common/uimetrics.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr double textPointSize = 9;
constexpr double framePointSize = 9.75;
constexpr double labelPointSize = 12;

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label =
        place(new QLabel(text, parent), name, geometry, designFontFor(labelPointSize, text, true));
    label->setTextFormat(Qt::PlainText);
    // At the icon's side whatever the text's own direction: a Latin name
    // keeps to the right in a window that reads right to left.
    label->setAlignment(QStyle::visualAlignment(parent->layoutDirection(), Qt::AlignLeft) |
                        Qt::AlignAbsolute | Qt::AlignVCenter);
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setFixedSize(twipsRect(0, 0, 7500, 5445).size());
    const QFont textFont = designFont(textPointSize);
    setFont(textFont);
    setWindowIcon(informationIcon());

    // Created in tab order.
    cmdOK = place(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"),
                  twipsRect(6120, 5040, 1260, 345), textFont);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    auto *picIcon =
        place(new QLabel(this), QStringLiteral("picIcon"), twipsRect(240, 240, 540, 540), textFont);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(appIconPixmap32());

    auto *lblTitle = addLabel(this, QStringLiteral("lblTitle"), AppIdentity::title(),
                              twipsRect(1050, 240, 3885, 360));
    // Black on the window's own colour; under a dark desktop
    // theme, where black would not read, the theme's text colour instead.
    const QColor black(0, 0, 0);
    const QColor background = palette().color(QPalette::Window);
    setFixedColours(lblTitle, contrastRatio(black, background) >= readableContrast
                                  ? black
                                  : palette().color(QPalette::WindowText));
    lblVersion =
        addLabel(this, QStringLiteral("lblVersion"), QString(), twipsRect(1080, 600, 3885, 345));

    auto *fraUpdates = place(new QGroupBox(tr("Updates"), this), QStringLiteral("fraUpdates"),
                             twipsRect(120, 2280, 7335, 2655), designFont(framePointSize, true));

    // Locked, not disabled: the text can be focused, scrolled and selected.
    auto *txtUpdates = place(new QPlainTextEdit(fraUpdates), QStringLiteral("txtUpdates"),
                             twipsRect(120, 360, 7095, 2175), textFont);
    txtUpdates->setReadOnly(true);
    txtUpdates->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtUpdates->setFocusPolicy(Qt::StrongFocus);
    txtUpdates->setTabChangesFocus(true);
    txtUpdates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtUpdates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The maker's address on the blue band: plain text, not a link.
    auto *lblWebsite = addLabel(this, QStringLiteral("lblWebsite"), AppIdentity::webAddress(),
                                twipsRect(1050, 5040, 4725, 360));
    lblWebsite->setAlignment(Qt::AlignCenter);
    setFixedColours(lblWebsite, Qt::white, Qt::blue);

    setTabOrder(cmdOK, txtUpdates);

    // Centred on the screen rather than over the window that opened it.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        move(screen->availableGeometry().center() - rect().center());
    }

    Form_Load();
}

void AboutWindow::reject()
{
    cmdOK->click();
}

void AboutWindow::Form_Load()
{
    setWindowTitle(tr("About %1").arg(AppIdentity::title()));
    lblVersion->setText(tr("v%1").arg(AppIdentity::versionText()));
    cmdOK->setFocus();
}

void AboutWindow::cmdOK_Click()
{
    accept();
}

void showAboutWindow(QWidget *parent)
{
    // A new window for every opening, so nothing of the last one carries over.
    AboutWindow window(parent);
    window.exec();
}
