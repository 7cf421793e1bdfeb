// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes LeadingNumber: every text gives the value the C library reads from
// the number at its start, and what follows a number that has ended, or
// blanks before it, change nothing.
#include "fuzzcheck.h"
#include "quiz/numbertext.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    qsizetype at = 0;
    while (at < text.size() && text[at].isSpace())
        ++at;
    // strtod reads the same forms once anything that cannot be part of one
    // (hexadecimal, "inf", "nan", blanks) ends the text.
    std::string ascii;
    for (; at < text.size() && QStringView(u"0123456789+-.eE").contains(text[at]); ++at)
        ascii += static_cast<char>(text[at].unicode());
    const double value = LeadingNumber(text);
    FUZZ_CHECK(sameValue(value, std::strtod(ascii.c_str(), nullptr)));
    FUZZ_CHECK(sameValue(LeadingNumber(text + QLatin1Char('x')), value));
    FUZZ_CHECK(sameValue(LeadingNumber(QLatin1Char(' ') + text), value));
    return 0;
}
