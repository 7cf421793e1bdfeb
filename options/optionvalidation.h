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

/// The smallest and largest allowed largest number.
inline constexpr double smallestLargestNumber = 1;
inline constexpr double biggestLargestNumber = 99999;

/// A largest-number text passes when the whole text is a number and its
/// leading number lies from 1 to 99999 inclusive (2.5 and " 7" pass; 12a,
/// 0 and the empty text fail).
bool IsValidLargestNumber(const QString &text, const QLocale &locale = QLocale::system());

/// The outcome of checking the panel. No operation ticked means no box
/// holds Value 1: a greyed box (only possible from the settings file) cannot
/// be drawn, so a panel of greyed and unticked boxes is reported like an
/// empty one rather than let the question draw run for ever.
OptionCheckOutcome CheckOptions(const OptionPanelValues &values,
                                const QLocale &locale = QLocale::system());

/// Titles and texts of the two messages.
namespace OptionMessages {
inline const QString noSelectionTitle = QStringLiteral("No selections made");
inline const QString noSelectionText =
    QStringLiteral("You must select at least 1 option to perform");
inline const QString invalidEntryTitle = QStringLiteral("Invalid Entry");
inline const QString invalidEntryText =
    QStringLiteral("You must enter a valid number in the range 1-99999");
} // namespace OptionMessages
