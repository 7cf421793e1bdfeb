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
    while (at < text.size() && QStringView(u"\u061C\u200E\u200F").contains(text[at]))
        ++at;
    // strtod reads the same forms, written in ASCII, once anything that
    // cannot be part of one (hexadecimal, "inf", "nan", blanks) ends the text.
    std::string ascii;
    for (const char32_t c : QStringView(text).mid(at).toUcs4()) {
        const bool digit = QChar::category(c) == QChar::Number_DecimalDigit;
        const auto sign = std::u32string_view(U"+-.eE\u066B\u2212").find(c);
        if (!digit && sign == std::u32string_view::npos)
            break;
        ascii += digit ? static_cast<char>('0' + QChar::digitValue(c)) : "+-.eE.-"[sign];
    }
    const double value = LeadingNumber(text);
    FUZZ_CHECK(sameValue(value, std::strtod(ascii.c_str(), nullptr)));
    FUZZ_CHECK(sameValue(LeadingNumber(text + QLatin1Char('x')), value));
    FUZZ_CHECK(sameValue(LeadingNumber(QLatin1Char(' ') + text), value));
    return 0;
}
