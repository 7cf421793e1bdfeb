#include "operation.h"

QString OperationName(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return QStringLiteral("Addition");
    case Operation::Subtraction:
        return QStringLiteral("Subtraction");
    case Operation::Multiplication:
        return QStringLiteral("Multiplication");
    case Operation::Division:
        return QStringLiteral("Division");
    }
    return {};
}

QString OperationSign(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return QStringLiteral("+");
    case Operation::Subtraction:
        return QStringLiteral("-");
    case Operation::Multiplication:
        return QStringLiteral("x");
    case Operation::Division:
        return QStringLiteral("/");
    }
    return {};
}
