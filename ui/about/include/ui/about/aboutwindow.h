// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmAbout: the modal About box with the program's title, version and web address.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    /// Escape and the close box press OK, the window's cancel button.
    void reject() override;

private:
    void Form_Load();
    void cmdOK_Click();

    // Controls. Tests know them by these names.
    QPushButton *cmdOK = nullptr;
    QLabel *lblVersion = nullptr;
};

/// Loads a new About window and shows it modally; returns once it is closed and gone.
void showAboutWindow(QWidget *parent);
