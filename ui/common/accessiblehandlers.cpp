// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblehandlers.h"

#include "buttonaccessible.h"
#include "lineeditaccessible.h"
#include "ui/common/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// The announcer is read as a notification: screen readers speak one as it appears.
QAccessibleInterface *announcerInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleHandlers()
{
    static const bool installed = [] {
        QAccessible::installFactory(ButtonAccessible::create);
        QAccessible::installFactory(LineEditAccessible::create);
        QAccessible::installFactory(announcerInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
