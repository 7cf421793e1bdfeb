// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way the windows tell the user something in a modal message box,
// so that tests can record the messages instead of blocking on them.
#pragma once

#include <QString>

class QWidget;

class UserMessages
{
public:
    virtual ~UserMessages() = default;

    /// A modal warning: exclamation icon, a single OK button. Returns when
    /// the user has closed it.
    virtual void warn(QWidget *parent, const QString &text, const QString &title) = 0;
};

/// Shows real QMessageBox warnings.
class MessageBoxMessages final : public UserMessages
{
public:
    void warn(QWidget *parent, const QString &text, const QString &title) override;
};
