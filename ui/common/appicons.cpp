// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icons come from the "icons" resource built from assets/icons.
#include "ui/common/appicons.h"

#include <QImageReader>

QIcon appIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tallyfox-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/tallyfox-32.png"), QSize(32, 32));
    // The drawing gives sharp larger sizes only where an SVG reader is installed;
    // the program does not depend on one, and the two bitmaps serve without it.
    if (QImageReader::supportedImageFormats().contains("svg")) {
        icon.addFile(QStringLiteral(":/icons/tallyfox.svg"));
    }
    return icon;
}

QIcon informationIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/information-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/information-32.png"), QSize(32, 32));
    return icon;
}

QPixmap appIconPixmap32()
{
    return QPixmap(QStringLiteral(":/icons/tallyfox-32.png"));
}
