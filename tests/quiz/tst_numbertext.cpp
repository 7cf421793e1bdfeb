// Tests of the shared text rules: LeadingNumber, IsNumber/NumberValue and
// WholeNumberText, on ordinary and hostile texts.
#include "quiz/numbertext.h"

#include <QRegularExpression>
#include <QTest>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberHugeTexts();
    void leadingNumberIgnoresUserLocale();
    void matchesReferenceOnRandomTexts();
    void isNumber_data();
    void isNumber();
    void wholeNumberText_data();
    void wholeNumberText();
};

namespace {

const double infinity = std::numeric_limits<double>::infinity();

} // namespace

void TestNumberText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("leading blanks") << "  \t12" << 12.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("blank after sign") << "- 7" << 0.0;
    QTest::newRow("double sign") << "--7" << 0.0;
    QTest::newRow("trailing letters") << "12a" << 12.0;
    QTest::newRow("fraction only") << ".5" << 0.5;
    QTest::newRow("minus fraction only") << "-.5" << -0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("negative exponent") << "2.5e-1" << 0.25;
    QTest::newRow("capital exponent") << "1E5" << 100000.0;
    QTest::newRow("exponent with leading zeros") << "1e0000000000003" << 1000.0;
    QTest::newRow("embedded blank") << "1 2" << 1.0;
    QTest::newRow("comma is no decimal point") << "2,5" << 2.0;
    QTest::newRow("largest product") << "9999800001" << 9999800001.0;
    QTest::newRow("beyond 2^53") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("huge exponent") << "1e999999999999" << infinity;
    QTest::newRow("huge negative") << "-1e999" << -infinity;
    QTest::newRow("tiny") << "1e-999" << 0.0;
    QTest::newRow("largest double")
        << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("smallest subnormal") << "5e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("fraction offsets exponent") << "0.001e3" << 1.0;
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662") << 0.0;
    QTest::newRow("fullwidth digits") << QStringLiteral("\uFF11\uFF12") << 0.0;
    QTest::newRow("unicode minus") << QStringLiteral("\u22125") << 0.0;
    QTest::newRow("nul first") << QString(QChar(0)) + QStringLiteral("12") << 0.0;
    QTest::newRow("nul inside") << QStringLiteral("12") + QChar(0) + QStringLiteral("3") << 12.0;
    QTest::newRow("lone low surrogate after digits") << QStringLiteral("5") + QChar(0xDC00) << 5.0;
    QTest::newRow("surrogate in exponent")
        << QStringLiteral("5e") + QChar(0xD800) + QStringLiteral("2") << 5.0;
    QTest::newRow("non-breaking space first") << QStringLiteral("\u00A08") << 8.0;
}

void TestNumberText::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    // Exact: the value must be the correctly rounded double, not merely close.
    QCOMPARE(LeadingNumber(text), value);
}

void TestNumberText::leadingNumberHugeTexts()
{
    QCOMPARE(LeadingNumber(QString(100000, QLatin1Char('9'))), infinity);
    QCOMPARE(LeadingNumber(QString(100000, QLatin1Char('0'))), 0.0);
    QCOMPARE(LeadingNumber(QString(100000, QLatin1Char('0')) + QStringLiteral("7")), 7.0);
    QCOMPARE(LeadingNumber(QStringLiteral("0.") + QString(100000, QLatin1Char('0')) +
                           QStringLiteral("1e100010")),
             1e9);
    QCOMPARE(LeadingNumber(QStringLiteral("1") + QString(300, QLatin1Char('0'))), 1e300);
    QCOMPARE(LeadingNumber(QString(100000, QLatin1Char(' ')) + QStringLiteral("-3")), -3.0);
    QCOMPARE(LeadingNumber(QStringLiteral("1e") + QString(100000, QLatin1Char('9'))), infinity);
    QCOMPARE(LeadingNumber(QStringLiteral("1e-") + QString(100000, QLatin1Char('9'))), 0.0);
    // A long fraction after a short whole part keeps the whole part.
    QCOMPARE(LeadingNumber(QStringLiteral("3.") + QString(5000, QLatin1Char('0'))), 3.0);
}

// The test runs once more under a German user locale (see CMakeLists.txt).
void TestNumberText::leadingNumberIgnoresUserLocale()
{
    const bool decimalComma = qEnvironmentVariable("LC_ALL").startsWith(QStringLiteral("de"));
    QCOMPARE(QLocale::system().decimalPoint(),
             decimalComma ? QStringLiteral(",") : QStringLiteral("."));
    QCOMPARE(LeadingNumber(QStringLiteral("2.5")), 2.5);
    QCOMPARE(LeadingNumber(QStringLiteral("2,5")), 2.0);
    // The whole-text check follows the user's locale.
    QCOMPARE(IsNumber(QStringLiteral("2,5")), decimalComma);
    QCOMPARE(IsNumber(QStringLiteral("2.5")), !decimalComma);
}

// Random texts over the characters that matter, checked against a plain
// pattern for the number and the standard library's exact conversion.
void TestNumberText::matchesReferenceOnRandomTexts()
{
    static const QRegularExpression leading(
        QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
    static const QRegularExpression whole(QStringLiteral(
        "^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)[ \\t]*$"));
    const auto reference = [](const QRegularExpressionMatch &match) -> std::optional<double> {
        std::string number = match.captured(1).toStdString();
        if (number.front() == '+')
            number.erase(0, 1);
        double value = 0;
        const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
        if (result.ec != std::errc() || result.ptr != number.data() + number.size())
            return std::nullopt; // out of range: covered by the fixed cases
        return value;
    };

    const QString alphabet = QStringLiteral("0123456789012345.eE+- \ta,");
    std::mt19937 engine(2024);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    std::uniform_int_distribution<int> length(0, 12);
    const QLocale english(QLocale::English);
    int numbers = 0;
    for (int i = 0; i < 50000; ++i) {
        QString text;
        for (int n = length(engine); n > 0; --n)
            text += alphabet.at(pick(engine));

        const QRegularExpressionMatch start = leading.match(text);
        const std::optional<double> expected = start.hasMatch() ? reference(start) : 0.0;
        if (expected && LeadingNumber(text) != *expected)
            QFAIL(qPrintable(QStringLiteral("LeadingNumber(\"%1\") = %2, expected %3")
                                 .arg(text)
                                 .arg(LeadingNumber(text), 0, 'g', 17)
                                 .arg(*expected, 0, 'g', 17)));

        const QRegularExpressionMatch all = whole.match(text);
        const std::optional<double> value = all.hasMatch() ? reference(all) : std::nullopt;
        if (all.hasMatch() && !value)
            continue;
        numbers += value.has_value();
        if (NumberValue(text, english) != value)
            QFAIL(qPrintable(QStringLiteral("NumberValue(\"%1\") is wrong").arg(text)));
    }
    QVERIFY(numbers > 1000); // the texts did exercise the accepted forms
}

void TestNumberText::isNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    const QString hugeDigits = QString(400, QLatin1Char('9'));

    QTest::newRow("decimal point") << "2.5" << false << true << 2.5;
    QTest::newRow("decimal comma in English") << "2,5" << false << false << 0.0;
    QTest::newRow("decimal comma in German") << "2,5" << true << true << 2.5;
    QTest::newRow("decimal point in German") << "2.5" << true << false << 0.0;
    QTest::newRow("grouping") << "1,000" << false << false << 0.0;
    QTest::newRow("currency before") << "$5" << false << false << 0.0;
    QTest::newRow("currency after") << QStringLiteral("5\u20AC") << true << false << 0.0;
    QTest::newRow("trailing sign") << "5-" << false << false << 0.0;
    QTest::newRow("blanks around") << "  7  " << false << true << 7.0;
    QTest::newRow("blank only") << "   " << false << false << 0.0;
    QTest::newRow("empty") << "" << false << false << 0.0;
    QTest::newRow("exponent") << "1e5" << false << true << 100000.0;
    QTest::newRow("exponent in German") << "2,5e1" << true << true << 25.0;
    QTest::newRow("exponent without digits") << "1e" << false << false << 0.0;
    QTest::newRow("plus sign") << "+7" << false << true << 7.0;
    QTest::newRow("double sign") << "--7" << false << false << 0.0;
    QTest::newRow("point alone") << "." << false << false << 0.0;
    QTest::newRow("fraction only") << ".5" << false << true << 0.5;
    QTest::newRow("trailing letter") << "12a" << false << false << 0.0;
    QTest::newRow("embedded blank") << "1 2" << false << false << 0.0;
    QTest::newRow("huge exponent") << "1e999" << false << false << 0.0;
    QTest::newRow("huge digits") << hugeDigits << false << false << 0.0;
    QTest::newRow("nul after digits") << QStringLiteral("5") + QChar(0) << false << false << 0.0;
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661") << false << false << 0.0;
    QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) << false << false << 0.0;
}

void TestNumberText::isNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, german);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    const QLocale locale(german ? QLocale::German : QLocale::English);
    QCOMPARE(IsNumber(text, locale), accepted);
    const std::optional<double> number = NumberValue(text, locale);
    QCOMPARE(number.has_value(), accepted);
    if (accepted)
        QCOMPARE(*number, value);
}

void TestNumberText::wholeNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("positive") << 42.0 << "42";
    QTest::newRow("negative") << -7.0 << "-7";
    QTest::newRow("largest product") << 9999800001.0 << "9999800001";
    QTest::newRow("product computed") << 99999.0 * 99999.0 << "9999800001";
    QTest::newRow("2^53") << 9007199254740992.0 << "9007199254740992";
}

void TestNumberText::wholeNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(WholeNumberText(value), text);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
