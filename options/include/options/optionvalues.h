// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options panel as plain values: the ten options, the rules that tie its
// controls together, the check made before every new question, and the
// mapping to and from the saved keys. The main window reads its controls
// into an OptionValues and writes back what it says.
#pragma once

#include "options/optionkeys.h"
#include "options/settingsstore.h"
#include "quiz/practicesession.h"
#include "quiz/pupillocale.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

/// A check box's Value, saved as its number. A click only moves between
/// Unticked and Ticked; Greyed can come only from the settings file.
enum class CheckValue : std::uint8_t
{
    Unticked = 0,
    Ticked = 1,
    Greyed = 2,
};

/// The bounds of a largest number, both allowed.
inline constexpr double smallestLargestNumber = 1;
inline constexpr double biggestLargestNumber = 99999;

/// The most characters the user can type into a largest-number box: the
/// digits of the biggest largest number.
inline constexpr int largestNumberMaxLength = 5;

/// The outcome of the check made before a new question.
struct OptionCheck
{
    /// "No selections made" is to be reported: no operation is ticked.
    bool noSelection = false;
    /// The ticked operations whose largest number is not usable, in order.
    QList<Operation> failingBoxes;
    /// What the question is drawn from, when nothing is to be reported.
    std::optional<PracticeChoice> choice;

    bool operator==(const OptionCheck &) const = default;
};

struct OptionValues
{
    std::array<CheckValue, operationCount> chkOpt{}; ///< each operation's box
    CheckValue chkAllowNegative = CheckValue::Unticked;
    CheckValue chkScore = CheckValue::Unticked;
    std::array<QString, operationCount> txtMax; ///< the largest numbers as typed

    /// An operation is practised, and its largest-number box usable, only
    /// while its box is ticked: a greyed box does not count.
    bool ticked(Operation op) const;

    /// "Allow negative answers" is usable while Subtraction is ticked.
    bool allowNegativeEnabled() const { return ticked(Operation::Subtraction); }

    /// A subtraction may come out below zero.
    bool allowNegative() const { return chkAllowNegative == CheckValue::Ticked; }

    /// The status bar and "Reset Score" are shown unless the box is unticked;
    /// a greyed box shows them.
    bool scoreShown() const { return chkScore != CheckValue::Unticked; }

    /// The check before a new question: no operation ticked is reported, and
    /// so is each ticked operation whose text is not a usable largest number
    /// (largestNumber()). A panel of greyed and unticked boxes is reported
    /// like an empty one, since no operation could be drawn.
    OptionCheck check(const QLocale &locale = PupilLocale::current().locale()) const;

    /// Reads the ten keys. A check-box text that is not a Value
    /// (checkValueFromText()) takes the key's default; every other key loads
    /// as stored, an empty text included, its digits shown in the pupil's.
    static OptionValues load(SettingsStore &store,
                             const PupilLocale &pupil = PupilLocale::current());

    /// Writes all ten keys, the largest numbers' digits in ASCII so that the
    /// file reads the same under any language, and commits them. False when
    /// the store could not keep them.
    bool save(SettingsStore &store, const PupilLocale &pupil = PupilLocale::current()) const;

    bool operator==(const OptionValues &) const = default;
};

/// The largest number that @p text sets, when it is usable: the whole text is
/// one number in @p locale (IsNumber), and both the number it starts with
/// (LeadingNumber) and its whole value lie from 1 to 99999. "2.5" and " 7"
/// are usable; "12a", "0" and the empty text are not, and neither is
/// "9,9e9" in a decimal-comma locale, which starts with 9 but stands for
/// 9.9 billion.
std::optional<double> largestNumber(const QString &text,
                                    const QLocale &locale = PupilLocale::current().locale());

/// The check-box Value a stored text stands for: the text read as one number
/// in @p locale, blanks around it allowed, rounded to the nearest whole
/// number with ties to even. Only 0, 1 and 2 can be put into a box; any
/// other text gives nothing.
std::optional<CheckValue>
checkValueFromText(const QString &text, const QLocale &locale = PupilLocale::current().locale());

/// The text a Value is saved as: "0", "1" or "2".
QString checkValueText(CheckValue value);
