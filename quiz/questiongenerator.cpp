// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/questiongenerator.h"

#include <cmath>
#include <cstdint>

namespace {

// Int(x), as every draw below takes it: the largest whole number not above x.
double wholePart(double x)
{
    return std::floor(x);
}

// Int((M + 1) * r): 0 to M.
double drawOperand(double largest, RandomSource &random)
{
    return wholePart((largest + 1) * random.next());
}

// Int(r * M) + 1: 1 to M, the divisor range.
double drawDivisor(double largest, RandomSource &random)
{
    return wholePart(random.next() * largest) + 1;
}

void computeAnswer(Question &q)
{
    switch (q.operation) {
    case Operation::Addition:
        q.expectedAnswer = q.first + q.second;
        break;
    case Operation::Subtraction:
        q.expectedAnswer = q.first - q.second;
        break;
    case Operation::Multiplication:
        q.expectedAnswer = q.first * q.second;
        break;
    case Operation::Division: {
        q.expectedAnswer = wholePart(q.first / q.second);
        // Both operands are whole numbers within 32 bits; the remainder is
        // that of the integer division.
        const auto dividend = static_cast<std::int32_t>(std::nearbyint(q.first));
        const auto divisor = static_cast<std::int32_t>(std::nearbyint(q.second));
        q.expectedRemainder = divisor == 0 ? 0.0 : static_cast<double>(dividend % divisor);
        break;
    }
    }
}

} // namespace

std::optional<Operation> PickOperation(const std::array<bool, operationCount> &enabled,
                                       RandomSource &random)
{
    bool any = false;
    for (bool e : enabled)
        any = any || e;
    if (!any)
        return std::nullopt;

    for (;;) {
        const auto n = static_cast<int>(wholePart(random.next() * operationCount));
        if (n >= 0 && n < operationCount && enabled[static_cast<std::size_t>(n)])
            return static_cast<Operation>(n);
    }
}

Question drawQuestion(Operation op, double largest, bool allowNegative, RandomSource &random)
{
    Question q;
    q.operation = op;
    switch (op) {
    case Operation::Division:
        q.first = drawOperand(largest, random);
        q.second = drawDivisor(largest, random);
        // A dividend of 0 keeps any divisor; otherwise the divisor may not exceed it.
        if (q.first != 0) {
            while (q.first < q.second)
                q.second = drawDivisor(largest, random);
        }
        break;
    case Operation::Addition:
    case Operation::Multiplication:
        q.first = drawOperand(largest, random);
        q.second = drawOperand(largest, random);
        break;
    case Operation::Subtraction:
        q.first = drawOperand(largest, random);
        q.second = drawOperand(largest, random);
        if (!allowNegative) {
            while (q.first < q.second)
                q.second = drawOperand(largest, random);
        }
        break;
    }
    computeAnswer(q);
    return q;
}
