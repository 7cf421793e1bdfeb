// A long practice run through the real window: more answers than the
// counters can hold, every kind of answer text, and no broken tally.
#include "windowfixture.h"

#include <QClipboard>
#include <QElapsedTimer>

namespace {

// Types plain ASCII key by key; anything else (tabs, other scripts) is
// pasted, as a user would bring it in.
void Enter(QLineEdit *box, const QString &text)
{
    bool plain = true;
    for (QChar c : text)
        plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (plain) {
        QTest::keyClicks(box, text);
        return;
    }
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class TestStress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longRunKeepsTheTallyWhole()
    {
        auto store = std::make_shared<MemorySettingsStore>();
        store->values = {{"chkOpt1", "1"},          {"chkOpt2", "1"},     {"chkOpt3", "1"},
                         {"chkAllowNegative", "1"}, {"txtMax0", "99999"}, {"txtMax1", "99999"},
                         {"txtMax2", "99999"},      {"txtMax3", "99999"}};
        auto random = std::make_unique<DefaultRandomSource>(20261206);
        RecordingMessages messages;
        MainWindow window(*store, messages, std::move(random));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        auto *answer = window.findChild<QLineEdit *>("txtUserAnswer");
        auto *remainder = window.findChild<QLineEdit *>("txtRemainder");
        auto *button = window.findChild<QPushButton *>("cmdAnswer");
        auto *panel1 = window.findChild<QLabel *>("panel1");

        // Texts of every kind: right, wrong, decimal, signed, exponent,
        // blank, letters, too long to type whole, and characters outside ASCII.
        const QStringList junk = {"",     " ",  "abc",        "12a",   "1e999",
                                  "-0",   "+5", "2.5",        "1e3",   "0x10",
                                  "１２", "١٢", "9999800001", "\t7\t", "1,5",
                                  "-.5",  "..", "e5",         "5e",    "12345678901234"};
        constexpr int answers = 40000;
        int judged = 0;
        int rejected = 0;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; judged < answers; ++i) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(button->text(), "Check Answer");
            const QuizState &state = window.quizState();
            const bool division = state.currentOperation == Operation::Division;
            // Every third answer right, the others drawn from the junk list.
            const QString text = i % 3 == 0
                                     ? QString::number(static_cast<qint64>(state.expectedAnswer))
                                     : junk.at(i % junk.size());
            Enter(answer, text);
            if (division)
                Enter(remainder, QString::number(static_cast<qint64>(state.expectedRemainder)));
            const qsizetype before = messages.messages.size();
            QTest::mouseClick(button, Qt::LeftButton);
            if (messages.messages.size() > before) {
                // Rejected: the cycle stays on this question; clear and answer it.
                ++rejected;
                answer->clear();
                QTest::keyClicks(answer, "0");
                if (division) {
                    remainder->clear();
                    QTest::keyClicks(remainder, "0");
                }
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QCOMPARE(button->text(), "Next Question");
            ++judged;

            const ScoreTally &tally = state.tally;
            QVERIFY(tally.totalQuestions() > 0);
            QCOMPARE(tally.totalQuestions(), tally.correctAnswers() + tally.wrongAnswers());
            QCOMPARE(tally.totalQuestions(), (judged - 1) % ScoreTally::counterLimit + 1);
        }
        QCOMPARE(panel1->text(),
                 QStringLiteral("Total questions = %1").arg(answers - ScoreTally::counterLimit));
        QVERIFY(rejected > 0);
        qInfo("%d answers judged (%d first rejected) in %lld ms", judged, rejected,
              static_cast<long long>(timer.elapsed()));
    }
};

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
