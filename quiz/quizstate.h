// The state of one practice run: the tally, the option flags that the
// window keeps beside its controls, and what is known of the question on
// screen. The operands themselves live only in the window's number labels.
#pragma once

#include "operation.h"
#include "scoretally.h"

#include <array>

struct QuizState
{
    ScoreTally tally;

    /// A subtraction may have a negative answer (mirrors "Allow negative answers").
    bool allowNegative = false;

    /// Outcome of the last option check.
    bool optionsValid = false;

    /// Which operations the last question could be drawn from.
    std::array<bool, operationCount> operationEnabled{};

    Operation currentOperation = Operation::Addition;

    /// Right answer of the question on screen; for a division the whole quotient.
    /// A double, because a product can reach 9999800001.
    double expectedAnswer = 0;

    /// Right remainder of the last division; kept when another operation follows.
    double expectedRemainder = 0;
};
