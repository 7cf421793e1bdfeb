// Tests of the operation draw, the operand draws with their redraw rules and
// the right answers: scripted draws for the order, seeded draws for the ranges.
#include "quiz/questiongenerator.h"
#include "tests/doubles/scriptedrandomsource.h"

#include <QTest>
#include <cmath>
#include <set>

Q_DECLARE_METATYPE(Operation)

namespace {

const double top = DefaultRandomSource::largestValue;
const Operation plus = Operation::Addition, minus = Operation::Subtraction,
                times = Operation::Multiplication, divide = Operation::Division;

std::array<bool, operationCount> Enabled(const QString &mask)
{
    return {mask[0] == '1', mask[1] == '1', mask[2] == '1', mask[3] == '1'};
}

// The right answer, and for a division a = b x q + r with 0 <= r < b.
bool AnswerHolds(const Question &q)
{
    const double a = q.first, b = q.second, x = q.expectedAnswer, r = q.expectedRemainder;
    if (q.operation == Operation::Division)
        return x == std::floor(x) && a == b * x + r && r >= 0 && r < b;
    const double answers[] = {a + b, a - b, a * b};
    return x == answers[indexOf(q.operation)];
}

} // namespace

class TestQuestionGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A question as the window makes it: the operation, then the operands,
    // all from one source. -1 stands for no operation.
    void scriptedDraws_data()
    {
        QTest::addColumn<QString>("mask"); // the enabled operations
        QTest::addColumn<bool>("allowNegative");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<double>>("drawn"); // operation, a, b, number of draws
        const auto row = [](const char *name, const char *mask, bool neg,
                            const QList<double> &draws, const QList<double> &drawn) {
            QTest::newRow(name) << QString(mask) << neg << draws << drawn;
        };
        // M = 10: operands are Int(11 r), divisors Int(10 r) + 1.
        row("a quarter, a then b", "1111", false, {0.25, 0.7, 0.3}, {1, 7, 3, 3});
        row("just below a quarter", "1111", false, {0.2499999, 0.3, 0.7}, {0, 3, 7, 3});
        row("largest value", "1111", false, {top, 0.55, 0.35}, {3, 6, 4, 3});
        row("skips disabled", "0010", false, {0.0, 0.3, 0.99, 0.6, 0.7, 0.5}, {2, 7, 5, 6});
        row("none enabled, no draw", "0000", false, {0.5}, {-1, 0, 0, 0});
        row("divisor redrawn", "0001", false, {0.9, 0.55, 0.9, 0.95, 0.35}, {3, 6, 4, 5});
        row("divisor equal to dividend", "0001", false, {0.9, 0.55, 0.5, 0.05}, {3, 6, 6, 3});
        row("0 keeps its divisor", "0001", false, {0.9, 0.0, 0.95, 0.05}, {3, 0, 10, 3});
        row("division ignores negatives", "0001", true, {0.9, 0.2, 0.9, 0.15}, {3, 2, 2, 4});
        row("subtrahend redrawn", "0100", false, {0.3, 0.3, 0.7, 0.5, 0.2}, {1, 3, 2, 5});
        row("equal operands", "0100", false, {0.3, 0.5, 0.5, 0.0}, {1, 5, 5, 3});
        row("0 waits for 0", "0100", false, {0.3, 0.0, 0.5, 0.3, top, 0.05}, {1, 0, 0, 6});
        row("negative allowed", "0100", true, {0.3, 0.3, 0.7, 0.0}, {1, 3, 7, 3});
    }

    void scriptedDraws()
    {
        QFETCH(QString, mask);
        QFETCH(bool, allowNegative);
        QFETCH(QList<double>, draws);
        QFETCH(QList<double>, drawn);
        ScriptedRandomSource random(draws);
        const std::optional<Operation> op = PickOperation(Enabled(mask), random);
        Question q;
        if (op)
            q = drawQuestion(*op, 10, allowNegative, random);
        QCOMPARE(QList<double>(
                     {op ? indexOf(*op) : -1.0, q.first, q.second, double(random.drawCount())}),
                 drawn);
        QVERIFY(!op || (q.operation == *op && AnswerHolds(q)));
    }

    // Many seeded draws keep every rule, and with a small M every allowed pair
    // turns up: b in 1..M for a = 0, else in 1..a; b in 0..a; any b in 0..M.
    void drawRanges()
    {
        const std::pair<Operation, bool> kinds[] = {
            {plus, false}, {minus, false}, {minus, true}, {times, false}, {divide, false}};
        for (const double m : {1.0, 2.5, 10.0, 99999.0}) {
            const double most = std::ceil(m + 1) - 1; // Int((M + 1) r) and Int(r M) + 1
            for (const auto &[op, negatives] : kinds) {
                const bool redraw = op == minus && !negatives;
                const QString where = QStringLiteral("%1, M = %2").arg(operationName(op)).arg(m);
                DefaultRandomSource random(7);
                std::set<std::pair<double, double>> pairs;
                for (int i = 0; i < 20000; ++i) {
                    const Question q = drawQuestion(op, m, negatives, random);
                    const double a = q.first, b = q.second;
                    pairs.insert({a, b});
                    if (a != std::floor(a) || b != std::floor(b) || a < 0 || a > most || b > most ||
                        (op == divide ? b < 1 || (a != 0 && b > a) : b < 0 || (redraw && b > a)) ||
                        !AnswerHolds(q))
                        QFAIL(qPrintable(where + QStringLiteral(": %1 and %2").arg(a).arg(b)));
                }
                const double allowed = op == divide ? most + most * (most + 1) / 2
                                       : redraw     ? (most + 1) * (most + 2) / 2
                                                    : (most + 1) * (most + 1);
                QVERIFY2(m > 10 || double(pairs.size()) == allowed, qPrintable(where));
            }
        }
    }

    // The largest value the source gives makes Int((M + 1) r) and Int(r M) + 1
    // both M, never M + 1, for every whole M allowed.
    void largestDrawIsM()
    {
        for (int m = 1; m <= 99999; ++m) {
            ScriptedRandomSource random({top});
            const Question sum = drawQuestion(plus, m, false, random);
            const Question quotient = drawQuestion(divide, m, false, random);
            if (sum.first != m || sum.second != m || quotient.first != m || quotient.second != m)
                QFAIL(qPrintable(QStringLiteral("out of range for M = %1").arg(m)));
        }
    }
};

QTEST_GUILESS_MAIN(TestQuestionGenerator)
#include "tst_questiongenerator.moc"
