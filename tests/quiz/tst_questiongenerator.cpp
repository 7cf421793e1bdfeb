// Tests of the operation draw, the operand draws with their redraw rules,
// the right answers, and the random source the program uses.
#include "quiz/questiongenerator.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>

using Enabled = std::array<bool, operationCount>;

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Enabled)

class TestQuestionGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pickOperationScripted_data();
    void pickOperationScripted();
    void pickOperationNoneEnabled();
    void pickOperationSpread_data();
    void pickOperationSpread();
    void drawRanges_data();
    void drawRanges();
    void drawOrder_data();
    void drawOrder();
    void largestDrawStaysInRange();
    void defaultSourceValues();
};

void TestQuestionGenerator::pickOperationScripted_data()
{
    QTest::addColumn<Enabled>("enabled");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<Operation>("expected");
    QTest::addColumn<qsizetype>("drawCount");

    const Enabled all{true, true, true, true};
    const double top = DefaultRandomSource::largestValue;
    QTest::newRow("first draw enabled")
        << all << QList<double>{0.0} << Operation::Addition << qsizetype(1);
    QTest::newRow("just below a quarter")
        << all << QList<double>{0.2499999} << Operation::Addition << qsizetype(1);
    QTest::newRow("a quarter") << all << QList<double>{0.25} << Operation::Subtraction
                               << qsizetype(1);
    QTest::newRow("largest value")
        << all << QList<double>{top} << Operation::Division << qsizetype(1);
    QTest::newRow("skips disabled")
        << Enabled{false, false, true, false} << QList<double>{0.0, 0.3, 0.99, 0.6}
        << Operation::Multiplication << qsizetype(4);
    QTest::newRow("only division")
        << Enabled{false, false, false, true} << QList<double>{0.1, 0.4, 0.6, top}
        << Operation::Division << qsizetype(4);
    QTest::newRow("stops at first enabled")
        << Enabled{true, false, false, true} << QList<double>{0.3, 0.8, 0.1} << Operation::Division
        << qsizetype(2);
}

void TestQuestionGenerator::pickOperationScripted()
{
    QFETCH(Enabled, enabled);
    QFETCH(QList<double>, draws);
    QFETCH(Operation, expected);
    QFETCH(qsizetype, drawCount);

    ScriptedRandomSource random(draws);
    const std::optional<Operation> picked = PickOperation(enabled, random);
    QVERIFY(picked.has_value());
    QCOMPARE(*picked, expected);
    QCOMPARE(random.drawCount(), drawCount);
}

void TestQuestionGenerator::pickOperationNoneEnabled()
{
    ScriptedRandomSource random({0.5});
    QVERIFY(!PickOperation(Enabled{}, random).has_value());
    QCOMPARE(random.drawCount(), qsizetype(0));
}

void TestQuestionGenerator::pickOperationSpread_data()
{
    QTest::addColumn<Enabled>("enabled");

    QTest::newRow("all four") << Enabled{true, true, true, true};
    QTest::newRow("three") << Enabled{true, false, true, true};
    QTest::newRow("two") << Enabled{false, true, false, true};
    QTest::newRow("one") << Enabled{false, false, true, false};
}

void TestQuestionGenerator::pickOperationSpread()
{
    QFETCH(Enabled, enabled);

    constexpr int draws = 40000;
    DefaultRandomSource random(20240601);
    std::array<int, operationCount> counts{};
    for (int i = 0; i < draws; ++i)
        ++counts[static_cast<std::size_t>(IndexOf(*PickOperation(enabled, random)))];

    const int enabledCount = static_cast<int>(std::count(enabled.begin(), enabled.end(), true));
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (!enabled[i]) {
            QCOMPARE(counts[i], 0);
            continue;
        }
        const double share = double(counts[i]) / draws;
        QVERIFY2(std::fabs(share - 1.0 / enabledCount) < 0.015,
                 qPrintable(QStringLiteral("operation %1 share %2").arg(i).arg(share)));
    }
}

void TestQuestionGenerator::drawRanges_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<double>("largest");
    QTest::addColumn<bool>("allowNegative");

    struct Case
    {
        const char *name;
        Operation op;
        bool allowNegative;
    };
    const Case cases[] = {
        {"addition", Operation::Addition, false},
        {"subtraction", Operation::Subtraction, false},
        {"subtraction with negatives", Operation::Subtraction, true},
        {"multiplication", Operation::Multiplication, false},
        {"division", Operation::Division, false},
        {"division, negatives ticked", Operation::Division, true},
    };
    for (double largest : {1.0, 10.0, 99999.0, 2.5}) {
        for (const Case &c : cases)
            QTest::addRow("%s, M=%g", c.name, largest) << c.op << largest << c.allowNegative;
    }
}

// Many draws with a fixed seed; every question must keep the rules, and
// every value a small M allows must turn up.
void TestQuestionGenerator::drawRanges()
{
    QFETCH(Operation, op);
    QFETCH(double, largest);
    QFETCH(bool, allowNegative);

    // Int((M + 1) r) and Int(r M) + 1 with 0 <= r < 1.
    const double topOperand = std::ceil(largest + 1) - 1;
    const double topDivisor = std::ceil(largest);
    const bool division = op == Operation::Division;
    const bool small = largest <= 10;

    constexpr int draws = 20000;
    DefaultRandomSource random(7 + static_cast<std::uint64_t>(largest));
    std::map<double, int> firsts;
    std::map<double, int> divisorsOfZero;
    std::map<std::pair<double, double>, int> pairs;
    int negatives = 0;
    for (int i = 0; i < draws; ++i) {
        const Question q = DrawQuestion(op, largest, allowNegative, random);
        const double a = q.first;
        const double b = q.second;
        QCOMPARE(q.operation, op);
        QCOMPARE(std::floor(a), a);
        QCOMPARE(std::floor(b), b);
        QVERIFY(a >= 0 && a <= topOperand);
        ++firsts[a];
        ++pairs[{a, b}];
        switch (op) {
        case Operation::Addition:
            QVERIFY(b >= 0 && b <= topOperand);
            QCOMPARE(q.expectedAnswer, a + b);
            break;
        case Operation::Multiplication:
            QVERIFY(b >= 0 && b <= topOperand);
            QCOMPARE(q.expectedAnswer, a * b);
            break;
        case Operation::Subtraction:
            QVERIFY(b >= 0 && b <= topOperand);
            if (!allowNegative)
                QVERIFY2(b <= a, qPrintable(QStringLiteral("%1 - %2").arg(a).arg(b)));
            QCOMPARE(q.expectedAnswer, a - b);
            negatives += q.expectedAnswer < 0;
            break;
        case Operation::Division: {
            QVERIFY2(b >= 1 && b <= topDivisor, qPrintable(QStringLiteral("divisor %1").arg(b)));
            if (a != 0)
                QVERIFY2(b <= a, qPrintable(QStringLiteral("%1 / %2").arg(a).arg(b)));
            else
                ++divisorsOfZero[b];
            const double quotient = q.expectedAnswer;
            const double remainder = q.expectedRemainder;
            QCOMPARE(std::floor(quotient), quotient);
            QCOMPARE(a, b * quotient + remainder);
            QVERIFY(remainder >= 0 && remainder < b);
            break;
        }
        }
    }

    if (op == Operation::Subtraction && allowNegative)
        QVERIFY(negatives > 0);
    if (!small)
        return;

    // Every first operand comes up, and for a whole M about equally often
    // whatever redraws of the second one happen.
    const int operandCount = static_cast<int>(topOperand) + 1;
    QCOMPARE(int(firsts.size()), operandCount);
    for (const auto &[value, count] : firsts)
        QVERIFY2(largest != std::floor(largest) ||
                     std::fabs(double(count) * operandCount / draws - 1) < 0.15,
                 qPrintable(QStringLiteral("first %1 seen %2 times").arg(value).arg(count)));

    // And every allowed pair turns up.
    int allowedPairs = 0;
    for (int a = 0; a <= topOperand; ++a) {
        if (division)
            allowedPairs += a == 0 ? int(topDivisor) : a;
        else if (op == Operation::Subtraction && !allowNegative)
            allowedPairs += a + 1;
        else
            allowedPairs += operandCount;
    }
    QCOMPARE(int(pairs.size()), allowedPairs);
    if (division)
        QCOMPARE(int(divisorsOfZero.size()), int(topDivisor));
}

void TestQuestionGenerator::drawOrder_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<double>("largest");
    QTest::addColumn<bool>("allowNegative");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<double>("answer");
    QTest::addColumn<double>("remainder");
    QTest::addColumn<qsizetype>("drawCount");

    const double top = DefaultRandomSource::largestValue;
    const auto add = [](const char *name, Operation op, double largest, bool allowNegative,
                        QList<double> draws, double a, double b, double answer, double remainder,
                        qsizetype count) {
        QTest::newRow(name) << op << largest << allowNegative << draws << a << b << answer
                            << remainder << count;
    };
    const auto div = Operation::Division;
    const auto sub = Operation::Subtraction;

    // M = 10: operands Int(11 r), divisors Int(10 r) + 1.
    add("addition", Operation::Addition, 10, false, {0.3, 0.7}, 3, 7, 10, 0, 2);
    add("multiplication", Operation::Multiplication, 10, false, {0.7, 0.5}, 7, 5, 35, 0, 2);
    add("largest product", Operation::Multiplication, 99999, false, {top, top}, 99999, 99999,
        9999800001.0, 0, 2);
    add("division redrawn while dividend smaller", div, 10, false, {0.55, 0.9, 0.95, 0.35}, 6, 4, 1,
        2, 4);
    add("division divisor fits at once", div, 10, false, {0.55, 0.35, 0.99}, 6, 4, 1, 2, 2);
    add("division divisor equal to dividend", div, 10, false, {0.55, 0.5, 0.05}, 6, 6, 1, 0, 2);
    add("division dividend zero keeps divisor", div, 10, false, {0.0, 0.95, 0.05}, 0, 10, 0, 0, 2);
    add("division largest", div, 99999, false, {top, top}, 99999, 99999, 1, 0, 2);
    add("division non-whole largest", div, 2.5, false, {top, top}, 3, 3, 1, 0, 2);
    add("division first draw is the dividend", div, 10, false, {0.95, 0.15}, 10, 2, 5, 0, 2);
    add("division ignores negatives option", div, 10, true, {0.2, 0.9, 0.15}, 2, 2, 1, 0, 3);
    add("subtraction redrawn", sub, 10, false, {0.3, 0.7, 0.5, 0.2}, 3, 2, 1, 0, 4);
    add("subtraction fits at once", sub, 10, false, {0.7, 0.3, 0.9}, 7, 3, 4, 0, 2);
    add("subtraction equal operands", sub, 10, false, {0.5, 0.5, 0.0}, 5, 5, 0, 0, 2);
    add("subtraction from zero waits for zero", sub, 10, false, {0.0, 0.5, 0.3, top, 0.05}, 0, 0, 0,
        0, 5);
    add("subtraction negative allowed", sub, 10, true, {0.3, 0.7, 0.0}, 3, 7, -4, 0, 2);
    add("subtraction largest negative", sub, 99999, true, {0.0, top}, 0, 99999, -99999, 0, 2);
}

void TestQuestionGenerator::drawOrder()
{
    QFETCH(Operation, op);
    QFETCH(double, largest);
    QFETCH(bool, allowNegative);
    QFETCH(QList<double>, draws);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(double, answer);
    QFETCH(double, remainder);
    QFETCH(qsizetype, drawCount);

    ScriptedRandomSource random(draws);
    const Question q = DrawQuestion(op, largest, allowNegative, random);
    QCOMPARE(q.first, first);
    QCOMPARE(q.second, second);
    QCOMPARE(q.expectedAnswer, answer);
    if (op == Operation::Division)
        QCOMPARE(q.expectedRemainder, remainder);
    QCOMPARE(random.drawCount(), drawCount);
}

// With the largest value the source can give, Int((M + 1) r) must be M and
// Int(r M) + 1 must be M, never one more, for every whole M allowed.
void TestQuestionGenerator::largestDrawStaysInRange()
{
    const double top = DefaultRandomSource::largestValue;
    QVERIFY(top < 1.0);
    for (int m = 1; m <= 99999; ++m) {
        const double largest = m;
        if (std::floor((largest + 1) * top) > largest)
            QFAIL(qPrintable(QStringLiteral("Int((M + 1) r) reaches M + 1 for M = %1").arg(m)));
        ScriptedRandomSource random({top});
        const Question sum = DrawQuestion(Operation::Addition, largest, false, random);
        const Question quotient = DrawQuestion(Operation::Division, largest, false, random);
        if (sum.first != largest || sum.second != largest || quotient.first != largest ||
            quotient.second != largest)
            QFAIL(qPrintable(QStringLiteral("largest draw out of range for M = %1").arg(m)));
    }
}

void TestQuestionGenerator::defaultSourceValues()
{
    constexpr int draws = 1000000;
    DefaultRandomSource random(12345);
    DefaultRandomSource same(12345);
    DefaultRandomSource other(12346);
    double sum = 0;
    int differences = 0;
    for (int i = 0; i < draws; ++i) {
        const double r = random.Next();
        if (!(r >= 0.0 && r < 1.0))
            QFAIL(qPrintable(QStringLiteral("draw %1 gave %2").arg(i).arg(r, 0, 'g', 17)));
        if (same.Next() != r)
            QFAIL("the same seed gave another sequence");
        differences += other.Next() != r;
        sum += r;
    }
    QVERIFY(std::fabs(sum / draws - 0.5) < 0.002);
    QVERIFY(differences > draws - 10);
}

QTEST_GUILESS_MAIN(TestQuestionGenerator)
#include "tst_questiongenerator.moc"
