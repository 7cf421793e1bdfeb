// Tests of the checks a typed answer must pass and of the exact judging of
// the answer against the right values.
#include "quiz/answercheck.h"

#include <QTest>

Q_DECLARE_METATYPE(AnswerProblem)
Q_DECLARE_METATYPE(Operation)

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findAnswerProblem_data();
    void findAnswerProblem();
    void isRightAnswer_data();
    void isRightAnswer();
    void acceptedFormJudgedByLeadingNumber();
};

namespace {

const QString supplyAnswer = QStringLiteral("You must supply an answer");
const QString validNumber = QStringLiteral("You must enter a valid number");

} // namespace

void TestAnswerCheck::findAnswerProblem_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("remainder");
    QTest::addColumn<bool>("division");
    QTest::addColumn<bool>("german");
    QTest::addColumn<AnswerProblem>("problem");
    QTest::addColumn<QString>("message");

    const auto none = AnswerProblem::None;
    const auto missing = AnswerProblem::AnswerMissing;
    const auto notNumber = AnswerProblem::AnswerNotNumber;
    const auto remMissing = AnswerProblem::RemainderMissing;
    const auto remNotNumber = AnswerProblem::RemainderNotNumber;

    QTest::newRow("empty answer") << ""
                                  << "" << false << false << missing << supplyAnswer;
    QTest::newRow("empty answer before remainder")
        << ""
        << "x" << true << false << missing << supplyAnswer;
    QTest::newRow("letters") << "abc"
                             << "" << false << false << notNumber << validNumber;
    QTest::newRow("blanks only") << "   "
                                 << "" << false << false << notNumber << validNumber;
    QTest::newRow("digits then letters") << "12abc"
                                         << "" << false << false << notNumber << validNumber;
    QTest::newRow("answer checked before remainder")
        << "abc"
        << "" << true << false << notNumber << validNumber;
    QTest::newRow("remainder empty") << "3"
                                     << "" << true << false << remMissing << supplyAnswer;
    QTest::newRow("remainder blanks") << "3"
                                      << "  " << true << false << remNotNumber << validNumber;
    QTest::newRow("remainder letters") << "3"
                                       << "x2" << true << false << remNotNumber << validNumber;
    QTest::newRow("non-division ignores remainder")
        << "3"
        << "junk" << false << false << none << QString();
    QTest::newRow("non-division ignores empty remainder")
        << "3"
        << "" << false << false << none << QString();
    QTest::newRow("division complete") << "3"
                                       << "2" << true << false << none << QString();
    QTest::newRow("blanks around") << " 12 "
                                   << " 0 " << true << false << none << QString();
    QTest::newRow("negative") << "-4"
                              << "" << false << false << none << QString();
    QTest::newRow("decimal comma in English") << "2,5"
                                              << "" << false << false << notNumber << validNumber;
    QTest::newRow("decimal comma in German") << "2,5"
                                             << "" << false << true << none << QString();
    QTest::newRow("decimal point in German remainder")
        << "2"
        << "0.5" << true << true << remNotNumber << validNumber;
}

void TestAnswerCheck::findAnswerProblem()
{
    QFETCH(QString, answer);
    QFETCH(QString, remainder);
    QFETCH(bool, division);
    QFETCH(bool, german);
    QFETCH(AnswerProblem, problem);
    QFETCH(QString, message);

    const QLocale locale(german ? QLocale::German : QLocale::English);
    const AnswerProblem found = FindAnswerProblem(answer, remainder, division, locale);
    QCOMPARE(int(found), int(problem));
    QCOMPARE(AnswerProblemMessage(found), message);
}

void TestAnswerCheck::isRightAnswer_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("expectedRemainder");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("remainder");
    QTest::addColumn<bool>("right");

    const auto add = Operation::Addition;
    const auto sub = Operation::Subtraction;
    const auto mul = Operation::Multiplication;
    const auto div = Operation::Division;

    QTest::newRow("7 + 5 = 12") << add << 12.0 << 0.0 << "12"
                                << "" << true;
    QTest::newRow("12.0") << add << 12.0 << 0.0 << "12.0"
                          << "" << true;
    QTest::newRow("12.00 with exponent") << add << 12.0 << 0.0 << "1.200e1"
                                         << "" << true;
    QTest::newRow("blanks before") << add << 12.0 << 0.0 << "  12"
                                   << "" << true;
    QTest::newRow("13") << add << 12.0 << 0.0 << "13"
                        << "" << false;
    QTest::newRow("nearly 12") << add << 12.0 << 0.0 << "11.999999"
                               << "" << false;
    QTest::newRow("just above 12") << add << 12.0 << 0.0 << "12.000001"
                                   << "" << false;
    QTest::newRow("a ten-billionth off") << add << 12.0 << 0.0 << "12.0000000001"
                                         << "" << false;
    QTest::newRow("4 answered -4") << sub << 4.0 << 0.0 << "-4"
                                   << "" << false;
    QTest::newRow("3 - 7 = -4") << sub << -4.0 << 0.0 << "-4"
                                << "" << true;
    QTest::newRow("3 - 7 answered 4") << sub << -4.0 << 0.0 << "4"
                                      << "" << false;
    QTest::newRow("negative zero") << sub << 0.0 << 0.0 << "-0"
                                   << "" << true;
    QTest::newRow("largest product") << mul << 9999800001.0 << 0.0 << "9999800001"
                                     << "" << true;
    QTest::newRow("largest product less one") << mul << 9999800001.0 << 0.0 << "9999800000"
                                              << "" << false;
    QTest::newRow("largest product plus one") << mul << 9999800001.0 << 0.0 << "9999800002"
                                              << "" << false;
    QTest::newRow("remainder ignored for addition") << add << 12.0 << 3.0 << "12"
                                                    << "junk" << true;
    QTest::newRow("stale remainder ignored") << mul << 12.0 << 5.0 << "12"
                                             << "" << true;
    QTest::newRow("17 / 5 = 3 r 2") << div << 3.0 << 2.0 << "3"
                                    << "2" << true;
    QTest::newRow("17 / 5 wrong remainder") << div << 3.0 << 2.0 << "3"
                                            << "1" << false;
    QTest::newRow("17 / 5 wrong quotient") << div << 3.0 << 2.0 << "4"
                                           << "2" << false;
    QTest::newRow("17 / 5 as 3.4") << div << 3.0 << 2.0 << "3.4"
                                   << "0" << false;
    QTest::newRow("17 / 5 as 3.4 with remainder") << div << 3.0 << 2.0 << "3.4"
                                                  << "2" << false;
    QTest::newRow("remainder 2.0") << div << 3.0 << 2.0 << "3"
                                   << "2.0" << true;
    QTest::newRow("remainder zero") << div << 5.0 << 0.0 << "5"
                                    << "0" << true;
    QTest::newRow("remainder blanks before") << div << 5.0 << 0.0 << "5"
                                             << " 0" << true;
    QTest::newRow("0 / 7") << div << 0.0 << 0.0 << "0"
                           << "0" << true;
    QTest::newRow("5 / 2 as 2.5") << div << 2.0 << 1.0 << "2.5"
                                  << "1" << false;
    QTest::newRow("decimal comma read up to the comma") << add << 2.0 << 0.0 << "2,5"
                                                        << "" << true;
    QTest::newRow("letters after the digits") << add << 12.0 << 0.0 << "12abc"
                                              << "" << true;
}

void TestAnswerCheck::isRightAnswer()
{
    QFETCH(Operation, op);
    QFETCH(double, expected);
    QFETCH(double, expectedRemainder);
    QFETCH(QString, answer);
    QFETCH(QString, remainder);
    QFETCH(bool, right);

    QCOMPARE(IsRightAnswer(op, expected, expectedRemainder, answer, remainder), right);
}

// The number check and the judging read the text differently: a text the
// check refuses is never judged, but when judged it counts by its leading
// number.
void TestAnswerCheck::acceptedFormJudgedByLeadingNumber()
{
    const QLocale english(QLocale::English);
    QCOMPARE(int(FindAnswerProblem(QStringLiteral("12abc"), {}, false, english)),
             int(AnswerProblem::AnswerNotNumber));
    QVERIFY(IsRightAnswer(Operation::Addition, 12, 0, QStringLiteral("12abc"), {}));

    // In German "12,7" passes the check, and is judged as 12.
    const QLocale german(QLocale::German);
    QCOMPARE(int(FindAnswerProblem(QStringLiteral("12,7"), {}, false, german)),
             int(AnswerProblem::None));
    QVERIFY(IsRightAnswer(Operation::Addition, 12, 0, QStringLiteral("12,7"), {}));
}

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
