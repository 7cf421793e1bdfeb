// The main window's start state, options panel, saved options, layout and
// the input rules of its boxes, driven through the real controls.
#include "ui/main/twostatecheckbox.h"
#include "windowfixture.h"

#include <QMenuBar>

namespace {

// The options panel in one line: each operation as value/enabled/text, then
// "Allow negative answers" (value, enabled, the flag), the score box, the
// status bar and "Reset Score". A disabled control is marked with "-".
QString Panel(WindowUnderTest &t)
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

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startState_data()
    {
        QTest::addColumn<StoredValues>("stored");
        QTest::addColumn<QString>("panel");
        QTest::newRow("nothing stored")
            << StoredValues{} << "1 10, 0 -10, 0 -10, 0 -10, neg 0- off, score 1 bar reset";
        QTest::newRow("stored options")
            << StoredValues{{"chkOpt0", "0"},          {"chkOpt1", "1"},      {"chkOpt2", " 1 "},
                            {"chkAllowNegative", "1"}, {"chkScore", "0"},     {"txtMax0", ""},
                            {"txtMax2", "12"},         {"txtMax3", "1234567"}}
            << "0 -, 1 10, 1 12, 0 -1234567, neg 1 on, score 0 nobar -reset";
        // A stored check value that cannot be put into a box takes its default.
        for (const char *bad : {"7", "-1", "abc", "", "1e9"})
            QTest::addRow("bad check value %s", bad)
                << StoredValues{{"chkOpt0", bad}, {"chkScore", bad}, {"chkOpt2", "1"}}
                << "1 10, 0 -10, 1 10, 0 -10, neg 0- off, score 1 bar reset";
        QTest::newRow("greyed") << StoredValues{{"chkOpt1", "2"}}
                                << "1 10, 2 -10, 0 -10, 0 -10, neg 0- off, score 1 bar reset";
    }
    void startState()
    {
        QFETCH(StoredValues, stored);
        QFETCH(QString, panel);
        WindowUnderTest t({0.0}, stored);
        QCOMPARE(Panel(t), panel);
        QCOMPARE(t.window.windowTitle(), "Tallyfox");
        // A hidden bar stays empty until it is first shown.
        QCOMPARE(t.panels(), t.shown("status1") ? "Total questions = 0|Correct answers = 0|"
                                                  "Wrong answers = 0|Score = 0.0%"
                                                : "|||");
        QCOMPARE(t.text("lblSign"), QString());
        for (const char *name :
             {"lblRemainder", "txtRemainder", "lblAnswer1", "lblAnsAnd", "lblAnswer2"})
            QVERIFY2(!t.shown(name), name);
        QCOMPARE(t.caption(), "Next Question");
        QCOMPARE(t.focusName(), "chkOpt0");
        // Loading a text ran the box's change handler, which paints it white.
        QCOMPARE(t.edit("txtMax1")->palette().color(QPalette::Base), QColor(Qt::white));
    }

    void optionsAreSavedOnCloseAndComeBack()
    {
        WindowUnderTest t;
        t.type("txtMax0", "abc");
        t.click("chkOpt0");
        t.click("chkOpt2");
        t.type("txtMax2", "");
        t.click("chkScore");
        t.window.close();
        const StoredValues expected = {
            {"chkOpt0", "0"},  {"chkOpt1", "0"},          {"chkOpt2", "1"},   {"chkOpt3", "0"},
            {"chkScore", "0"}, {"chkAllowNegative", "0"}, {"txtMax0", "abc"}, {"txtMax1", "10"},
            {"txtMax2", ""},   {"txtMax3", "10"}};
        QCOMPARE(t.store->values, expected);
        QCOMPARE(t.store->commitCount, 1);

        WindowUnderTest again({0.0}, {}, t.store);
        QCOMPARE(Panel(again), "0 -abc, 0 -10, 1 , 0 -10, neg 0- off, score 0 nobar -reset");
    }

    void aSaveThatFailsIsReportedAndTheWindowStillCloses()
    {
        WindowUnderTest t;
        t.store->failCommit = true;
        QVERIFY(t.window.close());
        QVERIFY(t.lastMessage().contains(t.store->location()));
        QVERIFY(!t.window.isVisible());
    }

    void panelFollowsTheTicks()
    {
        WindowUnderTest t(QList<double>{0.1, 0.65, 0.5});
        t.click("chkOpt1");
        t.click("chkAllowNegative");
        QCOMPARE(Panel(t), "1 10, 1 10, 0 -10, 0 -10, neg 1 on, score 1 bar reset");
        t.type("txtMax0", "77");
        t.click("chkOpt1"); // "Allow negative answers" keeps its tick
        t.click("chkOpt0");
        QCOMPARE(Panel(t), "0 -77, 0 -10, 0 -10, 0 -10, neg 1- on, score 1 bar reset");
        t.click("chkOpt0");
        t.click("chkScore");
        QCOMPARE(Panel(t), "1 77, 0 -10, 0 -10, 0 -10, neg 1- on, score 0 nobar -reset");
        t.press(); // 7 + 5, counted while the bar is hidden
        t.type("txtUserAnswer", "12");
        t.press();
        t.click("chkScore");
        QVERIFY(t.panels().startsWith("Total questions = 1"));
        QCOMPARE(Panel(t), "1 77, 0 -10, 0 -10, 0 -10, neg 1- on, score 1 bar reset");
    }

    void greyedBoxOnlyTicksAndUnticks()
    {
        WindowUnderTest t({0.0}, {{"chkOpt1", "2"}});
        QCheckBox *box = t.check("chkOpt1");
        QList<Qt::CheckState> states;
        for (int i = 0; i < 3; ++i) {
            t.click("chkOpt1");
            states << box->checkState();
        }
        QTest::keyClick(box, Qt::Key_Space);
        states << box->checkState();
        QCOMPARE(states,
                 QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
    }

    void typedLengthIsLimited_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("limit");
        QTest::newRow("largest number") << "txtMax0" << 5;
        QTest::newRow("answer") << "txtUserAnswer" << 10;
    }
    void typedLengthIsLimited()
    {
        QFETCH(QString, box);
        QFETCH(int, limit);
        WindowUnderTest t(QList<double>{0.1, 0.65, 0.5});
        t.press();
        t.type(box, "1234567890123");
        QCOMPARE(t.edit(box)->text(), QString("1234567890123").left(limit));
    }

    void storedLongTextCanOnlyShrink()
    {
        WindowUnderTest t({0.0}, {{"txtMax0", "1234567"}});
        QLineEdit *box = t.edit("txtMax0");
        box->setFocus();
        box->end(false);
        QString seen;
        for (Qt::Key key : {Qt::Key_8, Qt::Key_Backspace, Qt::Key_9}) {
            QTest::keyClick(box, key);
            seen += box->text() + ' ';
        }
        box->setCursorPosition(2); // editing in the middle keeps the cursor there
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_0);
        QCOMPARE(seen + box->text() + ' ' + QString::number(box->cursorPosition()),
                 "1234567 123456 123456 12456 2");
    }

    void tabOrderSkipsHiddenAndDisabledBoxes()
    {
        WindowUnderTest t;
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << t.focusName();
        }
        QCOMPARE(order, QStringList({"txtMax0", "chkOpt1", "chkOpt2", "chkOpt3", "chkScore",
                                     "cmdResetScore", "txtUserAnswer", "cmdAnswer", "chkOpt0"}));
    }

    void layoutMatchesTheDesign()
    {
        WindowUnderTest t;
        QCOMPARE(t.window.centralWidget()->height() + t.get("status1")->height(), 357);
        QCOMPARE(t.window.width(), 919);
        QCOMPARE(t.window.minimumSize(), t.window.maximumSize());
        QVERIFY(!(t.window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(t.window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(t.get("fraOptions")->geometry(), QRect(8, 8, 313, 321));
        QCOMPARE(t.get("txtUserAnswer")->geometry(), QRect(592, 48, 145, 33));
        QCOMPARE(t.get("picAns")->geometry(), QRect(472, 104, 105, 105));
        QCOMPARE(t.get("panel4")->width(), 167);
        QCOMPARE(t.get("txtRemainder")->toolTip(), "Enter the remainder");
        QCOMPARE(t.get("txtMax3")->toolTip(), "1 to 99999");
        QCOMPARE(t.get("txtMax3")->accessibleName(), "Largest number for Division");
        QCOMPARE(t.get("txtRemainder")->accessibleName(), "Remainder");
        const QList<QAction *> menu = t.window.menuBar()->actions();
        QCOMPARE(menu.size(), 1);
        QCOMPARE(menu[0]->text(), "&About");
        QVERIFY(menu[0]->menu() == nullptr);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
