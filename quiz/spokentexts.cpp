// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/spokentexts.h"

#include "quiz/numbertext.h"

#include <QCoreApplication>

namespace {

// A number as a screen reader is to say it. Several voices pass over a minus
// sign, and would say -4 as 4, so a negative number is said with a word.
QString spokenNumber(double value)
{
    if (value >= 0)
        return wholeNumberText(value);
    //: A negative number as a screen reader says it: %1 the number without its
    //: sign ("minus 4"); the word your schools say for a number below zero
    return QCoreApplication::translate("PracticeSession", "minus %1").arg(wholeNumberText(-value));
}

} // namespace

QString spokenQuestion(const Question &question)
{
    const QString first = wholeNumberText(question.first);
    const QString second = wholeNumberText(question.second);
    const QString word = operationWord(question.operation);
    if (question.operation == Operation::Division) {
        //: %1 the first number, %2 the spoken operation ("divided by"), %3 the second number
        return QCoreApplication::translate("PracticeSession", "%1 %2 %3, answer and remainder")
            .arg(first, word, second);
    }
    //: %1 the first number, %2 the spoken operation ("plus"), %3 the second number
    return QCoreApplication::translate("PracticeSession", "%1 %2 %3").arg(first, word, second);
}

QString spokenRemainderQuestion(const Question &question)
{
    //: %1 the first number, %2 the spoken operation ("divided by"), %3 the second number
    return QCoreApplication::translate("PracticeSession", "remainder of %1 %2 %3")
        .arg(wholeNumberText(question.first), operationWord(question.operation),
             wholeNumberText(question.second));
}

QString spokenVerdict(const Verdict &verdict)
{
    if (verdict.right)
        return QCoreApplication::translate("PracticeSession", "Right");
    const QString answer = spokenNumber(verdict.expectedAnswer);
    if (verdict.operation == Operation::Division) {
        //: %1 the right whole quotient, %2 the right remainder
        return QCoreApplication::translate("PracticeSession",
                                           "Wrong, the answer is %1 remainder %2")
            .arg(answer, wholeNumberText(verdict.expectedRemainder));
    }
    //: %1 the right answer
    return QCoreApplication::translate("PracticeSession", "Wrong, the answer is %1").arg(answer);
}
