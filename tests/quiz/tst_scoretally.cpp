// Tests of the score tally: the four panel texts with the "##0.0" score, the
// reset, and the restart at the counters' limit of 32767.
#include "quiz/scoretally.h"

#include <QTest>

namespace {

const QLocale english(QLocale::English);

// The four panels for a tally of @p correct right and @p wrong wrong answers.
QStringList Panels(int correct, int wrong, const QString &score)
{
    return {QStringLiteral("Total questions = %1").arg(correct + wrong),
            QStringLiteral("Correct answers = %1").arg(correct),
            QStringLiteral("Wrong answers = %1").arg(wrong),
            QStringLiteral("Score = %1%").arg(score)};
}

} // namespace

class TestScoreTally : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void panelTexts_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("score");
        QTest::newRow("nothing judged") << 0 << 0 << "0.0";
        QTest::newRow("2 of 3") << 2 << 1 << "66.7";
        QTest::newRow("1 of 16, 6.25 up") << 1 << 15 << "6.3";
        QTest::newRow("1 of 80, 1.25 up") << 1 << 79 << "1.3";
        QTest::newRow("3 of 3") << 3 << 0 << "100.0";
        QTest::newRow("0 of 5") << 0 << 5 << "0.0";
        QTest::newRow("32766 of 32767") << 32766 << 1 << "100.0";
    }

    void panelTexts()
    {
        QFETCH(int, correct);
        QFETCH(int, wrong);
        QFETCH(QString, score);
        ScoreTally tally;
        for (int i = 0; i < correct + wrong; ++i)
            tally.count(i >= wrong);
        QCOMPARE(tally.panelTexts(english), Panels(correct, wrong, score));
        tally.reset();
        QCOMPARE(tally.panelTexts(english), Panels(0, 0, "0.0"));
    }

    // Halves are rounded up on the value as stored (0.35f lies below 0.35), and
    // the separator is the locale's.
    void scoreFormat()
    {
        QCOMPARE(formatScore(0.35f, english), "0.3");
        QCOMPARE(formatScore(200.0f / 3, QLocale(QLocale::German)), "66,7");
    }

    // The 32768th answer restarts the tally and is question 1 of the new one.
    void restartAtLimit()
    {
        for (const bool earlierRight : {true, false}) {
            ScoreTally tally;
            for (int i = 0; i < 32767; ++i) {
                if (tally.count(earlierRight))
                    QFAIL(qPrintable(QStringLiteral("restarted at answer %1").arg(i + 1)));
            }
            QCOMPARE(tally.panelTexts(english).first(), "Total questions = 32767");
            QVERIFY(tally.count(!earlierRight));
            QCOMPARE(tally.panelTexts(english),
                     Panels(!earlierRight, earlierRight, earlierRight ? "0.0" : "100.0"));
        }
    }
};

QTEST_GUILESS_MAIN(TestScoreTally)
#include "tst_scoretally.moc"
