// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Judging a typed answer, and the checks a typed answer must pass before it
// is judged.
#pragma once

#include "quiz/operation.h"
#include "quiz/pupillocale.h"

#include <QLocale>
#include <QString>

/// The most characters the user can type into an answer box: the digits of
/// the largest answer, 99999 x 99999 = 9999800001.
inline constexpr int answerMaxLength = 10;

/// Why a typed answer cannot be judged yet, in the order the checks run.
enum class AnswerProblem
{
    None,
    AnswerMissing,      ///< the answer box is empty
    AnswerNotNumber,    ///< the answer box does not hold a number
    RemainderMissing,   ///< division: the remainder box is empty
    RemainderNotNumber, ///< division: the remainder box does not hold a number
};

/// The outcome of judging an answer.
struct Verdict
{
    bool right = false;
    Operation operation = Operation::Addition;
    double expectedAnswer = 0;
    double expectedRemainder = 0; ///< meaningful for a division only

    bool operator==(const Verdict &) const = default;
};

/// Checks the typed texts in order: the answer, then (for a division) the
/// remainder; the first failure is returned. A text of blanks only is not
/// empty, so it fails the number check.
AnswerProblem findAnswerProblem(const QString &answer, const QString &remainder, bool isDivision,
                                const QLocale &locale = PupilLocale::current().locale());

/// The message shown for a problem: "You must supply an answer" or
/// "You must enter a valid number". Empty for AnswerProblem::None.
QString answerProblemMessage(AnswerProblem problem);

/// Whether the answer is right: the value of each typed text (the whole text
/// as @p locale writes numbers, else its LeadingNumber) equals the expected
/// value exactly, with no tolerance, so an answer with a
/// fractional part is never right. For a division the remainder must match
/// too; for the other operations it is not read.
bool isRightAnswer(Operation op, double expectedAnswer, double expectedRemainder,
                   const QString &answer, const QString &remainder,
                   const QLocale &locale = PupilLocale::current().locale());
