// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the fuzz targets share: a check that stops the run with a message
// libFuzzer reports as a finding, and the input read as a text.
#pragma once

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

/// A property that must hold for every input; a failure aborts, and
/// libFuzzer keeps the input that caused it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline QString fuzzText(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

/// Equal, and of the same sign (0 and -0 differ).
inline bool sameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}
