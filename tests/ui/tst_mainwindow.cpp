// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's wiring, driven through its real controls: the options
// panel and its saving at close, each message with its focus and selection,
// judging and what a screen reader gets from it, the keys, readable colours
// and the About window.
#include "ui/about/aboutwindow.h"
#include "ui/common/uimetrics.h"
#include "ui/main/twostatecheckbox.h"
#include "windowfixture.h"

#include <QTimer>

namespace {

// One question of each operation, with largest number 10 (20 for Division):
// 7 + 5, 7 - 3, 7 * 5, 17 / 5. The draws: operation, then the operands.
const QList<double> draws[4] = {{0.1, 0.65, 0.5},
                                {0.3, 7.5 / 11, 3.5 / 11},
                                {0.6, 7.5 / 11, 5.5 / 11},
                                {0.8, 17.5 / 21, 0.225}};
const QString only[4] = {"", "chkOpt0=0 chkOpt1=1", "chkOpt0=0 chkOpt2=1",
                         "chkOpt0=0 chkOpt3=1 txtMax3=20"};

// The options panel in one line: each check box's value and each box's
// text, then "cmd" for Reset Score and "sta" for the status bar, a disabled
// or hidden control marked with "-"; last, the session's negative answers.
QString panel(WindowUnderTest &t)
{
    QString line;
    for (const char *name :
         {"chkOpt0", "txtMax0", "chkOpt1", "txtMax1", "chkOpt2", "txtMax2", "chkOpt3", "txtMax3",
          "chkAllowNegative", "chkScore", "cmdResetScore", "status1"}) {
        QWidget *w = t.get(name);
        const auto *box = qobject_cast<TwoStateCheckBox *>(w);
        const auto *edit = qobject_cast<QLineEdit *>(w);
        const QString value = box    ? QString::number(box->value())
                              : edit ? edit->text()
                                     : QString(name).left(3);
        line += (w->isEnabled() && !w->isHidden() ? " " : " -") + value;
    }
    return line.mid(1) + (t.window.session().allowNegative() ? " neg" : " pos");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsPanel_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("actions");    // groups split by ";", each as act() takes it
        QTest::addColumn<QStringList>("panels"); // after each group
        QTest::newRow("typed (5 characters at most) and ticked")
            << ""
            << ";txtMax0=abcdefg chkOpt0 chkOpt1 txtMax1= chkAllowNegative chkOpt2 txtMax2=12"
            << QStringList{"1 10 0 -10 0 -10 0 -10 -0 1 cmd sta pos",
                           "0 -abcde 1  1 12 0 -10 1 1 cmd sta neg"};
        QTest::newRow("greyed score box")
            << "chkScore=2"
            << ";chkOpt1 chkAllowNegative chkOpt1 chkOpt0;chkScore;chkScore chkOpt0"
            << QStringList{"1 10 0 -10 0 -10 0 -10 -0 2 cmd sta pos",
                           "0 -10 0 -10 0 -10 0 -10 -1 2 cmd sta neg",
                           "0 -10 0 -10 0 -10 0 -10 -1 1 cmd sta neg",
                           "1 10 0 -10 0 -10 0 -10 -1 0 -cmd -sta neg"};
    }
    // Each operation's tick enables its box, Subtraction's also "Allow
    // negative answers"; the score box shows the bar and enables Reset Score.
    // A stored greyed score box ticks at the first click and keeps the score
    // shown. The options are saved once at close and come back as they were;
    // a save that fails is reported.
    void optionsPanel()
    {
        QFETCH(QString, stored);
        QFETCH(QString, actions);
        QFETCH(QStringList, panels);
        WindowUnderTest t({0.0}, stored);
        QStringList seen;
        for (const QString &group : actions.split(';')) {
            t.act(group);
            seen << panel(t);
        }
        QCOMPARE(seen, panels);
        t.window.close();
        QCOMPARE(QString::number(t.store->commitCount) + ' ' + t.store->values.keys().join(' '),
                 "1 chkAllowNegative chkOpt0 chkOpt1 chkOpt2 "
                 "chkOpt3 chkScore txtMax0 txtMax1 txtMax2 txtMax3");
        WindowUnderTest again({0.0}, {}, t.store);
        QCOMPARE(panel(again), panels.last());
        t.store->failCommit = true; // a failed save is reported with its place
        again.window.close();
        QCOMPARE(again.messages.texts,
                 QStringList("Tallyfox: Your options could not be saved to "
                             "memory.\nThey will be as before at the next start."));
    }

    void messagesFocusAndSelect_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("typed"); // answer (and remainder); none: no question
        // Each message by its last word, "@focus [selection]" as it opens, then after.
        QTest::addColumn<QString>("messages");
        const auto row = [](const char *name, const char *stored, const QStringList &typed,
                            const char *messages) {
            QTest::newRow(name) << stored << typed << messages;
        };
        row("nothing ticked", "chkOpt0=0", {}, "perform @cmdAnswer []; then @cmdAnswer []");
        row("two bad boxes, one unticked", "chkOpt2=1 txtMax0=0 txtMax2=abc txtMax3=x", {},
            "1-99999 @txtMax0 [0]; 1-99999 @txtMax2 [abc]; then @txtMax2 [abc]");
        // A long stored text, shown whole from its start, and a text whose
        // leading number is in range but whose whole value is not (it is a
        // number where the comma is decimal).
        row("long stored", "txtMax0=1234567", {},
            "1-99999 @txtMax0 [1234567]; then @txtMax0 [1234567]");
        row("whole value", "txtMax0=9,9e9", {}, "1-99999 @txtMax0 [9,9e9]; then @txtMax0 [9,9e9]");
        row("empty", "", {""}, "answer @cmdAnswer []; then @txtUserAnswer []");
        row("blanks only", "", {"   "}, "number @cmdAnswer []; then @txtUserAnswer [   ]");
        row("bad remainder", "", {"3", "x"}, "number @cmdAnswer []; then @txtRemainder [x]");
    }
    void messagesFocusAndSelect()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, typed);
        QFETCH(QString, messages);
        const int operation = typed.size() == 2 ? 3 : 0;
        WindowUnderTest t(draws[operation], stored + ' ' + only[operation]);
        QCOMPARE(t.edit("txtMax0")->cursorPosition(), 0);
        t.act("cmdAnswer");
        if (!typed.isEmpty()) {
            type(t.edit("txtUserAnswer"), typed[0]);
            if (operation == 3)
                type(t.edit("txtRemainder"), typed[1]);
            t.act("cmdAnswer");
        }
        t.messages.warn(nullptr, "then", {}); // where the focus is afterwards
        QStringList seen;
        for (qsizetype i = 0; i < t.messages.texts.size(); ++i)
            seen << t.messages.texts[i].section(' ', -1) + t.messages.where[i];
        QCOMPARE(seen.join("; "), messages);
        if (t.focusName().startsWith("txtMax")) // the failing box is red
            QCOMPARE(t.edit(t.focusName())->palette().color(QPalette::Base), QColor(Qt::red));
    }

    void answerIsJudged_data()
    {
        QTest::addColumn<QString>("question");  // as announced
        QTest::addColumn<QStringList>("typed"); // a wrong answer, then the right one
        QTest::addColumn<QString>("verdict");   // announced on the wrong one
        QTest::addColumn<QString>("shown");     // the right answer
        const auto row = [](const char *question, const char *typed, const char *verdict,
                            const char *shown) {
            QTest::newRow(question) << question << QString(typed).split(' ') << verdict << shown;
        };
        row("7 plus 5", "13 12", "Wrong, the answer is 12", "12");
        row("7 minus 3", "3 4", "Wrong, the answer is 4", "4");
        row("7 times 5", "0 35", "Wrong, the answer is 35", "35");
        row("17 divided by 5, answer and remainder", "3 1 3 2",
            "Wrong, the answer is 3 remainder 2", "3 @ 2");
    }
    // Each sum and each verdict is announced as it comes; the answer box
    // holds the sum for a pupil who comes back to it. Also run from a folder
    // without the pictures: judging goes on, the picture box stays empty.
    void answerIsJudged()
    {
        QFETCH(QString, question);
        QFETCH(QStringList, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, shown);
        const QString folder = QCoreApplication::applicationDirPath() + '/';
        QCOMPARE(QFile::exists(folder + "right.jpg"), !qEnvironmentVariableIsSet("NO_PICTURES"));
        const auto operation =
            QStringList({"plus", "minus", "times", "divided"}).indexOf(question.section(' ', 1, 1));
        const bool division = operation == 3;
        const QString sum = question.section(' ', 0, 0) + ' ' + "+-x/"[operation] + ' ' +
                            question.section(',', 0, 0).section(' ', -1);
        WindowUnderTest t(draws[operation], only[operation]);
        for (const bool right : {false, true}) {
            t.act("cmdAnswer");
            QCOMPARE(t.text("lblNum1") + ' ' + t.text("lblSign") + ' ' + t.text("lblNum2") + ' ' +
                         t.caption() + " @" + t.focusName() + ' ' + t.spoken("announcer") +
                         (t.shown("txtRemainder") ? " and remainder" : ""),
                     sum + " Check Answer @txtUserAnswer " + question + " ()" +
                         (division ? " and remainder" : ""));
            const QStringList answer = typed.mid(right ? typed.size() / 2 : 0, typed.size() / 2);
            type(t.edit("txtUserAnswer"), answer[0]);
            if (division)
                type(t.edit("txtRemainder"), answer[1]);
            t.act("cmdAnswer");
            QStringList seen{t.caption(), t.spoken("announcer"), t.spoken("txtUserAnswer"),
                             t.spoken("picAns")};
            for (const char *label : {"lblAnswer1", "lblAnsAnd", "lblAnswer2"})
                if (t.shown(label))
                    seen << t.text(label);
            const QString answerBox = " () Answer (" + question + ") Verdict (";
            QCOMPARE(seen.join(' '),
                     right ? "Next Question Right" + answerBox + "Right answer)"
                           : "Next Question " + verdict + answerBox + "Wrong answer) " + shown);
            const QImage picture = t.get<QLabel>("picAns")->pixmap().toImage();
            QCOMPARE(picture, QImage(folder + (right ? "right.jpg" : "wrong.jpg"))
                                  .convertToFormat(picture.format()));
        }
        QCOMPARE(t.panels(),
                 "Total questions = 2|Correct answers = 1|Wrong answers = 1|Score = 50.0%");
        QVERIFY(t.messages.texts.isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(t.get("announcer"))->role(),
                 QAccessible::Notification);
    }

    // A screen reader reads a box's whole text and selection: one run of
    // text attributes over it all (an empty run cuts what Orca reads).
    void boxTextIsReadWhole()
    {
        WindowUnderTest t;
        QTest::keyClick(t.get("chkOpt0"), Qt::Key_Tab); // selects the whole "10"
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(t.edit("txtMax0"))->textInterface();
        int runStart = -1, runEnd = -1, selectedStart = -1, selectedEnd = -1;
        text->attributes(1, &runStart, &runEnd);
        text->selection(0, &selectedStart, &selectedEnd);
        QCOMPARE(QList<int>({runStart, runEnd, selectedStart, selectedEnd, text->selectionCount()}),
                 QList<int>({0, 2, 0, 2, 1}));
        QCOMPARE(text->text(selectedStart, selectedEnd), "10");
    }

    void buttonsHaveNoStrayKey_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("pressed"); // the answer button's caption after a press
        QTest::newRow("answer") << "cmdAnswer"
                                << "Check Answer";
        QTest::newRow("reset") << "cmdResetScore"
                               << "Next Question";
    }
    // The focused button, which Enter presses, tells a screen reader its name
    // and no key: Orca reads a key of Enter as the letter "r" after the name.
    void buttonsHaveNoStrayKey()
    {
        QFETCH(QString, button);
        QFETCH(QString, pressed);
        WindowUnderTest t;
        t.get(button)->setFocus();
        QVERIFY(t.get<QPushButton>(button)->isDefault());
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(t.get(button));
        QStringList keys{a->text(QAccessible::Accelerator)};
        for (const QString &action : a->actionInterface()->actionNames())
            keys << a->actionInterface()->keyBindingsForAction(action);
        QCOMPARE(keys.join(""), "");
        QCOMPARE(a->text(QAccessible::Name), t.get<QPushButton>(button)->text());
        QVERIFY(a->state().defaultButton && a->role() == QAccessible::Button);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(t.caption(), pressed);
    }

    // The answer button is never the default button: Enter in an answer box
    // does nothing, Enter or Space on the focused button presses it. Reset
    // Score empties the tally and leaves the open question. The window has one
    // fixed size.
    void keysResetScoreAndSize()
    {
        const QString noScore =
            "Total questions = 0|Correct answers = 0|Wrong answers = 0|Score = 0.0%";
        WindowUnderTest t(draws[0]);
        t.act("cmdAnswer txtUserAnswer=12");
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Return);
        QCOMPARE(t.panels(), noScore);
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Tab); // the remainder box is hidden
        QCOMPARE(t.focusName(), "cmdAnswer");
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Return);
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Space);
        QCOMPARE(t.panels().section('|', 0, 0) + ' ' + t.caption(),
                 "Total questions = 1 Check Answer");
        t.act("cmdResetScore");
        QCOMPARE(t.panels() + ' ' + t.caption(), noScore + " Check Answer");
        QCOMPARE(QSize(t.window.width(),
                       t.window.centralWidget()->height() + t.get("status1")->height()),
                 QSize(919, 357));
        QCOMPARE(t.window.minimumSize(), t.window.maximumSize());
    }

    // Under a dark desktop theme every fixed background has a readable text
    // colour on it: the largest-number boxes white and red, enabled and
    // disabled, and the number boxes.
    void textIsReadableUnderADarkTheme()
    {
        const QPalette original = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32)));
        QStringList failing;
        const auto check = [&](QWidget *w, QPalette::ColorGroup group, bool box) {
            const QPalette &p = w->palette();
            const double ratio =
                contrastRatio(p.color(group, box ? QPalette::Text : QPalette::WindowText),
                              p.color(group, box ? QPalette::Base : QPalette::Window));
            if (ratio < readableContrast)
                failing << QStringLiteral("%1 %2").arg(w->objectName()).arg(ratio, 0, 'f', 2);
        };
        WindowUnderTest t({0.1}, "chkOpt1=1 txtMax1=0");
        t.act("txtMax0=12 cmdAnswer"); // txtMax1 fails and turns red
        QCOMPARE(t.edit("txtMax1")->palette().color(QPalette::Base), QColor(Qt::red));
        for (const char *box : {"txtMax0", "txtMax1", "txtMax2"})
            for (auto group : {QPalette::Active, QPalette::Disabled})
                check(t.get(box), group, true);
        for (const char *label : {"lblNum1", "lblNum2", "lblAnswer1", "lblAnswer2"})
            check(t.get(label), QPalette::Active, false);
        QApplication::setPalette(original);
        QVERIFY2(failing.isEmpty(), qPrintable(failing.join(", ")));
    }

    // Alt+A opens the About window, modal; Return, keypad Enter and Escape
    // each close it.
    void aboutWindow()
    {
        WindowUnderTest t;
        QString opened;
        QTimer::singleShot(0, &t.window, [&] {
            opened = QApplication::activeModalWidget()->objectName();
            QApplication::activeModalWidget()->close();
        });
        QTest::keyClick(&t.window, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(opened, "frmAbout");
        for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            AboutWindow about;
            about.show();
            QCOMPARE(about.windowTitle() + ' ' + about.findChild<QLabel *>("lblVersion")->text() +
                         ' ' + about.focusWidget()->objectName(),
                     "About Tallyfox v1.0.0 cmdOK");
            QTest::keyClick(about.focusWidget(), Qt::Key(key));
            QVERIFY(about.isHidden());
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
