// Texts the fuzz targets and their reference checks found read wrongly:
// digits far down a long number that break a tie between two doubles, and
// exponents of seven digits or more against digit runs just as long.
#include "quiz/numbertext.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

class TestFuzzFindings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longNumbers_data();
    void longNumbers();
};

namespace {

// 2^-n in full decimal digits: 5^n, shifted n places to the right.
QString ExactPowerOfHalf(int n)
{
    std::string digits = "1"; // least significant first
    for (int i = 0; i < n; ++i) {
        int carry = 0;
        for (char &d : digits) {
            const int product = (d - '0') * 5 + carry;
            d = static_cast<char>('0' + product % 10);
            carry = product / 10;
        }
        for (; carry > 0; carry /= 10)
            digits += static_cast<char>('0' + carry % 10);
    }
    std::reverse(digits.begin(), digits.end());
    return QStringLiteral("0.") + QString(n - static_cast<qsizetype>(digits.size()), u'0') +
           QString::fromStdString(digits);
}

QString Zeros(qsizetype count)
{
    return QString(count, u'0');
}

} // namespace

void TestFuzzFindings::longNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    const QString halfAboveOne =
        QStringLiteral("1.00000000000000011102230246251565404236316680908203125");
    const double smallest = std::numeric_limits<double>::denorm_min();
    QTest::newRow("tie above 1 broken by digit 856")
        << halfAboveOne + Zeros(800) + "1" << std::nextafter(1.0, 2.0);
    QTest::newRow("tie above 1 to even") << halfAboveOne + Zeros(800) << 1.0;
    QTest::newRow("tie above 2^53 broken by digit 817")
        << "9007199254740993." + Zeros(800) + "1" << 9007199254740994.0;
    QTest::newRow("tie below the smallest double broken late")
        << ExactPowerOfHalf(1075) + Zeros(100) + "1" << smallest;
    QTest::newRow("tie below the smallest double to even") << ExactPowerOfHalf(1075) << 0.0;
    QTest::newRow("exponent of 7 digits after a million zeros")
        << "0." + Zeros(999999) + "1e1000005" << 100000.0;
    QTest::newRow("exponent of 7 digits overflows")
        << "0." + Zeros(10) + "1e1000005" << std::numeric_limits<double>::infinity();
    QTest::newRow("negative exponent of 7 digits after long digits")
        << "1" + Zeros(200000) + "e-1000000" << 0.0;
}

// Both readings of a number agree with the correctly rounded double.
void TestFuzzFindings::longNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto exact = [](double v) {
        return QString::number(v, 'g', 17);
    };
    QCOMPARE(exact(LeadingNumber(text)), exact(value));
    if (std::isfinite(value))
        QCOMPARE(exact(NumberValue(text, QLocale::c()).value_or(-1)), exact(value));
    else
        QVERIFY(!IsNumber(text, QLocale::c()));
}

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"
