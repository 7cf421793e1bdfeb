// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's wiring, driven through its real controls: the options
// panel and its saving at close, each message with its focus and selection,
// judging and what a screen reader gets from it, the keys, readable colours
// and the About window.
#include "ui/about/aboutwindow.h"
#include "ui/common/pupillanguage.h"
#include "ui/common/uimetrics.h"
#include "ui/main/optioncheckbox.h"
#include "windowfixture.h"

#include <QTimer>

namespace {

// One question of each operation, with largest number 10 (20 for Division):
// 7 + 5, 7 - 3, 7 x 5, 17 / 5. The draws: operation, then the operands.
const QList<double> draws[operationCount] = {{0.1, 0.65, 0.5},
                                             {0.3, 7.5 / 11, 3.5 / 11},
                                             {0.6, 7.5 / 11, 5.5 / 11},
                                             {0.8, 17.5 / 21, 0.225}};
// The stored options that tick only that operation.
const QString only[operationCount] = {"", "chkOpt0=0 chkOpt1=1", "chkOpt0=0 chkOpt2=1",
                                      "chkOpt0=0 chkOpt3=1 txtMax3=20"};

constexpr CheckValue U = CheckValue::Unticked, T = CheckValue::Ticked, G = CheckValue::Greyed;

// The options panel against the columns of the optionsPanel row.
void comparePanel(WindowUnderTest &t)
{
    QFETCH(QList<CheckValue>, checks);
    QFETCH(QStringList, largest);
    QFETCH(QList<bool>, enabled);
    QFETCH(bool, scoreShown);
    QFETCH(bool, negative);
    QList<CheckValue> seenChecks;
    for (const char *name :
         {"chkOpt0", "chkOpt1", "chkOpt2", "chkOpt3", "chkAllowNegative", "chkScore"})
        seenChecks << t.get<OptionCheckBox>(name)->value();
    QStringList seenLargest;
    QList<bool> seenEnabled;
    for (const char *name : {"txtMax0", "txtMax1", "txtMax2", "txtMax3", "chkAllowNegative"}) {
        if (auto *box = t.edit(name))
            seenLargest << box->text();
        seenEnabled << t.get(name)->isEnabled();
    }
    QCOMPARE(seenChecks, checks);
    QCOMPARE(seenLargest, largest);
    QCOMPARE(seenEnabled, enabled);
    QCOMPARE(QList<bool>({t.shown("status1"), t.get("cmdResetScore")->isEnabled()}),
             QList<bool>({scoreShown, scoreShown}));
    QCOMPARE(t.window.session().allowNegative(), negative);
}

} // namespace

char *toString(CheckValue value)
{
    return QTest::toString(checkValueText(value));
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // As the program starts: the system's locale, here C or German, with its
    // language's translation left out (see CMakeLists.txt).
    void initTestCase() { setUpPupilLanguage(QLocale::system()); }

    void optionsPanel_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("actions");          // clicks and typing, as act() takes them
        QTest::addColumn<QList<CheckValue>>("checks"); // chkOpt0-3, chkAllowNegative, chkScore
        QTest::addColumn<QStringList>("largest");      // txtMax0-3
        QTest::addColumn<QList<bool>>("enabled");      // txtMax0-3, chkAllowNegative
        QTest::addColumn<bool>("scoreShown");          // the status bar and Reset Score
        QTest::addColumn<bool>("negative");            // the session's negative answers
        const QStringList tens = {"10", "10", "10", "10"};
        const bool no = false, yes = true;
        // clang-format off
        QTest::newRow("typed (5 characters at most) and ticked") << QString()
            << QString("txtMax0=abcdefg chkOpt0 chkOpt1 txtMax1= chkAllowNegative chkOpt2 txtMax2=12")
            << QList{U, T, T, U, T, T} << QStringList{"abcde", "", "12", "10"} << QList{no, yes, yes, no, yes} << yes << yes;
        QTest::newRow("greyed score box shows the score") << QString("chkScore=2") << QString()
            << QList{T, U, U, U, U, G} << tens << QList{yes, no, no, no, no} << yes << no;
        QTest::newRow("negative kept while Subtraction unticked") << QString("chkScore=2")
            << QString("chkOpt1 chkAllowNegative chkOpt1 chkOpt0") << QList{U, U, U, U, T, G} << tens << QList{no, no, no, no, no} << yes << yes;
        QTest::newRow("greyed box ticks at the first click") << QString("chkScore=2") << QString("chkScore")
            << QList{T, U, U, U, U, T} << tens << QList{yes, no, no, no, no} << yes << no;
        QTest::newRow("score hidden") << QString() << QString("chkScore")
            << QList{T, U, U, U, U, U} << tens << QList{yes, no, no, no, no} << no << no;
        // clang-format on
    }
    // Each operation's tick enables its box, Subtraction's also "Allow
    // negative answers"; the score box shows the bar and enables Reset Score.
    // The options are saved once at close and come back as they were; a save
    // that fails is reported.
    void optionsPanel()
    {
        QFETCH(QString, stored);
        QFETCH(QString, actions);
        WindowUnderTest t({0.0}, stored);
        t.act(actions);
        comparePanel(t);
        t.window.close();
        QCOMPARE(t.store->commitCount, 1);
        QCOMPARE(t.store->values.keys(),
                 QStringList({"chkAllowNegative", "chkOpt0", "chkOpt1", "chkOpt2", "chkOpt3",
                              "chkScore", "txtMax0", "txtMax1", "txtMax2", "txtMax3"}));
        WindowUnderTest again({0.0}, {}, t.store);
        comparePanel(again);
        t.store->failCommit = true;
        again.window.close();
        QCOMPARE(again.messages.texts,
                 QStringList("Tallyfox: Your options could not be saved to "
                             "memory.\nThey will be as before at the next start."));
    }

    void messagesFocusAndSelect_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("typed");    // answer (and remainder); none: no question
        QTest::addColumn<QStringList>("messages"); // "title: text" of each
        QTest::addColumn<QStringList>("focused");  // the focused control as each opens, then last
        QTest::addColumn<QStringList>("selected"); // its selected text then
        const QString range = "Invalid Entry: You must enter a valid number in the range 1-99999";
        const QString number = "Tallyfox: You must enter a valid number";
        using L = QStringList;
        // A long stored text is shown whole from its start; "9,9e9" starts
        // with a number in range, but the whole of it is not one.
        // clang-format off
        QTest::newRow("nothing ticked") << QString("chkOpt0=0") << L() << L{"No selections made: You must select at least 1 option to perform"}
                                        << L{"cmdAnswer", "cmdAnswer"} << L{"", ""};
        QTest::newRow("two bad boxes, one unticked") << QString("chkOpt2=1 txtMax0=0 txtMax2=abc txtMax3=x") << L()
                                        << L{range, range} << L{"txtMax0", "txtMax2", "txtMax2"} << L{"0", "abc", "abc"};
        QTest::newRow("long stored") << QString("txtMax0=1234567") << L() << L{range} << L{"txtMax0", "txtMax0"} << L{"1234567", "1234567"};
        QTest::newRow("whole value") << QString("txtMax0=9,9e9") << L() << L{range} << L{"txtMax0", "txtMax0"} << L{"9,9e9", "9,9e9"};
        QTest::newRow("empty") << QString() << L{""} << L{"Tallyfox: You must supply an answer"} << L{"cmdAnswer", "txtUserAnswer"} << L{"", ""};
        QTest::newRow("blanks only") << QString() << L{"   "} << L{number} << L{"cmdAnswer", "txtUserAnswer"} << L{"", "   "};
        QTest::newRow("bad remainder") << QString() << L{"3", "x"} << L{number} << L{"cmdAnswer", "txtRemainder"} << L{"", "x"};
        // clang-format on
    }
    void messagesFocusAndSelect()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, focused);
        QFETCH(QStringList, selected);
        const bool division = typed.size() == 2;
        const std::size_t operation = indexOf(division ? Operation::Division : Operation::Addition);
        WindowUnderTest t(draws[operation], stored + ' ' + only[operation]);
        QCOMPARE(t.edit("txtMax0")->cursorPosition(), 0);
        t.act("cmdAnswer");
        if (!typed.isEmpty()) {
            type(t.edit("txtUserAnswer"), typed[0]);
            if (division)
                type(t.edit("txtRemainder"), typed[1]);
            t.act("cmdAnswer");
        }
        QCOMPARE(t.messages.texts, messages);
        t.messages.warn(nullptr, {}, {}); // where the focus is afterwards
        QCOMPARE(t.messages.focused, focused);
        QCOMPARE(t.messages.selected, selected);
        if (focused.last().startsWith("txtMax")) // the failing box is red
            QCOMPARE(t.edit(focused.last())->palette().color(QPalette::Base), QColor(Qt::red));
    }

    void answerIsJudged_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QStringList>("sum");   // first number, sign, second number
        QTest::addColumn<QStringList>("asked"); // by the answer (and remainder) box, as told
        QTest::addColumn<QStringList>("wrong"); // typed answer (and remainder)
        QTest::addColumn<QStringList>("right"); // typed answer (and remainder)
        QTest::addColumn<QString>("verdict");   // announced on the wrong one
        QTest::addColumn<QStringList>("shown"); // the right answer shown under it
        using O = Operation;
        // clang-format off
        using L = QStringList;
        QTest::newRow("7 + 5") << O::Addition << L{"7", "+", "5"} << L{"7 plus 5"} << L{"13"} << L{"12"}
                               << QString("Wrong, the answer is 12") << L{"12"};
        QTest::newRow("7 - 3") << O::Subtraction << L{"7", "-", "3"} << L{"7 minus 3"} << L{"3"} << L{"4"}
                               << QString("Wrong, the answer is 4") << L{"4"};
        QTest::newRow("7 x 5") << O::Multiplication << L{"7", "x", "5"} << L{"7 times 5"} << L{"0"} << L{"35"}
                               << QString("Wrong, the answer is 35") << L{"35"};
        QTest::newRow("17 / 5") << O::Division << L{"17", "/", "5"}
                                << L{"17 divided by 5, answer and remainder", "remainder of 17 divided by 5"}
                                << L{"3", "1"} << L{"3", "2"} << QString("Wrong, the answer is 3 remainder 2") << L{"3", "@", "2"};
        // clang-format on
    }
    // The answer box is described with its sum from the moment it is posed;
    // each verdict is announced as it comes, and the answer button tells no
    // verdict before the sum is answered. Also run from a folder
    // without the pictures: judging goes on, the picture box stays empty.
    void answerIsJudged()
    {
        QFETCH(Operation, operation);
        QFETCH(QStringList, sum);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, wrong);
        QFETCH(QStringList, right);
        QFETCH(QString, verdict);
        QFETCH(QStringList, shown);
        const QString folder = QCoreApplication::applicationDirPath() + '/';
        QCOMPARE(QFile::exists(folder + "right.jpg"), !qEnvironmentVariableIsSet("NO_PICTURES"));
        const bool division = operation == Operation::Division;
        WindowUnderTest t(draws[indexOf(operation)], only[indexOf(operation)]);
        for (const QStringList &typed : {wrong, right}) {
            t.act("cmdAnswer");
            QCOMPARE(QStringList({t.text("lblNum1"), t.text("lblSign"), t.text("lblNum2")}), sum);
            QCOMPARE(QApplication::focusWidget(), t.get("txtUserAnswer"));
            QCOMPARE(t.edit("txtUserAnswer")->text(), ""); // the last answer gone
            QCOMPARE(t.spoken("txtUserAnswer"), "Answer (" + asked[0] + ')');
            if (division)
                QCOMPARE(t.spoken("txtRemainder"), "Remainder (" + asked[1] + ')');
            QCOMPARE(t.spoken("cmdAnswer"), "Check Answer ()"); // the caption, no verdict yet
            type(t.edit("txtUserAnswer"), typed[0]);
            if (division)
                type(t.edit("txtRemainder"), typed[1]);
            t.act("cmdAnswer");
            const bool isRight = typed == right;
            QCOMPARE(t.caption(), "Next Question");
            QCOMPARE(t.spoken("announcer"), (isRight ? "Right" : verdict) + " ()");
            QCOMPARE(t.spoken("picAns"),
                     isRight ? "Verdict (Right answer)" : "Verdict (Wrong answer)");
            QStringList seen;
            for (const char *label : {"lblAnswer1", "lblAnsAnd", "lblAnswer2"})
                if (t.shown(label))
                    seen << t.text(label);
            QCOMPARE(seen, isRight ? QStringList() : shown);
            const QImage picture = t.get<QLabel>("picAns")->pixmap().toImage();
            QCOMPARE(picture, QImage(folder + (isRight ? "right.jpg" : "wrong.jpg"))
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
        QTest::addColumn<QString>("pressed"); // the caption and the tally after a press
        // clang-format off
        QTest::newRow("answer") << "cmdAnswer" << "Check Answer, Total questions = 1";
        QTest::newRow("reset") << "cmdResetScore" << "Next Question, Total questions = 0";
        // clang-format on
    }
    // The focused button, which Enter presses, tells a screen reader its name
    // and no key: Orca reads a key of Enter as the letter "r" after the name.
    void buttonsHaveNoStrayKey()
    {
        QFETCH(QString, button);
        QFETCH(QString, pressed);
        WindowUnderTest t(draws[indexOf(Operation::Addition)]);
        t.act("cmdAnswer txtUserAnswer=1 cmdAnswer"); // one sum judged
        auto *b = t.get<QPushButton>(button);
        b->setFocus();
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
        QStringList told{a->text(QAccessible::Name), a->text(QAccessible::Accelerator)};
        for (const QString &action : a->actionInterface()->actionNames())
            told << a->actionInterface()->keyBindingsForAction(action);
        QCOMPARE(told.join('|'), b->text() + '|');
        QCOMPARE(a->role(), QAccessible::Button);
        QVERIFY(b->isDefault());
        QVERIFY(a->state().defaultButton);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(t.caption() + ", " + t.panels().section('|', 0, 0), pressed);
    }

    // The answer button is never the default button: Enter in an answer box
    // does nothing, Enter or Space on the focused button presses it. Reset
    // Score empties the tally and leaves the open question. The window has one
    // fixed size.
    void keysResetScoreAndSize()
    {
        const QString noScore =
            "Total questions = 0|Correct answers = 0|Wrong answers = 0|Score = 0.0%";
        WindowUnderTest t(draws[indexOf(Operation::Addition)]);
        t.act("cmdAnswer txtUserAnswer=12");
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Return);
        QCOMPARE(t.panels(), noScore);
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Tab); // the remainder box is hidden
        QCOMPARE(QApplication::focusWidget(), t.get("cmdAnswer"));
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

    // Right to left, every control lies at the mirror of its left-to-right
    // place within its parent, which reads right to left; the sum's too where
    // the locale writes sums so, in digits of its own. Also run at scale
    // factors 1.5 and 2 (see CMakeLists.txt). The About window's controls are
    // placed the same way.
    void mirrorsRightToLeft_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("sumMirrored");
        QTest::newRow("Arabic-Indic digits") << "ar_EG" << true;
        QTest::newRow("Western digits") << "he_IL" << false;
    }
    void mirrorsRightToLeft()
    {
        QFETCH(QString, locale);
        QFETCH(bool, sumMirrored);
        setUpPupilLanguage(QLocale(locale)); // its translation sets the direction
        WindowUnderTest rtl;
        QVERIFY(rtl.window.isRightToLeft());
        rtl.window.setLayoutDirection(Qt::RightToLeft); // kept while the program's changes back
        setUpPupilLanguage(QLocale::system());
        WindowUnderTest ltr;
        // The program's own controls: Qt's helpers have names with "_".
        for (QWidget *w :
             ltr.window.findChildren<QWidget *>(QRegularExpression("^[A-Za-z]+\\d?$"))) {
            const bool mirrored = w->parentWidget()->objectName() != "quizArea" || sumMirrored;
            const int shift = mirrored ? w->parentWidget()->width() - 2 * w->x() - w->width() : 0;
            QRect seen = rtl.get(w->objectName())->geometry();
            // The window's own children lie under the menu bar, whose height
            // follows the language's face.
            if (w->parentWidget() == &ltr.window)
                seen.moveTop(w->y());
            QVERIFY2(seen == w->geometry().translated(shift, 0) &&
                         rtl.get(w->objectName())->parentWidget()->isRightToLeft() == mirrored,
                     qPrintable(w->objectName()));
        }
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
