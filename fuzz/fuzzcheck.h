// What the fuzz targets share: a check that stops the run with a message
// libFuzzer reports as a finding, and the locale chosen by an input byte.
#pragma once

#include <QLocale>
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

/// C, English, German, French, Arabic or the system locale, by @p selector.
inline QLocale FuzzLocale(unsigned char selector)
{
    switch (selector % 6) {
    case 0:
        return QLocale::c();
    case 1:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case 2:
        return QLocale(QLocale::German, QLocale::Germany);
    case 3:
        return QLocale(QLocale::French, QLocale::France);
    case 4:
        return QLocale(QLocale::Arabic, QLocale::Egypt);
    default:
        return QLocale::system();
    }
}
