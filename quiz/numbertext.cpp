// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c.isSpace();
}

// The value of the decimal digit at @p pos, of any script (Arabic-Indic,
// Devanagari, full-width, a digit beyond the basic plane too), with its
// length in the text; -1 when no digit is there.
int digitAt(const QString &text, qsizetype pos, qsizetype &length)
{
    length = 1;
    if (pos >= text.size())
        return -1;
    char32_t code = text[pos].unicode();
    if (text[pos].isHighSurrogate() && pos + 1 < text.size() && text[pos + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text[pos], text[pos + 1]);
        length = 2;
    }
    return QChar::category(code) == QChar::Number_DecimalDigit ? QChar::digitValue(code) : -1;
}

// Adds the digits from @p pos on to @p digits, in ASCII; returns the index
// just past them.
qsizetype readDigits(const QString &text, qsizetype pos, std::string &digits)
{
    qsizetype length = 1;
    for (int value = digitAt(text, pos, length); value >= 0; value = digitAt(text, pos, length)) {
        digits.push_back(static_cast<char>('0' + value));
        pos += length;
    }
    return pos;
}

// A sign as pupils type it: plus, hyphen-minus, or the minus sign (U+2212)
// that several locales write. Returns the index past it.
qsizetype readSign(const QString &text, qsizetype pos, bool &negative)
{
    if (pos < text.size() && QStringView(u"+-\u2212").contains(text[pos])) {
        negative = text[pos] != QLatin1Char('+');
        return pos + 1;
    }
    return pos;
}

// Passes over the direction marks that some locales write before a number's
// sign (Arabic, Hebrew, Persian).
qsizetype skipDirectionMarks(const QString &text, qsizetype pos)
{
    while (pos < text.size() && QStringView(u"\u061C\u200E\u200F").contains(text[pos]))
        ++pos;
    return pos;
}

// The Arabic decimal separator means a decimal point in every locale: no
// locale groups digits with it.
const QChar arabicDecimalSeparator(0x066B);

bool isExponentMark(QChar c)
{
    return c == QLatin1Char('e') || c == QLatin1Char('E');
}

// The pieces of a number found in a text, kept apart so that the value can
// be computed by one routine whatever decimal separator the text used.
struct NumberParts
{
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    bool exponentNegative = false;
    std::string exponentDigits;
    qsizetype end = 0; // index just past the last character used
};

// The length of the decimal separator at @p pos: @p decimalSeparator or the
// Arabic one; 0 when neither is there.
qsizetype separatorAt(const QString &text, qsizetype pos, const QString &decimalSeparator)
{
    if (pos < text.size() && text[pos] == arabicDecimalSeparator)
        return 1;
    if (!decimalSeparator.isEmpty() && QStringView(text).mid(pos).startsWith(decimalSeparator))
        return decimalSeparator.size();
    return 0;
}

// Reads sign, digits, separator and exponent from @p pos on. The exponent
// is taken only when digits follow it: "1e" is the number 1 followed by "e".
NumberParts readNumber(const QString &text, qsizetype pos, const QString &decimalSeparator)
{
    NumberParts parts;
    const qsizetype size = text.size();
    pos = readSign(text, skipDirectionMarks(text, pos), parts.negative);
    pos = readDigits(text, pos, parts.integerDigits);
    if (const qsizetype separator = separatorAt(text, pos, decimalSeparator)) {
        std::string fraction;
        const qsizetype after = readDigits(text, pos + separator, fraction);
        // A lone separator is not part of a number ("." or "-.").
        if (!parts.integerDigits.empty() || !fraction.empty()) {
            parts.fractionDigits = std::move(fraction);
            pos = after;
        }
    }
    parts.end = pos;
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        return parts;

    if (pos < size && isExponentMark(text[pos])) {
        bool exponentNegative = false;
        std::string exponent;
        const qsizetype after =
            readDigits(text, readSign(text, pos + 1, exponentNegative), exponent);
        if (!exponent.empty()) {
            parts.exponentNegative = exponentNegative;
            parts.exponentDigits = std::move(exponent);
            parts.end = after;
        }
    }
    return parts;
}

bool hasDigits(const NumberParts &parts)
{
    return !parts.integerDigits.empty() || !parts.fractionDigits.empty();
}

// Strips leading zeros so that a text of any length maps to a short exponent.
std::string withoutLeadingZeros(const std::string &digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

// Whether a digit other than 0 comes at or after @p from.
bool hasNonZeroDigit(const std::string &digits, std::size_t from)
{
    return from < digits.size() && digits.find_first_not_of('0', from) != std::string::npos;
}

// The digits of a long number kept in full: 800 settle a double except for a
// tie between two neighbours, which the digits dropped after them break.
constexpr std::size_t keptDigits = 800;

// An exponent of more digits than this is clamped (to exponentClamp below).
constexpr std::size_t exponentDigitsRead = 15;

// A number whose digits and exponent put it beyond 10^400 is infinite as a
// double, and one below 10^-400 is 0: doubles reach from about 4.9e-324 to
// about 1.8e308.
constexpr long long magnitudeInRange = 400;

double valueOf(const NumberParts &parts)
{
    if (!hasDigits(parts))
        return 0.0;

    // The exponent is clamped: anything beyond a few thousand already
    // overflows or underflows a double, unless a digit run as long as a text
    // can be makes up for it, so the clamp lies far beyond any text length.
    constexpr long long exponentClamp = 1000000000000000;
    const std::string exponentDigits = withoutLeadingZeros(parts.exponentDigits);
    long long exponent = 0;
    if (exponentDigits.size() > exponentDigitsRead) {
        exponent = exponentClamp;
    } else if (!exponentDigits.empty()) {
        exponent = std::stoll(exponentDigits);
    }
    if (parts.exponentNegative)
        exponent = -exponent;

    // Rebuild a compact plain number for from_chars, which is exact and
    // independent of the C locale. Very long digit runs are folded into the
    // exponent so that the text handed over stays short.
    const std::string integerDigits = withoutLeadingZeros(parts.integerDigits);
    std::string mantissa;
    long long scale = 0;
    bool droppedNonZero = false;
    if (!integerDigits.empty()) {
        if (integerDigits.size() > keptDigits) {
            mantissa = integerDigits.substr(0, keptDigits);
            scale = static_cast<long long>(integerDigits.size() - keptDigits);
            droppedNonZero = hasNonZeroDigit(integerDigits, keptDigits) ||
                             hasNonZeroDigit(parts.fractionDigits, 0);
        } else {
            mantissa = integerDigits +
                       parts.fractionDigits.substr(
                           0, std::min<std::size_t>(parts.fractionDigits.size(), keptDigits));
            scale = -static_cast<long long>(mantissa.size() - integerDigits.size());
            droppedNonZero = hasNonZeroDigit(parts.fractionDigits, keptDigits);
        }
    } else {
        const auto firstNonZero = parts.fractionDigits.find_first_not_of('0');
        if (firstNonZero == std::string::npos)
            return parts.negative ? -0.0 : 0.0;
        mantissa = parts.fractionDigits.substr(firstNonZero, keptDigits);
        scale = -static_cast<long long>(firstNonZero + mantissa.size());
        droppedNonZero = hasNonZeroDigit(parts.fractionDigits, firstNonZero + keptDigits);
    }
    // Dropped digits break a tie upwards when any of them is not 0: a single
    // digit 1 in their place does the same.
    if (droppedNonZero) {
        mantissa += '1';
        --scale;
    }
    const long long totalExponent = exponent + scale;

    const double huge = std::numeric_limits<double>::infinity();
    // Magnitude check before from_chars: mantissa has at most 1601 digits.
    const long long magnitude = totalExponent + static_cast<long long>(mantissa.size());
    double value = 0.0;
    if (magnitude > magnitudeInRange) {
        value = huge;
    } else if (magnitude < -magnitudeInRange) {
        value = 0.0;
    } else {
        const std::string plain = mantissa + 'e' + std::to_string(totalExponent);
        const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        if (result.ec == std::errc::result_out_of_range)
            value = magnitude > 0 ? huge : 0.0;
    }
    return parts.negative ? -value : value;
}

} // namespace

double LeadingNumber(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return valueOf(readNumber(text, pos, QStringLiteral(".")));
}

std::optional<double> numberValue(const QString &text, const QLocale &locale)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;

    const QString number = text.mid(begin, end - begin);
    const NumberParts parts = readNumber(number, 0, locale.decimalPoint());
    if (!hasDigits(parts) || parts.end != number.size())
        return std::nullopt;
    const double value = valueOf(parts);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsNumber(const QString &text, const QLocale &locale)
{
    return numberValue(text, locale).has_value();
}

QString wholeNumberText(double value, const PupilLocale &pupil)
{
    // Every whole number up to 2^53 is exact in a double and in a 64-bit
    // integer, so it converts without rounding; beyond that fall back to the
    // fixed-point form, which never uses an exponent or grouping.
    constexpr double exactLimit = 9007199254740992.0;
    QString plain;
    if (std::isfinite(value) && std::fabs(value) <= exactLimit)
        plain = QString::number(static_cast<long long>(std::nearbyint(value)));
    else if (!std::isfinite(value))
        plain = std::isnan(value) ? QStringLiteral("0")
                                  : (value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf"));
    else
        plain = QString::number(value, 'f', 0);
    return pupil.withDigitsAndSigns(plain);
}
