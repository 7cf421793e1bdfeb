// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The check of the options panel made before every new question.
#pragma once

#include "quiz/operation.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>

/// What the option panel holds at the moment of the check.
struct OptionPanelValues
{
    /// chkOpt Values: 0 unticked, 1 ticked, 2 greyed.
    std::array<int, operationCount> checkValues{};
    /// Whether each largest-number box is enabled; only enabled boxes are checked.
    std::array<bool, operationCount> boxEnabled{};
    std::array<QString, operationCount> largestTexts;
};

struct OptionCheckOutcome
{
    /// "No selections made" is to be reported: no operation is ticked.
    bool noSelection = false;
    /// Indexes of the enabled boxes whose text fails, in index order.
    QList<int> failingBoxes;

    bool valid() const { return !noSelection && failingBoxes.isEmpty(); }
};

/// The outcome of checking the panel. An enabled box fails when its text is
/// not a usable largest number (largestNumber()). No operation ticked means
/// no box holds Value 1: a greyed box (only possible from the settings file)
/// cannot be drawn, so a panel of greyed and unticked boxes is reported like
/// an empty one rather than let the question draw run for ever.
OptionCheckOutcome checkOptions(const OptionPanelValues &values,
                                const QLocale &locale = QLocale::system());

/// Titles and texts of the two messages, in the user's language.
namespace OptionMessages {
QString noSelectionTitle();
QString noSelectionText();
QString invalidEntryTitle();
QString invalidEntryText();
} // namespace OptionMessages
