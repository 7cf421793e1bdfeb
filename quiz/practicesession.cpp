// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/practicesession.h"

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

    const double largest = *choice.largest[indexOf(*op)];
    m_question = drawQuestion(*op, largest, m_allowNegative, *m_random);
    m_questionOpen = true;
    return m_question;
}

AnswerOutcome PracticeSession::answer(const QString &answer, const QString &remainder,
                                      const QLocale &locale)
{
    const AnswerProblem problem =
        findAnswerProblem(answer, remainder, m_question.operation == Operation::Division, locale);
    if (problem != AnswerProblem::None)
        return problem;
    const bool right = isRightAnswer(m_question.operation, m_question.expectedAnswer,
                                     m_question.expectedRemainder, answer, remainder, locale);
    m_tally.count(right);
    m_questionOpen = false;
    return Verdict{right, m_question.operation, m_question.expectedAnswer,
                   m_question.expectedRemainder};
}
