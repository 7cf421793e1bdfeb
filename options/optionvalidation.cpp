#include "optionvalidation.h"

#include "quiz/numbertext.h"

bool IsValidLargestNumber(const QString &text, const QLocale &locale)
{
    const double leading = LeadingNumber(text);
    return leading >= smallestLargestNumber && leading <= biggestLargestNumber &&
           IsNumber(text, locale);
}

OptionCheckOutcome CheckOptions(const OptionPanelValues &values, const QLocale &locale)
{
    OptionCheckOutcome outcome;
    bool anyTicked = false;
    for (int value : values.checkValues)
        anyTicked = anyTicked || value == 1;
    outcome.noSelection = !anyTicked;

    for (int i = 0; i < operationCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (!values.boxEnabled[index])
            continue;
        if (!IsValidLargestNumber(values.largestTexts[index], locale))
            outcome.failingBoxes.append(i);
    }
    return outcome;
}
