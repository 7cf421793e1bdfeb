// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One practice run: the tally, the question on screen and the rule for
// negative answers. The main window hands in the checked options and shows
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

/// What a question is drawn from: each operation in use with its largest
/// number (1 to 99999, not necessarily whole), nothing for the others.
struct PracticeChoice
{
    std::array<std::optional<double>, operationCount> largest;

    bool operator==(const PracticeChoice &) const = default;
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

    /// Draws the next question from the operations of @p choice, each with
    /// its largest number, and opens it. Nothing, and no change, when the
    /// choice holds no operation.
    std::optional<Question> newQuestion(const PracticeChoice &choice);

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
    Question m_question;
};
