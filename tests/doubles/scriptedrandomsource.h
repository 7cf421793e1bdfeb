// A random source that plays back a script, so a test knows every draw.
#pragma once

#include "quiz/randomsource.h"

#include <QList>

/// Returns the given values in order, then starts again from the first.
class ScriptedRandomSource final : public RandomSource
{
public:
    explicit ScriptedRandomSource(QList<double> values);

    double next() override;

    /// How many values have been drawn so far.
    qsizetype drawCount() const { return m_drawn; }

private:
    QList<double> m_values;
    qsizetype m_drawn = 0;
};
