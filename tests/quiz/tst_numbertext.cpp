// Tests of the shared text rules: LeadingNumber, NumberValue/IsNumber and
// WholeNumberText, against a reference on random texts and on hostile texts.
#include "quiz/numbertext.h"

#include <QRegularExpression>
#include <QTest>
#include <charconv>
#include <random>

namespace {

// The number a match of the reference pattern stands for, by the standard
// library's exact conversion; nothing when it is out of a double's range.
std::optional<double> ReferenceValue(const QRegularExpressionMatch &match)
{
    std::string number =
        match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toStdString();
    if (number.front() == '+')
        number.erase(0, 1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc() ? std::optional(value) : std::nullopt;
}

QRegularExpression NumberPattern(QChar point, bool whole)
{
    return QRegularExpression(
        QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+\\%1?[0-9]*|\\%1[0-9]+)(?:[eE][+-]?[0-9]+)?)%2")
            .arg(point)
            .arg(whole ? QStringLiteral("[ \\t]*$") : QString()));
}

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Random texts over the characters that matter, against a plain pattern
    // and the standard library's conversion. Run once more under a German user
    // locale (see CMakeLists.txt): the whole-text check follows the user's
    // decimal separator, the leading number always reads the full stop.
    void matchesReference()
    {
        const QString point = QLocale::system().decimalPoint();
        QCOMPARE(point, qEnvironmentVariable("LC_ALL").startsWith("de") ? "," : ".");
        const QRegularExpression leading = NumberPattern(u'.', false);
        const QRegularExpression whole = NumberPattern(point[0], true);
        const QString alphabet = QStringLiteral("0123456789012345.eE+- \ta,");
        std::mt19937 engine(2024);
        int accepted = 0;
        for (int i = 0; i < 50000; ++i) {
            QString text;
            for (auto n = engine() % 13; n > 0; --n)
                text += alphabet.at(qsizetype(engine() % alphabet.size()));
            const QRegularExpressionMatch start = leading.match(text), all = whole.match(text);
            const std::optional<double> first = start.hasMatch() ? ReferenceValue(start) : 0.0;
            const std::optional<double> value = all.hasMatch() ? ReferenceValue(all) : std::nullopt;
            if ((first && LeadingNumber(text) != *first) ||
                ((!all.hasMatch() || value) &&
                 (numberValue(text) != value || IsNumber(text) != bool(value))))
                QFAIL(qPrintable(QStringLiteral("\"%1\"").arg(text)));
            accepted += value.has_value();
        }
        QVERIFY(accepted > 1000); // the accepted forms were exercised
    }

    // What the reference leaves out: values beyond a double, characters
    // outside ASCII, NUL, and texts long enough to hang or overflow a reader.
    void hostileTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("leading");
        QTest::addColumn<bool>("isNumber");
        const QString many9 = QString(100000, u'9');
        QTest::newRow("overflow") << "-1e999" << -qInf() << false;
        QTest::newRow("underflow") << "1e-999" << 0.0 << true;
        QTest::newRow("100000 nines") << many9 << qInf() << false;
        QTest::newRow("exponent of 100000 nines") << "1e" + many9 << qInf() << false;
        QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662") << 0.0 << false;
        QTest::newRow("nul inside") << "12" + QString(QChar(0)) + "3" << 12.0 << false;
        QTest::newRow("lone surrogate") << "5" + QString(QChar(0xDC00)) << 5.0 << false;
        QTest::newRow("no-break space first") << QStringLiteral("\u00A08") << 8.0 << true;
    }

    void hostileTexts()
    {
        QFETCH(QString, text);
        QFETCH(double, leading);
        QFETCH(bool, isNumber);
        QVERIFY(LeadingNumber(text) == leading); // exact, not fuzzy
        QCOMPARE(IsNumber(text, QLocale(QLocale::English)), isNumber);
    }

    void wholeNumbers()
    {
        QCOMPARE(wholeNumberText(-0.0), "0");
        QCOMPARE(wholeNumberText(-7), "-7");
        QCOMPARE(wholeNumberText(99999.0 * 99999.0), "9999800001");
        QCOMPARE(wholeNumberText(0x1p53), "9007199254740992");
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
