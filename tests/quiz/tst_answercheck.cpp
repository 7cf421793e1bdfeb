// Tests of the checks a typed answer must pass, their messages, the exact
// judging of the answer against the right values, and the sentences a screen
// reader speaks for a question and its verdict.
#include "quiz/answercheck.h"
#include "quiz/practicesession.h"

#include <QTest>

Q_DECLARE_METATYPE(AnswerProblem)
Q_DECLARE_METATYPE(Operation)

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row is checked, and judged even when the check refuses it: the
    // judging reads only the leading number, whatever the locale.
    void checkAndJudge_data()
    {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QList<double>>("expected"); // answer, remainder
        QTest::addColumn<QStringList>("typed");      // answer, remainder
        QTest::addColumn<bool>("german");
        QTest::addColumn<AnswerProblem>("problem");
        QTest::addColumn<bool>("right");
        const auto row = [](const char *name, Operation op, double answer, double remainder,
                            const QStringList &typed, bool german, AnswerProblem problem,
                            bool right) {
            QTest::newRow(name) << op << QList{answer, remainder} << typed << german << problem
                                << right;
        };
        const auto add = Operation::Addition, sub = Operation::Subtraction;
        const auto mul = Operation::Multiplication, div = Operation::Division;
        using P = AnswerProblem;
        row("remainder ignored", add, 12, 3, {"12", "junk"}, false, P::None, true);
        row("blanks, 12.0", add, 12, 0, {" 12.0 ", ""}, false, P::None, true);
        row("no tolerance", add, 12, 0, {"12.0000000001", ""}, false, P::None, false);
        row("empty", add, 0, 0, {"", ""}, false, P::AnswerMissing, true);
        row("blanks only", add, 12, 0, {"   ", ""}, false, P::AnswerNotNumber, false);
        row("letters after digits", add, 12, 0, {"12abc", ""}, false, P::AnswerNotNumber, true);
        row("comma in English", add, 2, 0, {"2,5", ""}, false, P::AnswerNotNumber, true);
        row("comma in German", add, 2, 0, {"2,5", ""}, true, P::None, true);
        row("3 - 7 = -4", sub, -4, 0, {"-4", ""}, false, P::None, true);
        row("4 for -4", sub, -4, 0, {"4", ""}, false, P::None, false);
        row("largest product", mul, 9999800001.0, 0, {"9999800001", ""}, false, P::None, true);
        row("one below it", mul, 9999800001.0, 0, {"9999800000", ""}, false, P::None, false);
        row("17 / 5 = 3 r 2", div, 3, 2, {" 3 ", "2.0"}, false, P::None, true);
        row("wrong remainder", div, 3, 2, {"3", "1"}, false, P::None, false);
        row("wrong quotient", div, 3, 2, {"4", "2"}, false, P::None, false);
        row("3.4 for 17 / 5", div, 3, 2, {"3.4", "2"}, false, P::None, false);
        row("answer empty first", div, 3, 2, {"", "x"}, false, P::AnswerMissing, false);
        row("answer before remainder", div, 3, 2, {"abc", ""}, false, P::AnswerNotNumber, false);
        row("remainder empty", div, 3, 2, {"3", ""}, false, P::RemainderMissing, false);
        row("point in German", div, 3, 2, {"3", "2.0"}, true, P::RemainderNotNumber, true);
    }

    void checkAndJudge()
    {
        QFETCH(Operation, op);
        QFETCH(QList<double>, expected);
        QFETCH(QStringList, typed);
        QFETCH(bool, german);
        QFETCH(AnswerProblem, problem);
        QFETCH(bool, right);
        const QLocale locale(german ? QLocale::German : QLocale::English);
        const AnswerProblem found =
            findAnswerProblem(typed[0], typed[1], op == Operation::Division, locale);
        QCOMPARE(int(found), int(problem));
        const bool missing =
            problem == AnswerProblem::AnswerMissing || problem == AnswerProblem::RemainderMissing;
        QCOMPARE(answerProblemMessage(found),
                 problem == AnswerProblem::None ? QString()
                 : missing                      ? QStringLiteral("You must supply an answer")
                                                : QStringLiteral("You must enter a valid number"));
        QCOMPARE(isRightAnswer(op, expected[0], expected[1], typed[0], typed[1]), right);
    }

    void spokenSentences_data()
    {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("question"); // answer box | remainder box
        QTest::addColumn<QString>("verdict");
        QTest::newRow("7 + 5") << Operation::Addition << false << "7 plus 5|"
                               << "Wrong, the answer is 12";
        QTest::newRow("3 - 7") << Operation::Subtraction << true << "3 minus 7|"
                               << "Right";
        QTest::newRow("99999 x 99999") << Operation::Multiplication << false << "99999 times 99999|"
                                       << "Wrong, the answer is 9999800001";
        QTest::newRow("17 / 5") << Operation::Division << false
                                << "17 divided by 5, answer and remainder|"
                                   "remainder of 17 divided by 5"
                                << "Wrong, the answer is 3 remainder 2";
    }
    void spokenSentences()
    {
        QFETCH(Operation, op);
        QFETCH(bool, right);
        QFETCH(QString, question);
        QFETCH(QString, verdict);
        const QStringList numbers = QString(QTest::currentDataTag()).split(' ');
        const double first = numbers[0].toDouble(), second = numbers[2].toDouble();
        const double answer = op == Operation::Addition      ? first + second
                              : op == Operation::Subtraction ? first - second
                              : op == Operation::Division    ? 3
                                                             : first * second;
        const Question asked{op, first, second, answer, 2};
        QCOMPARE(spokenQuestion(asked) + '|' +
                     (op == Operation::Division ? spokenRemainderQuestion(asked) : QString()),
                 question);
        QCOMPARE(spokenVerdict({right, op, answer, 2}), verdict);
    }
};

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
