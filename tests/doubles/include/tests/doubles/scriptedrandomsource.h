// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A random source that plays back a script, so a test knows every draw.
#pragma once

#include "quiz/randomsource.h"

#include <QList>

/// Returns the given values in order, then starts again from the first
/// (0 when given none).
class ScriptedRandomSource final : public RandomSource
{
public:
    explicit ScriptedRandomSource(QList<double> values) : m_values(std::move(values)) {}
    double next() override
    {
        return m_values.isEmpty() ? 0.0 : m_values.at(m_drawn++ % m_values.size());
    }
    qsizetype drawCount() const { return m_drawn; }

private:
    QList<double> m_values;
    qsizetype m_drawn = 0;
};
