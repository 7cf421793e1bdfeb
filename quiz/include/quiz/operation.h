// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four operations a question can use. The number of an operation also
// indexes the option control arrays and suffixes the settings keys.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

enum class Operation : std::uint8_t
{
    Addition = 0,
    Subtraction = 1,
    Multiplication = 2,
    Division = 3,
};

inline constexpr int operationCount = 4;

inline constexpr std::array<Operation, operationCount> allOperations = {
    Operation::Addition, Operation::Subtraction, Operation::Multiplication, Operation::Division};

/// The index of an operation in the arrays that hold one value per
/// operation (0 to 3): `largest[indexOf(op)]`.
constexpr std::size_t indexOf(Operation op)
{
    return static_cast<std::size_t>(op);
}

/// The caption of the operation's check box, e.g. "Addition".
QString operationName(Operation op);

/// The sign shown between the operands: "+", "-", "x" (the letter) or "/",
/// or the signs the user's language writes (German "·" and ":").
QString operationSign(Operation op);

/// The sign as a screen reader speaks it: "plus", "minus", "times" or
/// "divided by".
QString operationWord(Operation op);
