// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long practice run through the real window: more answers than the
// counters can hold, answer texts of every kind, and never a broken tally.
// Run on demand (minutes, not seconds): see bench/README.md.
#include "tests/doubles/memorysettingsstore.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
class CountedMessages final : public UserMessages
{
public:
    void warn(QWidget *, const QString &, const QString &) override { ++count; }
    qsizetype count = 0;
};
} // namespace

class StressRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longRunKeepsTheTallyWhole()
    {
        auto store = std::make_shared<MemorySettingsStore>();
        store->values = {{"chkOpt1", "1"},          {"chkOpt2", "1"},     {"chkOpt3", "1"},
                         {"chkAllowNegative", "1"}, {"txtMax0", "99999"}, {"txtMax1", "99999"},
                         {"txtMax2", "99999"},      {"txtMax3", "99999"}};
        CountedMessages messages;
        MainWindow window(*store, messages, std::make_unique<DefaultRandomSource>(20261206));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *answer = window.findChild<QLineEdit *>("txtUserAnswer");
        auto *remainder = window.findChild<QLineEdit *>("txtRemainder");
        auto *button = window.findChild<QPushButton *>("cmdAnswer");
        const PracticeSession &session = window.session();
        // Pasted, so tabs and other scripts arrive as a user could bring them in.
        const auto paste = [](QLineEdit *box, const QString &text) {
            box->clear();
            QApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        };
        const QStringList junk = {"",     " ",  "abc",        "12a",   "1e999",
                                  "-0",   "+5", "2.5",        "1e3",   "0x10",
                                  "１２", "١٢", "9999800001", "\t7\t", "1,5",
                                  "-.5",  "..", "e5",         "5e",    "12345678901234"};
        constexpr int answers = 40000;
        for (int i = 0; i < answers; ++i) {
            QTest::mouseClick(button, Qt::LeftButton);
            const bool division = session.question().operation == Operation::Division;
            const QString right =
                QString::number(static_cast<qint64>(session.question().expectedAnswer));
            paste(answer, i % 3 == 0 ? right : junk.at(i % junk.size()));
            if (division)
                paste(remainder,
                      QString::number(static_cast<qint64>(session.question().expectedRemainder)));
            const qsizetype before = messages.count;
            QTest::mouseClick(button, Qt::LeftButton);
            if (messages.count > before) { // rejected: answer it with a number
                paste(answer, "0");
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QCOMPARE(button->text(), "Next Question");
            const ScoreTally &tally = session.tally();
            QCOMPARE(tally.totalQuestions(), tally.correctAnswers() + tally.wrongAnswers());
            QCOMPARE(tally.totalQuestions(), i % ScoreTally::counterLimit + 1);
        }
        QCOMPARE(window.findChild<QLabel *>("panel1")->text(),
                 QStringLiteral("Total questions = %1").arg(answers - ScoreTally::counterLimit));
    }
};

QTEST_MAIN(StressRun)
#include "stress.moc"
