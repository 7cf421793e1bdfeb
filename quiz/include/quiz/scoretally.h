// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The running tally of judged answers and the four status bar texts.
#pragma once

#include "quiz/pupillocale.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class ScoreTally
{
public:
    /// The counters' limit: they are 16-bit values.
    static constexpr std::int16_t counterLimit = 32767;

    std::int16_t totalQuestions() const { return m_total; }
    std::int16_t correctAnswers() const { return m_correct; }
    std::int16_t wrongAnswers() const { return m_wrong; }

    /// Back to 0, 0, 0 (start-up and "Reset Score").
    void reset();

    /// Counts one judged answer. An answer that would take the total past
    /// the limit first restarts the tally and then counts as question 1, so
    /// the counters never wrap and total = correct + wrong always holds.
    /// Returns true when the tally was restarted.
    bool count(bool right);

    /// correct / total x 100 as a single-precision value; 0 with no answers.
    float score() const;

    /// The status bar's panels: questions, right, wrong and score.
    static constexpr int panelCount = 4;

    /// The panelCount panel texts, panel 1 first, in the pupil's digits and
    /// with the per cent sign that goes with them.
    QStringList panelTexts(const PupilLocale &pupil = PupilLocale::current()) const;

private:
    std::int16_t m_total = 0;
    std::int16_t m_correct = 0;
    std::int16_t m_wrong = 0;
};

/// A score in the "##0.0" form: at least one digit before the locale's
/// decimal separator, exactly one after it, no grouping, halves rounded up
/// on the exact single-precision value (6.25 gives 6.3), in the pupil's digits.
QString formatScore(float score, const PupilLocale &pupil = PupilLocale::current());
