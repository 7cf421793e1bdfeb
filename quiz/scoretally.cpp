#include "scoretally.h"

#include <cmath>

void ScoreTally::Reset()
{
    m_total = 0;
    m_correct = 0;
    m_wrong = 0;
}

bool ScoreTally::Count(bool right)
{
    bool restarted = false;
    if (m_total >= counterLimit) {
        Reset();
        restarted = true;
    }
    ++m_total;
    if (right)
        ++m_correct;
    else
        ++m_wrong;
    return restarted;
}

float ScoreTally::Score() const
{
    if (m_total == 0)
        return 0.0f;
    return static_cast<float>(static_cast<double>(m_correct) / static_cast<double>(m_total) *
                              100.0);
}

QStringList ScoreTally::PanelTexts(const QLocale &locale) const
{
    return {
        QStringLiteral("Total questions = ") + QString::number(m_total),
        QStringLiteral("Correct answers = ") + QString::number(m_correct),
        QStringLiteral("Wrong answers = ") + QString::number(m_wrong),
        QStringLiteral("Score = ") + FormatScore(Score(), locale) + QLatin1Char('%'),
    };
}

QString FormatScore(float score, const QLocale &locale)
{
    // A float times 10 needs at most 28 significant bits and adding 0.5
    // stays exact too, so this rounds the exact stored value half up.
    const double tenths = std::floor(static_cast<double>(score) * 10.0 + 0.5);
    if (!std::isfinite(tenths) || tenths < 0)
        return QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("0");
    const auto whole = static_cast<long long>(tenths);
    return QString::number(whole / 10) + locale.decimalPoint() + QString::number(whole % 10);
}
