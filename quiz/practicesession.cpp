// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practicesession.h"

#include "numbertext.h"

#include <QCoreApplication>

PracticeSession::PracticeSession(std::unique_ptr<RandomSource> random)
    : m_random(random ? std::move(random)
                      : std::make_unique<DefaultRandomSource>(DefaultRandomSource::timeOfDaySeed()))
{}

std::optional<Question> PracticeSession::newQuestion(const PracticeChoice &choice)
{
    std::array<bool, operationCount> enabled{};
    for (std::size_t i = 0; i < enabled.size(); ++i)
        enabled[i] = choice.largest[i].has_value();
    const std::optional<Operation> op = PickOperation(enabled, *m_random);
    if (!op)
        return std::nullopt;

    const double largest = *choice.largest[static_cast<std::size_t>(indexOf(*op))];
    const Question drawn = drawQuestion(*op, largest, m_allowNegative, *m_random);
    // The remainder of the last division is kept while other operations follow.
    const double lastRemainder = m_question.expectedRemainder;
    m_question = drawn;
    if (*op != Operation::Division)
        m_question.expectedRemainder = lastRemainder;
    m_questionOpen = true;
    return m_question;
}

AnswerProblem PracticeSession::answerProblem(const QString &answer, const QString &remainder,
                                             const QLocale &locale) const
{
    return findAnswerProblem(answer, remainder, m_question.operation == Operation::Division,
                             locale);
}

Verdict PracticeSession::checkAnswer(const QString &answer, const QString &remainder)
{
    const bool right = isRightAnswer(m_question.operation, m_question.expectedAnswer,
                                     m_question.expectedRemainder, answer, remainder);
    m_tally.count(right);
    m_questionOpen = false;
    return {right, m_question.operation, m_question.expectedAnswer, m_question.expectedRemainder};
}

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
    const QString answer = wholeNumberText(verdict.expectedAnswer);
    if (verdict.operation == Operation::Division) {
        //: %1 the right whole quotient, %2 the right remainder
        return QCoreApplication::translate("PracticeSession",
                                           "Wrong, the answer is %1 remainder %2")
            .arg(answer, wholeNumberText(verdict.expectedRemainder));
    }
    //: %1 the right answer
    return QCoreApplication::translate("PracticeSession", "Wrong, the answer is %1").arg(answer);
}
