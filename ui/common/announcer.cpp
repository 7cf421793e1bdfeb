// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The announcer: Qt's announcement event where there is one, else a
// notification that appears.
#include "ui/common/announcer.h"

#include "ui/common/uimetrics.h"

#include <QAccessible>

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(visualGeometry(window, QRect(0, 0, 1, 1)));
    hide();
}

void Announcer::announce(const QString &text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, text);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    setAccessibleName(text);
    show();
#endif
}
