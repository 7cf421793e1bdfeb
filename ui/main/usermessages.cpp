#include "usermessages.h"

#include <QMessageBox>

void MessageBoxMessages::Warn(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}
