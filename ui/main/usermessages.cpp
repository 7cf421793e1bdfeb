// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/usermessages.h"

#include <QMessageBox>

void MessageBoxMessages::warn(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The Orca that ships beside Qt 6.8 (48) reads an alert's description in
    // place of its labels, and no label of fewer than three words, so a short
    // message ("اكتب الإجابة") would go unheard. The Orca beside older Qt (43)
    // reads the labels, whatever their length, and the description after
    // them: there the text would be heard twice.
    box.setAccessibleDescription(text);
#endif
    box.exec();
}
