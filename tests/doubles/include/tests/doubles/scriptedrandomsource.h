// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A random source that plays back a script, so a test knows every draw.
#pragma once

#include "quiz/operation.h"
#include "quiz/randomsource.h"

#include <QList>
#include <QStringList>

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

/// The draws that give what a test wants, each in the middle of the range of
/// draws that gives it, with the largest number @p largest.
struct Draws
{
    static double operation(Operation op)
    {
        return (static_cast<double>(indexOf(op)) + 0.5) / operationCount;
    }
    static double operand(double n, double largest = 10) { return (n + 0.5) / (largest + 1); }
    static double divisor(double n, double largest = 10) { return (n - 0.5) / largest; }
    /// Those that pose @p sum, written "7 + 5", "7 - 3", "7 x 5" or "17 / 5".
    static QList<double> of(const QString &sum, double largest = 10)
    {
        const QStringList parts = sum.split(QLatin1Char(' '));
        const auto op = static_cast<Operation>(QStringList({"+", "-", "x", "/"}).indexOf(parts[1]));
        return {operation(op), operand(parts[0].toDouble(), largest),
                op == Operation::Division ? divisor(parts[2].toDouble(), largest)
                                          : operand(parts[2].toDouble(), largest)};
    }
};
