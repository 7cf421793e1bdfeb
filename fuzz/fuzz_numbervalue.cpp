// Fuzzes IsNumber and NumberValue in several locales (the first input byte
// picks one), and the option checks built on them: a number is finite,
// keeps its value with blanks around it, agrees with LeadingNumber where the
// decimal separator is the same, and stops being a number with a letter
// added.
#include "fuzzcheck.h"
#include "options/optionvalidation.h"
#include "options/storedvalues.h"
#include "quiz/numbertext.h"

#include <QString>
#include <cmath>
#include <cstdint>

namespace {

bool SameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale locale = FuzzLocale(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                           static_cast<qsizetype>(size - 1));

    const std::optional<double> value = numberValue(text, locale);
    FUZZ_CHECK(IsNumber(text, locale) == value.has_value());
    FUZZ_CHECK(!IsNumber(text + QLatin1Char('x'), locale));
    FUZZ_CHECK(!IsNumber(QLatin1Char('x') + text, locale));

    const std::optional<int> checkValue = checkValueFromText(text, locale);
    FUZZ_CHECK(!checkValue || (value && *checkValue >= 0 && *checkValue <= 2 &&
                               std::fabs(*value - *checkValue) <= 0.5));
    if (isValidLargestNumber(text, locale)) {
        FUZZ_CHECK(value);
        FUZZ_CHECK(LeadingNumber(text) >= 1 && LeadingNumber(text) <= 99999);
    }
    if (!value)
        return 0;

    FUZZ_CHECK(std::isfinite(*value));
    const std::optional<double> padded =
        numberValue(QStringLiteral(" \t") + text + QStringLiteral(" "), locale);
    FUZZ_CHECK(padded && SameValue(*padded, *value));
    if (locale.decimalPoint() == QStringLiteral(".") || !text.contains(locale.decimalPoint()))
        FUZZ_CHECK(SameValue(LeadingNumber(text), *value));

    const QString trimmed = text.trimmed();
    if (trimmed.front().isDigit()) {
        const std::optional<double> negated = numberValue(QLatin1Char('-') + trimmed, locale);
        FUZZ_CHECK(negated && SameValue(*negated, -*value));
    }

    // A whole number written for display reads back as itself.
    const double whole = std::nearbyint(*value);
    if (std::fabs(whole) <= 9007199254740992.0) {
        const QString shown = wholeNumberText(whole);
        FUZZ_CHECK(LeadingNumber(shown) == whole);
        FUZZ_CHECK(numberValue(shown, locale) == whole);
    }
    return 0;
}
