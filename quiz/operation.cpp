// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/operation.h"

#include <QCoreApplication>

QString operationName(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return QCoreApplication::translate("Operation", "Addition");
    case Operation::Subtraction:
        return QCoreApplication::translate("Operation", "Subtraction");
    case Operation::Multiplication:
        return QCoreApplication::translate("Operation", "Multiplication");
    case Operation::Division:
        return QCoreApplication::translate("Operation", "Division");
    }
    return {};
}

QString operationSign(Operation op)
{
    // Each language writes the signs its schools teach: a German pupil
    // multiplies with a dot and divides with a colon.
    switch (op) {
    case Operation::Addition:
        return QCoreApplication::translate("Operation", "+", "sign of an addition");
    case Operation::Subtraction:
        return QCoreApplication::translate("Operation", "-", "sign of a subtraction");
    case Operation::Multiplication:
        return QCoreApplication::translate("Operation", "x", "sign of a multiplication");
    case Operation::Division:
        return QCoreApplication::translate("Operation", "/", "sign of a division");
    }
    return {};
}

QString operationWord(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return QCoreApplication::translate("Operation", "plus");
    case Operation::Subtraction:
        return QCoreApplication::translate("Operation", "minus");
    case Operation::Multiplication:
        return QCoreApplication::translate("Operation", "times");
    case Operation::Division:
        return QCoreApplication::translate("Operation", "divided by");
    }
    return {};
}
