// Tests of the option check made before each new question: the largest
// number rule and which problems a panel reports.
#include "options/optionvalidation.h"

#include <QTest>

using CheckValues = std::array<int, operationCount>;
using BoxesEnabled = std::array<bool, operationCount>;
using Texts = std::array<QString, operationCount>;

Q_DECLARE_METATYPE(CheckValues)
Q_DECLARE_METATYPE(BoxesEnabled)
Q_DECLARE_METATYPE(Texts)

class TestOptionValidation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isValidLargestNumber_data();
    void isValidLargestNumber();
    void checkOptions_data();
    void checkOptions();
    void messages();
};

void TestOptionValidation::isValidLargestNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("valid");

    QTest::newRow("lower bound") << "1" << false << true;
    QTest::newRow("upper bound") << "99999" << false << true;
    QTest::newRow("zero") << "0" << false << false;
    QTest::newRow("below one") << "0.5" << false << false;
    QTest::newRow("just below one") << "0.99999" << false << false;
    QTest::newRow("negative") << "-5" << false << false;
    QTest::newRow("just above upper bound") << "99999.5" << false << false;
    QTest::newRow("upper bound written as fraction") << "99999.0" << false << true;
    QTest::newRow("100000") << "100000" << false << false;
    QTest::newRow("six digits") << "123456" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("blanks only") << "   " << false << false;
    QTest::newRow("leading zeros") << "00005" << false << true;
    QTest::newRow("not whole") << "2.5" << false << true;
    QTest::newRow("blank before") << " 7" << false << true;
    QTest::newRow("blank after") << "7 " << false << true;
    QTest::newRow("plus sign") << "+5" << false << true;
    QTest::newRow("letters") << "abc" << false << false;
    QTest::newRow("letter after digits") << "12a" << false << false;
    QTest::newRow("exponent in range") << "1e4" << false << true;
    QTest::newRow("exponent out of range") << "1e5" << false << false;
    QTest::newRow("decimal comma in English") << "2,5" << false << false;
    QTest::newRow("decimal comma in German") << "2,5" << true << true;
    QTest::newRow("decimal point in German") << "2.5" << true << false;
    // The range is that of the leading number, which stops at the comma.
    QTest::newRow("fraction above upper bound in German") << "99999,5" << true << true;
    QTest::newRow("fraction below one in German") << "0,9" << true << false;
    QTest::newRow("huge") << "1e999" << false << false;
}

void TestOptionValidation::isValidLargestNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, german);
    QFETCH(bool, valid);
    QCOMPARE(IsValidLargestNumber(text, QLocale(german ? QLocale::German : QLocale::English)),
             valid);
}

void TestOptionValidation::checkOptions_data()
{
    QTest::addColumn<CheckValues>("checks");
    QTest::addColumn<BoxesEnabled>("enabled");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<bool>("noSelection");
    QTest::addColumn<QList<int>>("failing");

    const BoxesEnabled none{};
    const Texts tens{"10", "10", "10", "10"};

    QTest::newRow("defaults") << CheckValues{1, 0, 0, 0} << BoxesEnabled{true, false, false, false}
                              << tens << false << QList<int>{};
    QTest::newRow("nothing ticked")
        << CheckValues{0, 0, 0, 0} << none << Texts{"abc", "", "0", "-1"} << true << QList<int>{};
    QTest::newRow("all ticked and valid")
        << CheckValues{1, 1, 1, 1} << BoxesEnabled{true, true, true, true}
        << Texts{"1", "99999", " 7", "2.5"} << false << QList<int>{};
    QTest::newRow("two failing boxes in order")
        << CheckValues{1, 0, 1, 0} << BoxesEnabled{true, false, true, false}
        << Texts{"0", "10", "abc", "10"} << false << QList<int>{0, 2};
    QTest::newRow("every box failing")
        << CheckValues{1, 1, 1, 1} << BoxesEnabled{true, true, true, true}
        << Texts{"", "100000", "12a", "0.5"} << false << QList<int>{0, 1, 2, 3};
    QTest::newRow("disabled box not checked")
        << CheckValues{1, 1, 1, 0} << BoxesEnabled{true, true, true, false}
        << Texts{"10", "5", "7", "abc"} << false << QList<int>{};
    QTest::newRow("check follows the enabled box, not the tick")
        << CheckValues{0, 1, 0, 0} << BoxesEnabled{true, true, false, false}
        << Texts{"abc", "10", "10", "10"} << false << QList<int>{0};
    QTest::newRow("no early exit after no selection")
        << CheckValues{0, 0, 0, 0} << BoxesEnabled{false, true, false, false}
        << Texts{"10", "0", "10", "10"} << true << QList<int>{1};
    // A greyed box cannot be drawn, so greyed alone is no selection.
    QTest::newRow("greyed only") << CheckValues{2, 0, 0, 0}
                                 << BoxesEnabled{true, false, false, false} << tens << true
                                 << QList<int>{};
    QTest::newRow("greyed with a bad box")
        << CheckValues{2, 0, 0, 0} << BoxesEnabled{true, false, false, false}
        << Texts{"abc", "10", "10", "10"} << true << QList<int>{0};
    QTest::newRow("greyed plus one ticked")
        << CheckValues{2, 1, 0, 0} << BoxesEnabled{true, true, false, false} << tens << false
        << QList<int>{};
    QTest::newRow("only division ticked")
        << CheckValues{0, 0, 0, 1} << BoxesEnabled{false, false, false, true} << tens << false
        << QList<int>{};
}

void TestOptionValidation::checkOptions()
{
    QFETCH(CheckValues, checks);
    QFETCH(BoxesEnabled, enabled);
    QFETCH(Texts, texts);
    QFETCH(bool, noSelection);
    QFETCH(QList<int>, failing);

    const OptionCheckOutcome outcome = CheckOptions({checks, enabled, texts}, QLocale::English);
    QCOMPARE(outcome.noSelection, noSelection);
    QCOMPARE(outcome.failingBoxes, failing);
    QCOMPARE(outcome.valid(), !noSelection && failing.isEmpty());
}

void TestOptionValidation::messages()
{
    QCOMPARE(OptionMessages::noSelectionTitle, QStringLiteral("No selections made"));
    QCOMPARE(OptionMessages::noSelectionText,
             QStringLiteral("You must select at least 1 option to perform"));
    QCOMPARE(OptionMessages::invalidEntryTitle, QStringLiteral("Invalid Entry"));
    QCOMPARE(OptionMessages::invalidEntryText,
             QStringLiteral("You must enter a valid number in the range 1-99999"));
}

QTEST_GUILESS_MAIN(TestOptionValidation)
#include "tst_optionvalidation.moc"
