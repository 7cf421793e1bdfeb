// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/scoretally.h"

#include "quiz/numbertext.h"

#include <QCoreApplication>
#include <cmath>

void ScoreTally::reset()
{
    m_total = 0;
    m_correct = 0;
    m_wrong = 0;
}

bool ScoreTally::count(bool right)
{
    bool restarted = false;
    if (m_total >= counterLimit) {
        reset();
        restarted = true;
    }
    ++m_total;
    if (right)
        ++m_correct;
    else
        ++m_wrong;
    return restarted;
}

float ScoreTally::score() const
{
    if (m_total == 0)
        return 0.0f;
    return static_cast<float>(static_cast<double>(m_correct) / static_cast<double>(m_total) *
                              100.0);
}

QStringList ScoreTally::panelTexts(const PupilLocale &pupil) const
{
    // Each panel is "name = number"; the name must fit a panel of the status
    // bar together with the longest number.
    return {
        //: Status bar: how many sums were judged so far
        QCoreApplication::translate("ScoreTally", "Total questions = %1")
            .arg(wholeNumberText(m_total, pupil)),
        //: Status bar: how many of them were right
        QCoreApplication::translate("ScoreTally", "Correct answers = %1")
            .arg(wholeNumberText(m_correct, pupil)),
        //: Status bar: how many of them were wrong
        QCoreApplication::translate("ScoreTally", "Wrong answers = %1")
            .arg(wholeNumberText(m_wrong, pupil)),
        // The per cent sign goes with the digits: Arabic-Indic and Persian
        // digits take the Arabic one.
        //: Status bar: the share of right answers in per cent; %1 is the number
        //: (e.g. 87.5), write the per cent sign as your language does
        QCoreApplication::translate("ScoreTally", "Score = %1%")
            .arg(formatScore(score(), pupil))
            .replace(QLatin1Char('%'), pupil.percentSign()),
    };
}

QString formatScore(float score, const PupilLocale &pupil)
{
    // A float times 10 needs at most 28 significant bits and adding 0.5
    // stays exact too, so this rounds the exact stored value half up.
    const double tenths = std::floor(static_cast<double>(score) * 10.0 + 0.5);
    const auto whole = std::isfinite(tenths) && tenths > 0 ? static_cast<long long>(tenths) : 0LL;
    return pupil.withDigits(QString::number(whole / 10) + pupil.locale().decimalPoint() +
                            QString::number(whole % 10));
}
