// Fuzzes LeadingNumber: every text gives a value, the value is the one the
// C library reads from the same number, and characters that cannot continue
// a number change nothing when added after the text.
#include "fuzzcheck.h"
#include "quiz/numbertext.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool SameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The leading number rebuilt as plain ASCII and read by strtod, which
// rounds correctly and saturates to infinity or zero.
double ReferenceValue(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    const auto at = [&text](qsizetype i) {
        return i < text.size() ? text[i].unicode() : u'\0';
    };
    std::string number;
    if (at(pos) == u'+' || at(pos) == u'-')
        number += static_cast<char>(at(pos++));
    bool digits = false;
    while (isDigit(at(pos))) {
        number += static_cast<char>(at(pos++));
        digits = true;
    }
    if (at(pos) == u'.') {
        qsizetype after = pos + 1;
        std::string fraction;
        while (isDigit(at(after)))
            fraction += static_cast<char>(at(after++));
        if (digits || !fraction.empty()) {
            number += '.' + fraction;
            pos = after;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (at(pos) == u'e' || at(pos) == u'E') {
        qsizetype after = pos + 1;
        std::string exponent = "e";
        if (at(after) == u'+' || at(after) == u'-')
            exponent += static_cast<char>(at(after++));
        const std::size_t signLength = exponent.size();
        while (isDigit(at(after)))
            exponent += static_cast<char>(at(after++));
        if (exponent.size() > signLength)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

bool CanContinueNumber(QChar c)
{
    return isDigit(c.unicode()) || QStringLiteral(".eE+-").contains(c);
}

bool IsBlankOnly(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const double value = LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(SameValue(value, ReferenceValue(text)));

    // Nothing after the number is read once it has ended.
    FUZZ_CHECK(SameValue(LeadingNumber(text + QLatin1Char('x')), value));
    FUZZ_CHECK(SameValue(LeadingNumber(text + QLatin1Char(' ')), value));
    if (!IsBlankOnly(text) && !CanContinueNumber(text.back()))
        FUZZ_CHECK(SameValue(LeadingNumber(text + QLatin1Char('5')), value));

    FUZZ_CHECK(SameValue(LeadingNumber(QLatin1Char(' ') + text), value));
    if (!text.isEmpty() && isDigit(text.front().unicode()))
        FUZZ_CHECK(SameValue(LeadingNumber(QLatin1Char('-') + text), -value));
    return 0;
}
