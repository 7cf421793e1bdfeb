// The main window's wiring, driven through its real controls: the start
// state, the options saved at close, each message with its focus and
// selection, judging and what a screen reader gets from it, enabling, the
// keys, readable colours and the About window.
#include "ui/about/aboutwindow.h"
#include "ui/main/twostatecheckbox.h"
#include "windowfixture.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <cmath>

namespace {

// One question of each operation, with largest number 10 (20 for Division):
// 7 + 5, 7 - 3, 7 * 5, 17 / 5. The draws: operation, then the operands.
const QList<double> draws[4] = {{0.1, 0.65, 0.5},
                                {0.3, 7.5 / 11, 3.5 / 11},
                                {0.6, 7.5 / 11, 5.5 / 11},
                                {0.8, 17.5 / 21, 0.225}};
const StoredValues only[4] = {{},
                              values("chkOpt0=0 chkOpt1=1"),
                              values("chkOpt0=0 chkOpt2=1"),
                              values("chkOpt0=0 chkOpt3=1 txtMax3=20")};

// The options panel in one line: each operation as value/enabled/text, then
// "Allow negative answers" (value, enabled, the flag), the score box, the
// status bar and "Reset Score". A disabled control is marked with "-".
QString panel(WindowUnderTest &t)
{
    auto value = [&](const QString &name) {
        auto *box = t.get<TwoStateCheckBox>(name);
        return QString::number(box->value()) + (box->isEnabled() ? "" : "-");
    };
    QStringList parts;
    for (int i = 0; i < 4; ++i) {
        QLineEdit *box = t.edit(QStringLiteral("txtMax%1").arg(i));
        parts << value(QStringLiteral("chkOpt%1").arg(i)) + (box->isEnabled() ? " " : " -") +
                     box->text();
    }
    parts << "neg " + value("chkAllowNegative") +
                 (t.window.session().allowNegative() ? " on" : " off");
    parts << "score " + value("chkScore") + (t.shown("status1") ? " bar" : " nobar") +
                 (t.get("cmdResetScore")->isEnabled() ? " reset" : " -reset");
    return parts.join(", ");
}

const QString noScore = "Total questions = 0|Correct answers = 0|Wrong answers = 0|Score = 0.0%";

// Contrast of two colours by the relative luminance of the web accessibility
// guidelines.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Name (800c) or description (800d) changes of the answer button, with its
// description.
QStringList buttonEvents;
void recordEvent(QAccessibleEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(event->object());
    if (widget && widget->objectName() == "cmdAnswer" && (event->type() & ~1) == 0x800c)
        buttonEvents << QString::number(event->type(), 16) + ' ' + widget->accessibleDescription();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startStateFromAnEmptyStore()
    {
        WindowUnderTest t;
        QCOMPARE(panel(t) + ' ' + t.panels() + ' ' + t.caption() + ' ' + t.focusName(),
                 "1 10, 0 -10, 0 -10, 0 -10, neg 0- off, score 1 bar reset " + noScore +
                     " Next Question chkOpt0");
        for (const char *name : {"txtRemainder", "lblAnswer1", "lblAnsAnd", "lblAnswer2"})
            QVERIFY2(!t.shown(name), name);
        // The one check of the fixed size: its width and its client area.
        QCOMPARE(t.window.centralWidget()->height() + t.get("status1")->height(), 357);
        QCOMPARE(t.window.width(), 919);
        QCOMPARE(t.window.minimumSize(), t.window.maximumSize());
    }

    void optionsAreSavedAtClose_data()
    {
        QTest::addColumn<QString>("actions"); // a box's name clicks it, "box=text" types
        QTest::addColumn<QString>("panel");   // before closing and after opening again
        QTest::newRow("Addition off, Multiplication 12")
            << "chkOpt0 chkOpt1 chkAllowNegative chkOpt2 txtMax2=12"
            << "0 -10, 1 10, 1 12, 0 -10, neg 1 on, score 1 bar reset";
        QTest::newRow("emptied box") << "txtMax0="
                                     << "1 , 0 -10, 0 -10, 0 -10, neg 0- off, score 1 bar reset";
        QTest::newRow("invalid text kept")
            << "txtMax0=abc"
            << "1 abc, 0 -10, 0 -10, 0 -10, neg 0- off, score 1 bar reset";
        QTest::newRow("all unticked")
            << "chkOpt0 chkScore"
            << "0 -10, 0 -10, 0 -10, 0 -10, neg 0- off, score 0 nobar -reset";
    }
    void optionsAreSavedAtClose()
    {
        QFETCH(QString, actions);
        QFETCH(QString, panel);
        WindowUnderTest t;
        for (const QString &action : actions.split(' ')) {
            if (action.contains('='))
                t.type(action.section('=', 0, 0), action.section('=', 1));
            else
                t.click(action);
        }
        QCOMPARE(::panel(t), panel);
        t.window.close();
        QCOMPARE(t.store->commitCount, 1);
        QCOMPARE(t.store->values.keys().join(' '),
                 "chkAllowNegative chkOpt0 chkOpt1 chkOpt2 "
                 "chkOpt3 chkScore txtMax0 txtMax1 txtMax2 txtMax3");
        WindowUnderTest again({0.0}, {}, t.store);
        QCOMPARE(::panel(again), panel);
    }

    void messagesFocusAndSelect_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("typed"); // answer (and remainder); none: no question
        QTest::addColumn<QString>(
            "messages"); // "title @focus [selection]" as each opens, then after
        const auto row = [](const char *name, const char *stored, const QStringList &typed,
                            const char *messages) {
            QTest::newRow(name) << stored << typed << messages;
        };
        row("nothing ticked", "chkOpt0=0", {},
            "No selections made @cmdAnswer []; then cmdAnswer []");
        row("only greyed", "chkOpt0=2", {}, "No selections made @cmdAnswer []; then cmdAnswer []");
        row("two bad boxes, one unticked", "chkOpt2=1 txtMax0=0 txtMax2=abc txtMax3=x", {},
            "Invalid Entry @txtMax0 [0]; Invalid Entry @txtMax2 [abc]; then txtMax2 [abc]");
        // A long stored text, shown whole from its start, and a text whose
        // leading number is in range but whose whole value is not (it is a
        // number where the comma is decimal).
        row("long stored", "txtMax0=1234567", {},
            "Invalid Entry @txtMax0 [1234567]; then txtMax0 [1234567]");
        row("whole value", "txtMax0=9,9e9", {},
            "Invalid Entry @txtMax0 [9,9e9]; then txtMax0 [9,9e9]");
        row("empty", "", {""}, "missing @cmdAnswer []; then txtUserAnswer []");
        row("letters", "", {"abc"}, "invalid @cmdAnswer []; then txtUserAnswer [abc]");
        row("blanks only", "", {"   "}, "invalid @cmdAnswer []; then txtUserAnswer [   ]");
        row("digits, letter", "", {"12a"}, "invalid @cmdAnswer []; then txtUserAnswer [12a]");
        row("no remainder", "", {"3", ""}, "missing @cmdAnswer []; then txtRemainder []");
        row("bad remainder", "", {"3", "x"}, "invalid @cmdAnswer []; then txtRemainder [x]");
        row("answer first", "", {"", "x"}, "missing @cmdAnswer []; then txtUserAnswer []");
    }
    void messagesFocusAndSelect()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, typed);
        QFETCH(QString, messages);
        const bool division = typed.size() == 2;
        StoredValues values = ::values(stored);
        values.insert(only[division ? 3 : 0]);
        WindowUnderTest t(draws[division ? 3 : 0], values);
        QCOMPARE(t.edit("txtMax0")->cursorPosition(), 0);
        t.press();
        if (!typed.isEmpty()) {
            t.type("txtUserAnswer", typed[0]);
            if (division)
                t.type("txtRemainder", typed[1]);
            t.get("cmdAnswer")->setFocus(); // the press comes from elsewhere
            t.press();
        }
        const QMap<QString, QString> shortly = {
            {"No selections made: You must select at least 1 option to perform",
             "No selections made"},
            {"Invalid Entry: You must enter a valid number in the range 1-99999", "Invalid Entry"},
            {"Tallyfox: You must supply an answer", "missing"},
            {"Tallyfox: You must enter a valid number", "invalid"}};
        QStringList seen;
        for (qsizetype i = 0; i < t.messages.texts.size(); ++i)
            seen << shortly.value(t.messages.texts[i], t.messages.texts[i]) + t.messages.where[i];
        const auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        seen << "then " + t.focusName() + " [" + (box ? box->selectedText() : QString()) + ']';
        QCOMPARE(seen.join("; "), messages);
        QCOMPARE(t.caption(), typed.isEmpty() ? "Next Question" : "Check Answer");
        QCOMPARE(t.total(), 0);
        for (int i = 0; i < 4; ++i) {
            const QString box = QStringLiteral("txtMax%1").arg(i);
            QCOMPARE(t.edit(box)->palette().color(QPalette::Base),
                     QColor(messages.contains('@' + box) ? Qt::red : Qt::white));
        }
        if (t.focusName().startsWith("txtMax")) { // typing turns a red box white
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
            QCOMPARE(t.edit(t.focusName())->palette().color(QPalette::Base), QColor(Qt::white));
        }
    }

    void answerIsJudged_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("question"); // as spoken in the answer box
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("verdict"); // as spoken on the answer button
        QTest::addColumn<QString>("shown");   // the right answer: text (name (description))
        const auto row = [](const char *name, int operation, const char *question,
                            const QStringList &typed, const char *verdict, const char *shown) {
            QTest::newRow(name) << operation << question << typed << verdict << shown;
        };
        row("right", 0, "7 plus 5", {"12"}, "Right", "");
        row("decimal zero", 0, "7 plus 5", {"12.00"}, "Right", "");
        row("blanks around", 0, "7 plus 5", {"  12 "}, "Right", "");
        row("wrong", 0, "7 plus 5", {"13"}, "Wrong, the answer is 12", "12 12 (Right answer)");
        row("subtraction", 1, "7 minus 3", {"3"}, "Wrong, the answer is 4", "4 4 (Right answer)");
        row("multiplication", 2, "7 times 5", {"0"}, "Wrong, the answer is 35",
            "35 35 (Right answer)");
        row("division right", 3, "17 divided by 5, answer and remainder", {"3", "2"}, "Right", "");
        row("division wrong", 3, "17 divided by 5, answer and remainder", {"3", "1"},
            "Wrong, the answer is 3 remainder 2",
            "3 3 (Right answer) @ remainder () 2 2 (Right remainder)");
    }
    // Also run from a folder without the pictures: judging goes on, the
    // picture box stays empty.
    void answerIsJudged()
    {
        QFETCH(int, operation);
        QFETCH(QString, question);
        QFETCH(QStringList, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, shown);
        const QString folder = QCoreApplication::applicationDirPath() + '/';
        QCOMPARE(QFile::exists(folder + "right.jpg"), !qEnvironmentVariableIsSet("NO_PICTURES"));
        const bool division = typed.size() == 2, right = shown.isEmpty();
        WindowUnderTest t(draws[operation], only[operation]);
        QCOMPARE(t.spoken("lblSign"), " (Operation)");
        t.press();
        const QString sum = question.section(',', 0, 0); // "7 plus 5": the three labels
        QCOMPARE(t.spoken("lblNum1") + ' ' + t.spoken("lblSign") + ' ' + t.spoken("lblNum2"),
                 sum.section(' ', 0, 0) + " (First number) " + sum.section(' ', 1, -2) +
                     " (Operation) " + sum.section(' ', -1) + " (Second number)");
        QCOMPARE(t.caption(), "Check Answer");
        QCOMPARE(t.focusName(), "txtUserAnswer");
        QCOMPARE(t.spoken("txtUserAnswer"), "Answer (" + question + ')');
        QCOMPARE(t.shown("txtRemainder"), division);
        t.type("txtUserAnswer", typed[0]);
        if (division) {
            QCOMPARE(t.spoken("txtRemainder"), "Remainder (remainder of " + sum + ')');
            t.type("txtRemainder", typed[1]);
        }
        t.press();
        QCOMPARE(t.spoken("cmdAnswer"), "Next Question (" + verdict + ')');
        QCOMPARE(t.panels(),
                 right ? "Total questions = 1|Correct answers = 1|Wrong answers = 0|Score = 100.0%"
                       : "Total questions = 1|Correct answers = 0|Wrong answers = 1|Score = 0.0%");
        QCOMPARE(t.spoken("panel3"), t.text("panel3") + " ()");
        QStringList answer; // the right answer as shown and spoken
        for (const char *label : {"lblAnswer1", "lblAnsAnd", "lblAnswer2"})
            answer << (t.shown(label) ? t.text(label) + ' ' + t.spoken(label) : QString());
        QCOMPARE(answer.join(' ').trimmed(), shown);
        QCOMPARE(t.spoken("picAns"), right ? "Verdict (Right answer)" : "Verdict (Wrong answer)");
        const QImage picture = t.get<QLabel>("picAns")->pixmap().toImage();
        QCOMPARE(
            picture,
            QImage(folder + (right ? "right.jpg" : "wrong.jpg")).convertToFormat(picture.format()));
        QVERIFY(t.messages.texts.isEmpty());
        t.press(); // the next question clears the verdict and the typed answer
        QCOMPARE(t.spoken("cmdAnswer"), "Check Answer ()");
        QVERIFY(!t.shown("lblAnswer1"));
        QCOMPARE(t.edit("txtUserAnswer")->text(), QString());
    }

    // The verdict reaches a screen reader as a description change of the
    // focused answer button, after its caption change. Qt passes such events
    // on only while an assistive technology listens, which the offscreen
    // platform never reports: a run on an X display with the accessibility
    // bus checks this.
    void verdictIsAnnounced()
    {
        if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000))
            QSKIP("no assistive technology bus on this platform");
        WindowUnderTest t(draws[0]);
        t.press();
        t.type("txtUserAnswer", "13");
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Tab);
        buttonEvents.clear();
        const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordEvent);
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Space);
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(buttonEvents, QStringList({"800c ", "800d Wrong, the answer is 12"}));
    }

    // Each operation's tick enables its box, Subtraction's also "Allow
    // negative answers"; the score box shows the bar and enables Reset Score.
    // A stored greyed score box ticks at the first click and shows the score.
    void enablingFollowsTheTicks()
    {
        WindowUnderTest t(draws[0], {{"chkScore", "2"}});
        QStringList seen{panel(t)};
        for (const char *box : {"chkOpt1", "chkAllowNegative", "chkScore", "chkOpt1", "chkOpt0",
                                "chkScore", "chkOpt0"}) {
            t.click(box);
            seen << panel(t);
        }
        t.press(); // 7 + 5, counted while the bar is hidden
        t.type("txtUserAnswer", "12");
        t.press();
        t.click("chkScore");
        seen << t.panels().section('|', 0, 0) + ": " + panel(t);
        QCOMPARE(seen,
                 QStringList({
                     "1 10, 0 -10, 0 -10, 0 -10, neg 0- off, score 2 bar reset",
                     "1 10, 1 10, 0 -10, 0 -10, neg 0 off, score 2 bar reset",
                     "1 10, 1 10, 0 -10, 0 -10, neg 1 on, score 2 bar reset",
                     "1 10, 1 10, 0 -10, 0 -10, neg 1 on, score 1 bar reset",
                     "1 10, 0 -10, 0 -10, 0 -10, neg 1- on, score 1 bar reset",
                     "0 -10, 0 -10, 0 -10, 0 -10, neg 1- on, score 1 bar reset",
                     "0 -10, 0 -10, 0 -10, 0 -10, neg 1- on, score 0 nobar -reset",
                     "1 10, 0 -10, 0 -10, 0 -10, neg 1- on, score 0 nobar -reset",
                     "Total questions = 1: 1 10, 0 -10, 0 -10, 0 -10, neg 1- on, score 1 bar reset",
                 }));
    }

    // The answer button is never the default button: Enter in an answer box
    // does nothing, Enter or Space on the focused button presses it. Reset
    // Score empties the tally and leaves the open question.
    void keysAndResetScore()
    {
        WindowUnderTest t(draws[0]);
        t.press();
        t.type("txtUserAnswer", "12");
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Return);
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Enter);
        QCOMPARE(t.total(), 0);
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Tab); // the remainder box is hidden
        QCOMPARE(t.focusName(), "cmdAnswer");
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Return);
        QCOMPARE(t.total(), 1);
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Space);
        t.click("cmdResetScore");
        QCOMPARE(t.panels() + ' ' + t.sum() + ' ' + t.caption(), noScore + " 7+5 Check Answer");
        t.type("txtUserAnswer", "12");
        t.press();
        QVERIFY(t.panels().startsWith("Total questions = 1|Correct answers = 1"));
    }

    // Under a dark desktop theme every fixed background has a text colour of
    // at least 4.5:1 on it: the largest-number boxes white and red, enabled
    // and disabled; the number boxes; the About window.
    void textIsReadableUnderADarkTheme()
    {
        const QPalette original = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32)));
        QStringList failing;
        const auto check = [&](QWidget *w, QPalette::ColorGroup group, bool box) {
            const QPalette &p = w->palette();
            const double ratio =
                contrast(p.color(group, box ? QPalette::Text : QPalette::WindowText),
                         p.color(group, box ? QPalette::Base : QPalette::Window));
            if (ratio < 4.5)
                failing << QStringLiteral("%1 %2").arg(w->objectName()).arg(ratio, 0, 'f', 2);
        };
        {
            WindowUnderTest t({0.1}, values("chkOpt1=1 txtMax1=0"));
            t.type("txtMax0", "12");
            t.press(); // txtMax1 fails and turns red
            QCOMPARE(t.edit("txtMax1")->palette().color(QPalette::Base), QColor(Qt::red));
            for (const char *box : {"txtMax0", "txtMax1", "txtMax2"})
                for (auto group : {QPalette::Active, QPalette::Disabled})
                    check(t.get(box), group, true);
            for (const char *label : {"lblNum1", "lblNum2", "lblAnswer1", "lblAnswer2"})
                check(t.get(label), QPalette::Active, false);
        }
        AboutWindow about;
        for (const char *label : {"lblTitle", "lblWebsite"})
            check(about.findChild<QWidget *>(label), QPalette::Active, false);
        QApplication::setPalette(original);
        QVERIFY2(failing.isEmpty(), qPrintable(failing.join(", ")));
    }

    void aboutWindow_data()
    {
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("close box") << 0;
    }
    // Alt+A opens the About window over a practice in progress; the main
    // window takes no clicks meanwhile, and afterwards all is as it was.
    void aboutWindow()
    {
        QFETCH(int, key);
        WindowUnderTest t(draws[0]);
        t.press();
        t.type("txtUserAnswer", "1");
        QStringList seen;
        QTimer closer; // waits for the About window to be up, then closes it
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, &t.window, [&] {
            QWidget *about = QApplication::activeModalWidget();
            if (!about)
                return;
            closer.stop();
            auto *updates = about->findChild<QPlainTextEdit *>("txtUpdates");
            seen << about->windowTitle() << about->findChild<QLabel *>("lblVersion")->text()
                 << about->focusWidget()->objectName();
            QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(about->focusWidget(), "typed"); // txtUpdates is read-only
            seen << about->focusWidget()->objectName() << updates->toPlainText();
            // A click through the window system, where modality is applied.
            QWidget *button = t.get("cmdAnswer");
            QTest::mouseClick(t.window.windowHandle(), Qt::LeftButton, {},
                              button->mapTo(&t.window, button->rect().center()));
            QCoreApplication::processEvents();
            seen << t.caption();
            if (key)
                QTest::keyClick(updates, Qt::Key(key));
            else
                about->close();
            if (about->isVisible()) { // not closed: fail rather than hang
                seen << "still open";
                about->hide();
            }
        });
        closer.start();
        QTest::keyClick(&t.window, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(seen, QStringList({"About Tallyfox", "v1.0.0", "cmdOK", "txtUpdates", "",
                                    "Check Answer"}));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        // The offscreen platform does not hand activation back as a desktop does.
        QApplication::setActiveWindow(&t.window);
        QTRY_COMPARE(t.focusName(), "txtUserAnswer");
        QCOMPARE(t.edit("txtUserAnswer")->text() + ' ' + t.sum() + ' ' + t.caption(),
                 "1 7+5 Check Answer");
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
