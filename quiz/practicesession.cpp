#include "practicesession.h"

PracticeSession::PracticeSession(std::unique_ptr<RandomSource> random)
    : m_random(random ? std::move(random)
                      : std::make_unique<DefaultRandomSource>(DefaultRandomSource::timeOfDaySeed()))
{}

std::optional<Question> PracticeSession::newQuestion(const OperationChoice &choice,
                                                     const QLocale &locale)
{
    std::array<bool, operationCount> enabled{};
    for (std::size_t i = 0; i < enabled.size(); ++i)
        enabled[i] = choice.checkValues[i] == 1;
    for (std::size_t i = 0; i < enabled.size(); ++i) {
        if (enabled[i] && !largestNumber(choice.largestTexts[i], locale))
            return std::nullopt;
    }
    const std::optional<Operation> op = PickOperation(enabled, *m_random);
    if (!op)
        return std::nullopt;

    const double largest =
        *largestNumber(choice.largestTexts[static_cast<std::size_t>(indexOf(*op))], locale);
    const Question drawn = drawQuestion(*op, largest, m_allowNegative, *m_random);
    // The remainder of the last division is kept while other operations follow.
    const double lastRemainder = m_question.expectedRemainder;
    m_question = drawn;
    if (*op != Operation::Division)
        m_question.expectedRemainder = lastRemainder;
    m_enabled = enabled;
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
