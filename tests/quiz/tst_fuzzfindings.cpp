// Numbers the fuzz targets found read wrongly: digits far down a long number
// that break a tie between two doubles, and exponents of seven digits that
// digit runs just as long make up for.
#include "quiz/numbertext.h"

#include <QTest>
#include <cmath>

class TestFuzzFindings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const auto row = [](const char *name, const QString &text, double value) {
            QTest::newRow(name) << text << value;
        };
        // Exactly halfway between 1 and the next double, and 0.5 and the next.
        const QString one = "1.00000000000000011102230246251565404236316680908203125";
        const QString half = "0.500000000000000055511151231257827021181583404541015625";
        const QString zeros(800, u'0');
        row("tie above 1 to even", one + zeros, 1.0);
        row("tie above 1 broken by digit 856", one + zeros + "1", std::nextafter(1.0, 2.0));
        row("tie above 0.5 broken late", half + zeros + "1", std::nextafter(0.5, 1.0));
        row("tie above 2^53 broken in 817 whole digits", "9007199254740993" + zeros + "1e-801",
            0x1p53 + 2);
        row("exponent of 7 digits", "0." + QString(999999, u'0') + "1e1000005", 1e5);
        row("negative exponent of 7 digits", "1" + QString(1000000, u'0') + "e-1000001", 0.1);
    }

    // Both readings give exactly the correctly rounded double.
    void longNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const QString expected = QString::number(value, 'g', 17);
        QCOMPARE(QString::number(LeadingNumber(text), 'g', 17), expected);
        QCOMPARE(QString::number(numberValue(text, QLocale::c()).value_or(-1), 'g', 17), expected);
    }
};

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"
