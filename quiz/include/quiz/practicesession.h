// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One practice run: the tally, the question on screen and the rule for
// negative answers. The main window hands in the checked options and shows
// what comes back; every decision of the practice is taken here.
#pragma once

#include "quiz/answercheck.h"
#include "quiz/operation.h"
#include "quiz/pupillocale.h"
#include "quiz/questiongenerator.h"
#include "quiz/randomsource.h"
#include "quiz/scoretally.h"

#include <QLocale>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <variant>

/// What a question is drawn from: each operation in use with its largest
/// number (1 to 99999, not necessarily whole), nothing for the others.
struct PracticeChoice
{
    std::array<std::optional<double>, operationCount> largest;

    bool operator==(const PracticeChoice &) const = default;
};

/// What one press of Check Answer comes to: why the typed texts cannot be
/// judged yet, or the verdict on them.
using AnswerOutcome = std::variant<AnswerProblem, Verdict>;

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

    /// Takes the typed answer (and for a division the remainder) to the open
    /// question. When a text is missing or not a number in @p locale, gives
    /// the first such problem and leaves the question open and the tally as
    /// it was. Otherwise judges the answer, counts it, closes the question
    /// and gives the verdict.
    AnswerOutcome answer(const QString &answer, const QString &remainder,
                         const QLocale &locale = PupilLocale::current().locale());

private:
    std::unique_ptr<RandomSource> m_random;
    ScoreTally m_tally;
    bool m_allowNegative = false;
    bool m_questionOpen = false;
    Question m_question;
};
