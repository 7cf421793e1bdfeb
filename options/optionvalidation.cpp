// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optionvalidation.h"

#include "quiz/questiongenerator.h"

#include <QCoreApplication>

OptionCheckOutcome checkOptions(const OptionPanelValues &values, const QLocale &locale)
{
    OptionCheckOutcome outcome;
    bool anyTicked = false;
    for (int value : values.checkValues)
        anyTicked = anyTicked || value == 1;
    outcome.noSelection = !anyTicked;

    for (int i = 0; i < operationCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (values.boxEnabled[index] && !largestNumber(values.largestTexts[index], locale))
            outcome.failingBoxes.append(i);
    }
    return outcome;
}

namespace OptionMessages {

QString noSelectionTitle()
{
    return QCoreApplication::translate("OptionMessages", "No selections made");
}

QString noSelectionText()
{
    return QCoreApplication::translate("OptionMessages",
                                       "You must select at least 1 option to perform");
}

QString invalidEntryTitle()
{
    return QCoreApplication::translate("OptionMessages", "Invalid Entry");
}

QString invalidEntryText()
{
    return QCoreApplication::translate("OptionMessages",
                                       "You must enter a valid number in the range 1-99999");
}

} // namespace OptionMessages
