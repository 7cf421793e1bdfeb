// The main window's start state, options panel, saved options, layout and
// the input rules of its boxes, driven through the real controls.
#include "windowfixture.h"

#include <QMenuBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    static std::shared_ptr<MemorySettingsStore> Stored(const QMap<QString, QString> &values)
    {
        auto store = std::make_shared<MemorySettingsStore>();
        store->values = values;
        return store;
    }

private Q_SLOTS:
    void startStateFromAnEmptyStore()
    {
        WindowUnderTest t;
        QCOMPARE(t.window.windowTitle(), "Tallyfox");
        QCOMPARE(t.check("chkOpt0")->checkState(), Qt::Checked);
        QVERIFY(t.edit("txtMax0")->isEnabled());
        for (const char *name : {"chkOpt1", "chkOpt2", "chkOpt3"})
            QCOMPARE(t.check(name)->checkState(), Qt::Unchecked);
        for (const char *name : {"txtMax1", "txtMax2", "txtMax3"})
            QVERIFY(!t.edit(name)->isEnabled());
        for (int i = 0; i < 4; ++i) {
            QLineEdit *box = t.edit(QStringLiteral("txtMax%1").arg(i));
            QCOMPARE(box->text(), "10");
            // Loading the text ran the box's change handler, which paints it white.
            QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::white));
        }
        QCOMPARE(t.check("chkAllowNegative")->checkState(), Qt::Unchecked);
        QVERIFY(!t.check("chkAllowNegative")->isEnabled());
        QVERIFY(!t.window.quizState().allowNegative);
        QCOMPARE(t.check("chkScore")->checkState(), Qt::Checked);
        QVERIFY(!t.get<QStatusBar>("status1")->isHidden());
        QVERIFY(t.button("cmdResetScore")->isEnabled());
        QCOMPARE(t.panels(), QStringList({"Total questions = 0", "Correct answers = 0",
                                          "Wrong answers = 0", "Score = 0.0%"}));
        QCOMPARE(t.label("lblSign")->text(), QString());
        for (const char *name :
             {"lblRemainder", "txtRemainder", "lblAnswer1", "lblAnsAnd", "lblAnswer2"})
            QVERIFY2(t.get<QWidget>(name)->isHidden(), name);
        QCOMPARE(t.button("cmdAnswer")->text(), "Next Question");
        QCOMPARE(t.focusName(), "chkOpt0");
    }

    void startStateFromAFilledStore()
    {
        WindowUnderTest t({0.0}, Stored({{"chkOpt0", "0"},
                                         {"chkOpt1", "1"},
                                         {"chkOpt2", "1"},
                                         {"chkAllowNegative", "1"},
                                         {"chkScore", "0"},
                                         {"txtMax0", ""},
                                         {"txtMax2", "12"}}));
        QCOMPARE(t.check("chkOpt0")->checkState(), Qt::Unchecked);
        QVERIFY(!t.edit("txtMax0")->isEnabled());
        QCOMPARE(t.edit("txtMax0")->text(), QString());
        QVERIFY(t.edit("txtMax1")->isEnabled());
        QCOMPARE(t.edit("txtMax2")->text(), "12");
        QVERIFY(t.check("chkAllowNegative")->isEnabled());
        QVERIFY(t.window.quizState().allowNegative);
        QVERIFY(t.get<QStatusBar>("status1")->isHidden());
        QVERIFY(!t.button("cmdResetScore")->isEnabled());
    }

    void badStoredCheckValueTakesItsDefault_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("out of range") << "7";
        QTest::newRow("negative") << "-1";
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("beyond 16 bits") << "1e9";
    }
    void badStoredCheckValueTakesItsDefault()
    {
        QFETCH(QString, stored);
        WindowUnderTest t(
            {0.0},
            Stored(
                {{"chkOpt0", stored}, {"chkScore", stored}, {"chkOpt2", "1"}, {"txtMax2", "50"}}));
        QCOMPARE(t.check("chkOpt0")->checkState(), Qt::Checked);
        QCOMPARE(t.check("chkScore")->checkState(), Qt::Checked);
        QCOMPARE(t.check("chkOpt2")->checkState(), Qt::Checked);
        QCOMPARE(t.edit("txtMax2")->text(), "50");
    }

    void optionsAreSavedOnClose()
    {
        WindowUnderTest t;
        t.type("txtMax0", "abc");
        QTest::mouseClick(t.check("chkOpt0"), Qt::LeftButton);
        QTest::mouseClick(t.check("chkOpt2"), Qt::LeftButton);
        t.type("txtMax2", "12");
        QTest::mouseClick(t.check("chkScore"), Qt::LeftButton);
        t.window.close();
        const QMap<QString, QString> expected = {
            {"chkOpt0", "0"},  {"chkOpt1", "0"},   {"chkOpt2", "1"},          {"chkOpt3", "0"},
            {"chkScore", "0"}, {"txtMax0", "abc"}, {"chkAllowNegative", "0"}, {"txtMax1", "10"},
            {"txtMax2", "12"}, {"txtMax3", "10"}};
        QCOMPARE(t.store->values, expected);
        QCOMPARE(t.store->commitCount, 1);

        // And they come back at the next start.
        WindowUnderTest again({0.0}, t.store);
        QCOMPARE(again.check("chkOpt0")->checkState(), Qt::Unchecked);
        QCOMPARE(again.edit("txtMax2")->text(), "12");
        QCOMPARE(again.edit("txtMax0")->text(), "abc");
        QVERIFY(again.get<QStatusBar>("status1")->isHidden());
    }

    void aSaveThatFailsIsReportedAndTheWindowStillCloses()
    {
        WindowUnderTest t;
        t.store->failCommit = true;
        QVERIFY(t.window.close());
        QCOMPARE(t.messages.messages.size(), 1);
        QVERIFY(t.messages.messages[0].text.contains(t.store->Location()));
        QVERIFY(!t.window.isVisible());
    }

    void operationBoxesFollowTheirTicks()
    {
        WindowUnderTest t;
        QTest::mouseClick(t.check("chkOpt1"), Qt::LeftButton);
        QVERIFY(t.edit("txtMax1")->isEnabled());
        QVERIFY(t.check("chkAllowNegative")->isEnabled());
        QTest::mouseClick(t.check("chkAllowNegative"), Qt::LeftButton);
        QVERIFY(t.window.quizState().allowNegative);
        QTest::mouseClick(t.check("chkOpt1"), Qt::LeftButton);
        QVERIFY(!t.edit("txtMax1")->isEnabled());
        QVERIFY(!t.check("chkAllowNegative")->isEnabled());
        QCOMPARE(t.check("chkAllowNegative")->checkState(), Qt::Checked);
        QVERIFY(t.window.quizState().allowNegative);

        // Unticking keeps the text; ticking again brings the box back as it was.
        t.type("txtMax0", "77");
        QTest::mouseClick(t.check("chkOpt0"), Qt::LeftButton);
        QVERIFY(!t.edit("txtMax0")->isEnabled());
        QTest::mouseClick(t.check("chkOpt0"), Qt::LeftButton);
        QVERIFY(t.edit("txtMax0")->isEnabled());
        QCOMPARE(t.edit("txtMax0")->text(), "77");
    }

    void scoreBoxShowsAndHidesTheTally()
    {
        WindowUnderTest t({0.1, 0.65, 0.5});
        auto *bar = t.get<QStatusBar>("status1");
        QTest::mouseClick(t.check("chkScore"), Qt::LeftButton);
        QVERIFY(bar->isHidden());
        QVERIFY(!t.button("cmdResetScore")->isEnabled());
        t.press();
        t.type("txtUserAnswer", "12");
        t.press(); // counted while hidden
        QTest::mouseClick(t.check("chkScore"), Qt::LeftButton);
        QVERIFY(!bar->isHidden());
        QVERIFY(t.button("cmdResetScore")->isEnabled());
        QCOMPARE(t.panels().at(0), "Total questions = 1");
    }

    void greyedBoxOnlyTicksAndUnticks()
    {
        WindowUnderTest t({0.0}, Stored({{"chkOpt1", "2"}}));
        QCheckBox *box = t.check("chkOpt1");
        QCOMPARE(box->checkState(), Qt::PartiallyChecked);
        QVERIFY(!t.edit("txtMax1")->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->checkState(), Qt::Checked);
        QVERIFY(t.edit("txtMax1")->isEnabled());
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY(box->checkState() != Qt::PartiallyChecked);
        }
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->checkState() != Qt::PartiallyChecked);
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
        WindowUnderTest t({0.1, 0.65, 0.5});
        t.press(); // shows the answer box's question
        t.type(box, "1234567890123");
        QCOMPARE(t.edit(box)->text(), QString("1234567890123").left(limit));
    }

    void storedLongTextIsShownWholeAndCanOnlyShrink()
    {
        WindowUnderTest t({0.0}, Stored({{"txtMax0", "1234567"}}));
        QLineEdit *box = t.edit("txtMax0");
        QCOMPARE(box->text(), "1234567");
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_8);
        QCOMPARE(box->text(), "1234567");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), "123456");
        QTest::keyClick(box, Qt::Key_9);
        QCOMPARE(box->text(), "123456");
        // Editing in the middle keeps the cursor where the user is.
        box->setCursorPosition(2);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), "12456");
        QCOMPARE(box->cursorPosition(), 2);
        QTest::keyClick(box, Qt::Key_0);
        QCOMPARE(box->text(), "12456");
    }

    void tabOrderSkipsHiddenAndDisabledBoxes()
    {
        WindowUnderTest t;
        const QStringList expected = {"txtMax0",       "chkOpt1",   "chkOpt2",
                                      "chkOpt3",       "chkScore",  "cmdResetScore",
                                      "txtUserAnswer", "cmdAnswer", "chkOpt0"};
        QCOMPARE(t.focusName(), "chkOpt0");
        for (const QString &name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(t.focusName(), name);
        }
    }

    void layoutMatchesTheDesign()
    {
        WindowUnderTest t;
        QCOMPARE(t.window.centralWidget()->height() + t.get<QStatusBar>("status1")->height(), 357);
        QCOMPARE(t.window.width(), 919);
        QCOMPARE(t.window.minimumSize(), t.window.maximumSize());
        QVERIFY(!(t.window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(t.window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(t.get<QWidget>("fraOptions")->geometry(), QRect(8, 8, 313, 321));
        QCOMPARE(t.edit("txtUserAnswer")->geometry(), QRect(592, 48, 145, 33));
        QCOMPARE(t.label("picAns")->geometry(), QRect(472, 104, 105, 105));
        QCOMPARE(t.button("cmdAnswer")->geometry(), QRect(376, 248, 145, 33));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(t.label(QStringLiteral("panel%1").arg(i))->width(), 167);
        QCOMPARE(t.edit("txtRemainder")->toolTip(), "Enter the remainder");
        QCOMPARE(t.edit("txtMax3")->toolTip(), "1 to 99999");
        const QList<QAction *> menu = t.window.menuBar()->actions();
        QCOMPARE(menu.size(), 1);
        QCOMPARE(menu[0]->text(), "&About");
        QVERIFY(menu[0]->menu() == nullptr);
    }

    void controlsHaveAccessibleNames()
    {
        WindowUnderTest t;
        const QMap<QString, QString> names = {{"txtUserAnswer", "Answer"},
                                              {"txtRemainder", "Remainder"},
                                              {"txtMax0", "Largest number for Addition"},
                                              {"txtMax3", "Largest number for Division"},
                                              {"chkOpt2", "Multiplication"}};
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            QCOMPARE(t.get<QWidget>(it.key())->accessibleName(), it.value());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
