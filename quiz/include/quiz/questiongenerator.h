// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the operation and the operands of a new question, and working
// out its right answer. The window shows what these return.
#pragma once

#include "quiz/operation.h"
#include "quiz/randomsource.h"

#include <array>
#include <optional>

/// A question as drawn: the two operands and the right answer.
struct Question
{
    Operation operation = Operation::Addition;
    double first = 0;  ///< a, shown left of the sign
    double second = 0; ///< b, shown right of the sign
    double expectedAnswer = 0;
    double expectedRemainder = 0; ///< meaningful for a division only
};

/// Draws Int(r * 4) until it names an enabled operation, so each enabled
/// operation is equally likely. Returns nothing, without drawing, when no
/// operation is enabled: the draw would never end.
std::optional<Operation> PickOperation(const std::array<bool, operationCount> &enabled,
                                       RandomSource &random);

/// Draws the operands of a question of @p op with largest number
/// @p largest (1 to 99999, not necessarily whole):
/// - first operand Int((M + 1) * r), 0 to M;
/// - second operand Int((M + 1) * r), redrawn while it exceeds the first
///   for a subtraction without negative answers;
/// - for a division the divisor is Int(r * M) + 1, redrawn while it exceeds
///   a dividend that is not 0.
/// The answer is a + b, a - b, a x b, or for a division the whole quotient
/// Int(a / b) and the remainder a mod b.
Question drawQuestion(Operation op, double largest, bool allowNegative, RandomSource &random);
