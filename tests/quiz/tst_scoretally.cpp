// Tests of the score tally: the panel texts, the score format, the reset
// and the restart at the counters' limit.
#include "quiz/scoretally.h"

#include <QTest>

class TestScoreTally : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void panelTexts_data();
    void panelTexts();
    void formatScore_data();
    void formatScore();
    void reset();
    void restartAtLimit_data();
    void restartAtLimit();
    void longRunKeepsInvariant();
};

namespace {

const QLocale english(QLocale::English);

ScoreTally TallyOf(int correct, int wrong)
{
    ScoreTally tally;
    // Interleaved so that the order of answers cannot matter.
    for (int i = 0; i < correct || i < wrong; ++i) {
        if (i < wrong)
            tally.Count(false);
        if (i < correct)
            tally.Count(true);
    }
    return tally;
}

} // namespace

void TestScoreTally::panelTexts_data()
{
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("score");

    QTest::newRow("nothing judged") << 0 << 0 << false << "0.0";
    QTest::newRow("2 of 3") << 2 << 1 << false << "66.7";
    QTest::newRow("2 of 3 in German") << 2 << 1 << true << "66,7";
    QTest::newRow("1 of 16") << 1 << 15 << false << "6.3";
    QTest::newRow("3 of 3") << 3 << 0 << false << "100.0";
    QTest::newRow("0 of 5") << 0 << 5 << false << "0.0";
    QTest::newRow("1 of 3") << 1 << 2 << false << "33.3";
    QTest::newRow("1 of 8") << 1 << 7 << false << "12.5";
    QTest::newRow("1 of 80 rounds half up") << 1 << 79 << false << "1.3";
    QTest::newRow("3 of 80 rounds half up") << 3 << 77 << false << "3.8";
    QTest::newRow("1 of 32") << 1 << 31 << false << "3.1";
    QTest::newRow("5 of 6") << 5 << 1 << false << "83.3";
    QTest::newRow("1 of 1000") << 1 << 999 << false << "0.1";
    QTest::newRow("1 of 2001") << 1 << 2000 << false << "0.0";
    QTest::newRow("all but one of 32767") << 32766 << 1 << false << "100.0";
    QTest::newRow("one of 32767") << 1 << 32766 << false << "0.0";
    QTest::newRow("half of 32766") << 16383 << 16383 << false << "50.0";
}

void TestScoreTally::panelTexts()
{
    QFETCH(int, correct);
    QFETCH(int, wrong);
    QFETCH(bool, german);
    QFETCH(QString, score);

    const ScoreTally tally = TallyOf(correct, wrong);
    QCOMPARE(tally.correctAnswers(), correct);
    QCOMPARE(tally.wrongAnswers(), wrong);
    QCOMPARE(tally.totalQuestions(), correct + wrong);
    const QStringList expected = {
        QStringLiteral("Total questions = %1").arg(correct + wrong),
        QStringLiteral("Correct answers = %1").arg(correct),
        QStringLiteral("Wrong answers = %1").arg(wrong),
        QStringLiteral("Score = %1%").arg(score),
    };
    QCOMPARE(tally.PanelTexts(QLocale(german ? QLocale::German : QLocale::English)), expected);
}

void TestScoreTally::formatScore_data()
{
    QTest::addColumn<float>("score");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");

    QTest::newRow("zero") << 0.0f << "0.0"
                          << "0,0";
    QTest::newRow("fifty") << 50.0f << "50.0"
                           << "50,0";
    QTest::newRow("two thirds") << float(200.0 / 3.0) << "66.7"
                                << "66,7";
    QTest::newRow("6.25 rounds up") << 6.25f << "6.3"
                                    << "6,3";
    QTest::newRow("0.05 stored above half") << 0.05f << "0.1"
                                            << "0,1";
    // 0.35 is stored just below the half and is rounded as stored.
    QTest::newRow("0.35 stored below half") << 0.35f << "0.3"
                                            << "0,3";
    QTest::newRow("0.04") << 0.04f << "0.0"
                          << "0,0";
    QTest::newRow("99.96") << 99.96f << "100.0"
                           << "100,0";
    QTest::newRow("hundred") << 100.0f << "100.0"
                             << "100,0";
    QTest::newRow("single digit") << 7.0f << "7.0"
                                  << "7,0";
}

void TestScoreTally::formatScore()
{
    QFETCH(float, score);
    QFETCH(QString, english);
    QFETCH(QString, german);

    QCOMPARE(FormatScore(score, QLocale(QLocale::English)), english);
    QCOMPARE(FormatScore(score, QLocale(QLocale::German)), german);
}

void TestScoreTally::reset()
{
    ScoreTally tally = TallyOf(4, 3);
    tally.Reset();
    QCOMPARE(tally.totalQuestions(), 0);
    QCOMPARE(tally.correctAnswers(), 0);
    QCOMPARE(tally.wrongAnswers(), 0);
    QCOMPARE(tally.PanelTexts(english), QStringList({"Total questions = 0", "Correct answers = 0",
                                                     "Wrong answers = 0", "Score = 0.0%"}));
    // The next answer is question 1 of the new tally.
    QVERIFY(!tally.Count(false));
    QCOMPARE(tally.PanelTexts(english), QStringList({"Total questions = 1", "Correct answers = 0",
                                                     "Wrong answers = 1", "Score = 0.0%"}));
}

void TestScoreTally::restartAtLimit_data()
{
    QTest::addColumn<bool>("lastRight");
    QTest::addColumn<bool>("earlierRight");

    QTest::newRow("right after all right") << true << true;
    QTest::newRow("wrong after all right") << false << true;
    QTest::newRow("right after all wrong") << true << false;
    QTest::newRow("wrong after all wrong") << false << false;
}

void TestScoreTally::restartAtLimit()
{
    QFETCH(bool, lastRight);
    QFETCH(bool, earlierRight);

    ScoreTally tally;
    for (int i = 0; i < ScoreTally::counterLimit; ++i) {
        if (tally.Count(earlierRight))
            QFAIL(qPrintable(QStringLiteral("restarted at answer %1").arg(i + 1)));
    }
    QCOMPARE(tally.totalQuestions(), 32767);
    QCOMPARE(earlierRight ? tally.correctAnswers() : tally.wrongAnswers(), 32767);
    QCOMPARE(tally.PanelTexts(english).at(0), QStringLiteral("Total questions = 32767"));

    QVERIFY(tally.Count(lastRight));
    QCOMPARE(tally.totalQuestions(), 1);
    QCOMPARE(tally.correctAnswers(), lastRight ? 1 : 0);
    QCOMPARE(tally.wrongAnswers(), lastRight ? 0 : 1);
    QCOMPARE(tally.PanelTexts(english).at(3),
             lastRight ? QStringLiteral("Score = 100.0%") : QStringLiteral("Score = 0.0%"));
}

void TestScoreTally::longRunKeepsInvariant()
{
    ScoreTally tally;
    int restarts = 0;
    for (int i = 1; i <= 70000; ++i) {
        restarts += tally.Count(i % 3 != 0);
        const int total = tally.totalQuestions();
        if (total < 1 || total > 32767 || tally.correctAnswers() < 0 || tally.wrongAnswers() < 0 ||
            total != tally.correctAnswers() + tally.wrongAnswers())
            QFAIL(qPrintable(QStringLiteral("tally %1 = %2 + %3 after %4 answers")
                                 .arg(total)
                                 .arg(tally.correctAnswers())
                                 .arg(tally.wrongAnswers())
                                 .arg(i)));
    }
    // Restarts at answers 32768 and 65535; the rest are counted after the second.
    QCOMPARE(restarts, 2);
    QCOMPARE(tally.totalQuestions(), 70000 - 65534);
}

QTEST_GUILESS_MAIN(TestScoreTally)
#include "tst_scoretally.moc"
