// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One practice run: the tally, the question on screen and the rule for
// negative answers. The main window copies its option controls in and shows
// what comes back; every decision of the practice is taken here.
#pragma once

#include "answercheck.h"
#include "operation.h"
#include "questiongenerator.h"
#include "randomsource.h"
#include "scoretally.h"

#include <QLocale>
#include <QString>
#include <array>
#include <memory>
#include <optional>

/// What the options panel holds when a question is asked for.
struct OperationChoice
{
    /// chkOpt Values: 0 unticked, 1 ticked, 2 greyed. Only 1 enables an operation.
    std::array<int, operationCount> checkValues{};
    /// The largest-number texts, as typed.
    std::array<QString, operationCount> largestTexts;
};

/// The outcome of judging an answer.
struct Verdict
{
    bool right = false;
    Operation operation = Operation::Addition;
    double expectedAnswer = 0;
    double expectedRemainder = 0; ///< meaningful for a division only
};

/// The question as a screen reader speaks it: "7 plus 5", or for a division
/// "17 divided by 5, answer and remainder".
QString spokenQuestion(const Question &question);

/// What the remainder box of a division asks for: "remainder of 17 divided by 5".
QString spokenRemainderQuestion(const Question &question);

/// The verdict as a screen reader speaks it: "Right", "Wrong, the answer is
/// 12", or for a division "Wrong, the answer is 3 remainder 2".
QString spokenVerdict(const Verdict &verdict);

class PracticeSession
{
public:
    /// Draws come from @p random; without one the session seeds its own
    /// generator from the time of day.
    explicit PracticeSession(std::unique_ptr<RandomSource> random = nullptr);

    const ScoreTally &tally() const { return m_tally; }

    /// Back to a zero tally; an open question stays open.
    void resetScore() { m_tally.reset(); }

    /// A subtraction may come out below zero from the next question on.
    void setAllowNegative(bool allow) { m_allowNegative = allow; }
    bool allowNegative() const { return m_allowNegative; }

    /// Whether a question waits for its answer (the answer button checks
    /// rather than asks).
    bool questionOpen() const { return m_questionOpen; }

    /// The question on screen, or the last one judged. Before the first
    /// question: an addition with every value 0.
    const Question &question() const { return m_question; }

    /// Which operations the last question was drawn from.
    const std::array<bool, operationCount> &operationEnabled() const { return m_enabled; }

    /// Draws the next question from the ticked operations, each with the
    /// largest number of its box, and opens it. Nothing, and no change, when
    /// no operation is ticked or a ticked operation's largest number is not
    /// usable (the option check reports both before a question is asked for).
    std::optional<Question> newQuestion(const OperationChoice &choice,
                                        const QLocale &locale = QLocale::system());

    /// Why the typed answer (and for a division the remainder) cannot be
    /// judged yet; AnswerProblem::None when it can.
    AnswerProblem answerProblem(const QString &answer, const QString &remainder,
                                const QLocale &locale = QLocale::system()) const;

    /// Counts and judges the answer to the open question and closes it.
    /// The caller has made sure that answerProblem() found nothing.
    Verdict checkAnswer(const QString &answer, const QString &remainder);

private:
    std::unique_ptr<RandomSource> m_random;
    ScoreTally m_tally;
    bool m_allowNegative = false;
    bool m_questionOpen = false;
    std::array<bool, operationCount> m_enabled{};
    Question m_question;
};
