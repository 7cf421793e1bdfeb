// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds frmAbout and its controls; positions and sizes are given in twips,
// as a left-to-right window has them, and mirrored when it reads right to left.
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
#include <QStyle>

namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label =
        place(new QLabel(text, parent), QLatin1String(name), geometry, designFont(12, true));
    label->setTextFormat(Qt::PlainText);
    // At the icon's side whatever the text's own direction: a Latin name
    // keeps to the right in a window that reads right to left.
    label->setAlignment(QStyle::visualAlignment(parent->layoutDirection(), Qt::AlignLeft) |
                        Qt::AlignAbsolute | Qt::AlignVCenter);
    return label;
}

void setColours(QLabel *label, const QColor &text, const QColor &background)
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
    setFixedSize(twipsRect(0, 0, 7500, 5445).size());
    setFont(designFont(9, false));
    setWindowIcon(informationIcon());

    // Created in tab order.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(visualGeometry(cmdOK->parentWidget(), twipsRect(6120, 5040, 1260, 345)));
    cmdOK->setFont(designFont(9, false));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(visualGeometry(picIcon->parentWidget(), twipsRect(240, 240, 540, 540)));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(appIconPixmap32());

    auto *lblTitle =
        addLabel(this, "lblTitle", AppIdentity::title(), twipsRect(1050, 240, 3885, 360));
    // Black on the window's own colour; under a dark desktop
    // theme, where black would not read, the theme's text colour instead.
    const QColor black(0, 0, 0);
    const QColor background = palette().color(QPalette::Window);
    setColours(lblTitle,
               contrastRatio(black, background) >= readableContrast
                   ? black
                   : palette().color(QPalette::WindowText),
               QColor());
    lblVersion = addLabel(this, "lblVersion", QString(), twipsRect(1080, 600, 3885, 345));

    auto *fraUpdates = new QGroupBox(tr("Updates"), this);
    fraUpdates->setObjectName(QStringLiteral("fraUpdates"));
    fraUpdates->setGeometry(
        visualGeometry(fraUpdates->parentWidget(), twipsRect(120, 2280, 7335, 2655)));
    fraUpdates->setFont(designFont(9.75, true));

    // Locked, not disabled: the text can be focused, scrolled and selected.
    auto *txtUpdates = new QPlainTextEdit(fraUpdates);
    txtUpdates->setObjectName(QStringLiteral("txtUpdates"));
    txtUpdates->setGeometry(
        visualGeometry(txtUpdates->parentWidget(), twipsRect(120, 360, 7095, 2175)));
    txtUpdates->setFont(designFont(9, false));
    txtUpdates->setReadOnly(true);
    txtUpdates->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtUpdates->setFocusPolicy(Qt::StrongFocus);
    txtUpdates->setTabChangesFocus(true);
    txtUpdates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtUpdates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The maker's address on the blue band: plain text, not a link.
    auto *lblWebsite =
        addLabel(this, "lblWebsite", AppIdentity::webAddress(), twipsRect(1050, 5040, 4725, 360));
    lblWebsite->setAlignment(Qt::AlignCenter);
    setColours(lblWebsite, QColor(255, 255, 255), QColor(0, 0, 255));

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
