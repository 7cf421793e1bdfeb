// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/answercheck.h"

#include "quiz/numbertext.h"

#include <QCoreApplication>

AnswerProblem findAnswerProblem(const QString &answer, const QString &remainder, bool isDivision,
                                const QLocale &locale)
{
    if (answer.isEmpty())
        return AnswerProblem::AnswerMissing;
    if (!IsNumber(answer, locale))
        return AnswerProblem::AnswerNotNumber;
    if (isDivision) {
        if (remainder.isEmpty())
            return AnswerProblem::RemainderMissing;
        if (!IsNumber(remainder, locale))
            return AnswerProblem::RemainderNotNumber;
    }
    return AnswerProblem::None;
}

QString answerProblemMessage(AnswerProblem problem)
{
    switch (problem) {
    case AnswerProblem::AnswerMissing:
    case AnswerProblem::RemainderMissing:
        return QCoreApplication::translate("AnswerCheck", "You must supply an answer");
    case AnswerProblem::AnswerNotNumber:
    case AnswerProblem::RemainderNotNumber:
        return QCoreApplication::translate("AnswerCheck", "You must enter a valid number");
    case AnswerProblem::None:
        break;
    }
    return {};
}

namespace {

double judgedValue(const QString &typed, const QLocale &locale)
{
    // The leading number alone would judge "11,5" right for 11 under a
    // decimal comma, reading only the 11 before the comma.
    return numberValue(typed, locale).value_or(LeadingNumber(typed));
}

} // namespace

bool isRightAnswer(Operation op, double expectedAnswer, double expectedRemainder,
                   const QString &answer, const QString &remainder, const QLocale &locale)
{
    // Exact comparison on purpose: the right values are whole numbers, so
    // 2.5 is wrong for 5 / 2 while 12.0 is right for 12.
    if (judgedValue(answer, locale) != expectedAnswer)
        return false;
    if (op == Operation::Division)
        return judgedValue(remainder, locale) == expectedRemainder;
    return true;
}
