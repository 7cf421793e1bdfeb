// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/optionmessages.h"

#include "quiz/pupillocale.h"

#include <QCoreApplication>

namespace OptionMessages {

QString noSelectionTitle()
{
    return QCoreApplication::translate("OptionMessages", "No selections made");
}

QString noSelectionText()
{
    return PupilLocale::current().withDigits(QCoreApplication::translate(
        "OptionMessages", "You must select at least 1 option to perform"));
}

QString invalidEntryTitle()
{
    return QCoreApplication::translate("OptionMessages", "Invalid Entry");
}

QString invalidEntryText()
{
    return PupilLocale::current().withDigits(QCoreApplication::translate(
        "OptionMessages", "You must enter a valid number in the range 1-99999"));
}

} // namespace OptionMessages
