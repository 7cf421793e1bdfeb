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

// One question of each operation, with largest number 10 (20 for Division),
// and the stored options that tick only that operation.
const QList<double> draws[operationCount] = {Draws::of("7 + 5"), Draws::of("7 - 3"),
                                             Draws::of("7 x 5"), Draws::of("17 / 5", 20)};
const QStringList only[operationCount] = {{},
                                          {"chkOpt0=0", "chkOpt1=1"},
                                          {"chkOpt0=0", "chkOpt2=1"},
                                          {"chkOpt0=0", "chkOpt3=1", "txtMax3=20"}};

constexpr CheckValue U = CheckValue::Unticked, T = CheckValue::Ticked, G = CheckValue::Greyed;
constexpr bool no = false, yes = true;

// The options panel after clicks and typing on the stored options.
struct PanelRow
{
    QStringList stored = {}, actions = {};          // as WindowUnderTest and act() take them
    QList<CheckValue> checks = {};                  // chkOpt0-3, chkAllowNegative, chkScore
    QStringList largest = {"10", "10", "10", "10"}; // txtMax0-3
    QList<bool> enabled = {yes, no, no, no, no};    // txtMax0-3, chkAllowNegative
    bool scoreShown = yes;                          // the status bar and Reset Score
    bool negative = no;                             // the session's negative answers
};

// The messages a press of the answer button gives, and where the focus is.
struct MessageRow
{
    QStringList stored = {};
    QStringList typed = {};    // answer (and remainder); none: no question asked
    QStringList messages = {}; // "title: text" of each
    QStringList focused = {};  // focusNow() as each opens, then after the last
};

// A sum posed, answered wrong, then posed again and answered right.
struct SumRow
{
    Operation operation;
    QString sum;       // "first sign second (the sign as told)"
    QStringList asked; // by the answer (and remainder) box, as told
    QStringList wrong; // typed answer (and remainder)
    QStringList right; // typed answer (and remainder)
    QString verdict;   // announced on the wrong one
    QStringList shown; // the right answer shown under it
};

void comparePanel(WindowUnderTest &t, const PanelRow &row)
{
    QList<CheckValue> checks;
    for (const char *name :
         {"chkOpt0", "chkOpt1", "chkOpt2", "chkOpt3", "chkAllowNegative", "chkScore"})
        checks << t.get<OptionCheckBox>(name)->value();
    QStringList largest;
    QList<bool> enabled;
    for (const char *name : {"txtMax0", "txtMax1", "txtMax2", "txtMax3", "chkAllowNegative"}) {
        if (auto *box = t.edit(name))
            largest << box->text();
        enabled << t.get(name)->isEnabled();
    }
    QCOMPARE(checks, row.checks);
    QCOMPARE(largest, row.largest);
    QCOMPARE(enabled, row.enabled);
    QCOMPARE(QList<bool>({t.shown("status1"), t.get("cmdResetScore")->isEnabled()}),
             QList<bool>({row.scoreShown, row.scoreShown}));
    QCOMPARE(t.window.session().allowNegative(), row.negative);
}

} // namespace

Q_DECLARE_METATYPE(PanelRow)
Q_DECLARE_METATYPE(MessageRow)
Q_DECLARE_METATYPE(SumRow)

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
        QTest::addColumn<PanelRow>("row");
        // clang-format off
        QTest::newRow("typed (5 characters at most) and ticked") << PanelRow{
            .actions = {"txtMax0=ab cdefg", "chkOpt0", "chkOpt1", "txtMax1=", "chkAllowNegative", "chkOpt2", "txtMax2=1=2"},
            .checks = {U, T, T, U, T, T}, .largest = {"ab cd", "", "1=2", "10"}, .enabled = {no, yes, yes, no, yes}, .negative = yes};
        QTest::newRow("greyed score box shows the score") << PanelRow{.stored = {"chkScore=2"}, .checks = {T, U, U, U, U, G}};
        QTest::newRow("negative kept while Subtraction unticked") << PanelRow{.stored = {"chkScore=2"}, .actions = {"chkOpt1", "chkAllowNegative", "chkOpt1", "chkOpt0"},
            .checks = {U, U, U, U, T, G}, .enabled = {no, no, no, no, no}, .negative = yes};
        QTest::newRow("greyed box ticks at the first click") << PanelRow{.stored = {"chkScore=2"}, .actions = {"chkScore"}, .checks = {T, U, U, U, U, T}};
        QTest::newRow("score hidden") << PanelRow{.actions = {"chkScore"}, .checks = {T, U, U, U, U, U}, .scoreShown = no};
        // clang-format on
    }
    // Each operation's tick enables its box, Subtraction's also "Allow
    // negative answers"; the score box shows the bar and enables Reset Score.
    // The options are saved once at close and come back as they were; a save
    // that fails is reported.
    void optionsPanel()
    {
        QFETCH(PanelRow, row);
        WindowUnderTest t({0.0}, row.stored);
        t.act(row.actions);
        comparePanel(t, row);
        t.window.close();
        QCOMPARE(t.store->commitCount, 1);
        QCOMPARE(t.store->values.keys(),
                 QStringList({"chkAllowNegative", "chkOpt0", "chkOpt1", "chkOpt2", "chkOpt3",
                              "chkScore", "txtMax0", "txtMax1", "txtMax2", "txtMax3"}));
        WindowUnderTest again({0.0}, {}, t.store);
        comparePanel(again, row);
        t.store->failCommit = true;
        again.window.close();
        QCOMPARE(again.messages.texts,
                 QStringList("Tallyfox: Your options could not be saved to "
                             "memory.\nThey will be as before at the next start."));
    }

    void messagesFocusAndSelect_data()
    {
        QTest::addColumn<MessageRow>("row");
        const QString none = "No selections made: You must select at least 1 option to perform";
        const QString range = "Invalid Entry: You must enter a valid number in the range 1-99999";
        const QString number = "Tallyfox: You must enter a valid number";
        // A largest number is read in the pupil's locale: under a decimal
        // comma (tst_mainwindow_decimalcomma) "2,5" is one.
        const bool comma = QLocale::system().decimalPoint() == ",";
        // clang-format off
        QTest::newRow("nothing ticked") << MessageRow{.stored = {"chkOpt0=0"}, .messages = {none}, .focused = {"cmdAnswer []", "cmdAnswer []"}};
        QTest::newRow("two bad boxes, one unticked") << MessageRow{.stored = {"chkOpt2=1", "txtMax0=0", "txtMax2=a bc", "txtMax3=x"},
            .messages = {range, range}, .focused = {"txtMax0 [0]", "txtMax2 [a bc]", "txtMax2 [a bc]"}};
        // A long stored text is shown whole from its start; "9,9e9" starts
        // with a number in range, but the whole of it is not one.
        QTest::newRow("long stored") << MessageRow{.stored = {"txtMax0=1234567"}, .messages = {range}, .focused = {"txtMax0 [1234567]", "txtMax0 [1234567]"}};
        QTest::newRow("whole value") << MessageRow{.stored = {"txtMax0=9,9e9"}, .messages = {range}, .focused = {"txtMax0 [9,9e9]", "txtMax0 [9,9e9]"}};
        QTest::newRow("decimal comma") << (comma ? MessageRow{.stored = {"txtMax0=2,5"}, .focused = {"txtUserAnswer []"}}
                                                 : MessageRow{.stored = {"txtMax0=2,5"}, .messages = {range}, .focused = {"txtMax0 [2,5]", "txtMax0 [2,5]"}});
        QTest::newRow("empty") << MessageRow{.typed = {""}, .messages = {"Tallyfox: You must supply an answer"}, .focused = {"cmdAnswer []", "txtUserAnswer []"}};
        QTest::newRow("blanks only") << MessageRow{.typed = {"   "}, .messages = {number}, .focused = {"cmdAnswer []", "txtUserAnswer [   ]"}};
        QTest::newRow("bad remainder") << MessageRow{.typed = {"3", "x"}, .messages = {number}, .focused = {"cmdAnswer []", "txtRemainder [x]"}};
        // clang-format on
    }
    void messagesFocusAndSelect()
    {
        QFETCH(MessageRow, row);
        const bool division = row.typed.size() == 2;
        const std::size_t operation = indexOf(division ? Operation::Division : Operation::Addition);
        WindowUnderTest t(draws[operation], row.stored + only[operation]);
        QCOMPARE(t.edit("txtMax0")->cursorPosition(), 0);
        t.act({"cmdAnswer"});
        if (!row.typed.isEmpty()) {
            type(t.edit("txtUserAnswer"), row.typed[0]);
            if (division)
                type(t.edit("txtRemainder"), row.typed[1]);
            t.act({"cmdAnswer"});
        }
        QCOMPARE(t.messages.texts, row.messages);
        QCOMPARE(t.messages.focused + QStringList(focusNow()), row.focused);
        const QString failing = row.focused.last().section(' ', 0, 0);
        if (failing.startsWith("txtMax")) // the failing box is red
            QCOMPARE(t.edit(failing)->palette().color(QPalette::Base), QColor(Qt::red));
    }

    void answerIsJudged_data()
    {
        QTest::addColumn<SumRow>("row");
        // clang-format off
        QTest::newRow("7 + 5") << SumRow{Operation::Addition, "7 + 5 (plus)", {"7 plus 5"}, {"13"}, {"12"}, "Wrong, the answer is 12", {"12"}};
        QTest::newRow("7 - 3") << SumRow{Operation::Subtraction, "7 - 3 (minus)", {"7 minus 3"}, {"3"}, {"4"}, "Wrong, the answer is 4", {"4"}};
        QTest::newRow("7 x 5") << SumRow{Operation::Multiplication, "7 x 5 (times)", {"7 times 5"}, {"0"}, {"35"}, "Wrong, the answer is 35", {"35"}};
        QTest::newRow("17 / 5") << SumRow{Operation::Division, "17 / 5 (divided by)", {"17 divided by 5, answer and remainder", "remainder of 17 divided by 5"},
                                          {"3", "1"}, {"3", "2"}, "Wrong, the answer is 3 remainder 2", {"3", "@", "2"}};
        // clang-format on
    }
    // The answer box is described with its sum from the moment it is posed;
    // each verdict is announced as it comes, and the answer button tells no
    // verdict before the sum is answered. Also run from a folder
    // without the pictures: judging goes on, the picture box stays empty.
    void answerIsJudged()
    {
        QFETCH(SumRow, row);
        const auto &[operation, sum, asked, wrong, right, verdict, shown] = row;
        const QString folder = QCoreApplication::applicationDirPath() + '/';
        QCOMPARE(QFile::exists(folder + "right.jpg"), !qEnvironmentVariableIsSet("NO_PICTURES"));
        const bool division = operation == Operation::Division;
        WindowUnderTest t(draws[indexOf(operation)], only[indexOf(operation)]);
        for (const QStringList &typed : {wrong, right}) {
            t.act({"cmdAnswer"});
            QCOMPARE(QStringLiteral("%1 %2 %3 (%4)")
                         .arg(t.text("lblNum1"), t.text("lblSign"), t.text("lblNum2"),
                              t.spoken("lblSign").section(" (", 0, 0)),
                     sum);
            QCOMPARE(QApplication::focusWidget(), t.get("txtUserAnswer"));
            QCOMPARE(t.edit("txtUserAnswer")->text(), ""); // the last answer gone
            QCOMPARE(t.spoken("txtUserAnswer"), "Answer (" + asked[0] + ')');
            if (division)
                QCOMPARE(t.spoken("txtRemainder"), "Remainder (" + asked[1] + ')');
            QCOMPARE(t.spoken("cmdAnswer"), "Check Answer ()"); // the caption, no verdict yet
            type(t.edit("txtUserAnswer"), typed[0]);
            if (division)
                type(t.edit("txtRemainder"), typed[1]);
            t.act({"cmdAnswer"});
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
        t.act({"cmdAnswer", "txtUserAnswer=1", "cmdAnswer"}); // one sum judged
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
        t.act({"cmdAnswer", "txtUserAnswer=12"});
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Return);
        QCOMPARE(t.panels(), noScore);
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Tab); // the remainder box is hidden
        QCOMPARE(QApplication::focusWidget(), t.get("cmdAnswer"));
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Return);
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Space);
        QCOMPARE(t.panels().section('|', 0, 0) + ' ' + t.caption(),
                 "Total questions = 1 Check Answer");
        t.act({"cmdResetScore"});
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
        WindowUnderTest t({0.1}, {"chkOpt1=1", "txtMax1=0"});
        t.act({"txtMax0=12", "cmdAnswer"}); // txtMax1 fails and turns red
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
