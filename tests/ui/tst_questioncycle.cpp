// The answer button's cycle driven through the real window: questions,
// judging, the messages for unusable answers, focus and selection.
#include "quiz/quizstate.h"
#include "windowfixture.h"

class TestQuestionCycle : public QObject
{
    Q_OBJECT

private:
    // Draws for 7 + 5 with largest number 10: operation 0, then 7, then 5.
    static QList<double> SevenPlusFive() { return {0.1, 0.65, 0.5}; }
    // Draws for 17 / 5 with largest number 20 and only Division ticked.
    static std::shared_ptr<MemorySettingsStore> DivisionOnly()
    {
        auto store = std::make_shared<MemorySettingsStore>();
        store->values = {{"chkOpt0", "0"}, {"chkOpt3", "1"}, {"txtMax3", "20"}};
        return store;
    }
    static QList<double> SeventeenBy5() { return {0.8, 17.5 / 21, 0.225}; }

private Q_SLOTS:
    void rightAnswerIsCountedAndShown_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("plain") << "12";
        QTest::newRow("decimal zero") << "12.00";
        QTest::newRow("blanks around") << "  12 ";
    }
    void rightAnswerIsCountedAndShown()
    {
        QFETCH(QString, answer);
        WindowUnderTest t(SevenPlusFive());
        t.press();
        QCOMPARE(t.button("cmdAnswer")->text(), "Check Answer");
        QCOMPARE(t.label("lblNum1")->text(), "7");
        QCOMPARE(t.label("lblSign")->text(), "+");
        QCOMPARE(t.label("lblNum2")->text(), "5");
        QCOMPARE(t.focusName(), "txtUserAnswer");
        QVERIFY(t.edit("txtRemainder")->isHidden());

        t.type("txtUserAnswer", answer);
        t.press();
        QCOMPARE(t.button("cmdAnswer")->text(), "Next Question");
        QCOMPARE(t.label("picAns")->accessibleDescription(), "Right answer");
        const QImage shown = t.label("picAns")->pixmap().toImage();
        QCOMPARE(shown, QImage(QCoreApplication::applicationDirPath() + "/right.jpg")
                            .convertToFormat(shown.format()));
        QVERIFY(t.label("lblAnswer1")->isHidden());
        QCOMPARE(t.panels(), QStringList({"Total questions = 1", "Correct answers = 1",
                                          "Wrong answers = 0", "Score = 100.0%"}));
        QVERIFY(t.messages.messages.isEmpty());
    }

    void wrongAnswerShowsTheRightOne()
    {
        WindowUnderTest t(SevenPlusFive());
        t.press();
        t.type("txtUserAnswer", "13");
        t.press();
        QCOMPARE(t.label("picAns")->accessibleDescription(), "Wrong answer");
        QVERIFY(!t.label("lblAnswer1")->isHidden());
        QCOMPARE(t.label("lblAnswer1")->text(), "12");
        QVERIFY(t.label("lblAnsAnd")->isHidden());
        QVERIFY(t.label("lblAnswer2")->isHidden());
        QCOMPARE(t.panels().at(2), "Wrong answers = 1");
        QCOMPARE(t.panels().at(3), "Score = 0.0%");

        // The next question clears the verdict and the typed answer.
        t.press();
        QVERIFY(t.label("lblAnswer1")->isHidden());
        QCOMPARE(t.edit("txtUserAnswer")->text(), QString());
        QCOMPARE(t.label("picAns")->accessibleDescription(), "No answer judged yet");
    }

    void unusableAnswerIsRejected_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "You must supply an answer";
        QTest::newRow("letters") << "abc"
                                 << "You must enter a valid number";
        QTest::newRow("blanks only") << "   "
                                     << "You must enter a valid number";
        QTest::newRow("digits then letters") << "12a"
                                             << "You must enter a valid number";
    }
    void unusableAnswerIsRejected()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        WindowUnderTest t(SevenPlusFive());
        t.press();
        t.type("txtUserAnswer", answer);
        t.button("cmdAnswer")->setFocus(); // the press comes from elsewhere
        t.press();
        QCOMPARE(t.messages.messages.size(), 1);
        QCOMPARE(t.messages.messages[0].title, "Tallyfox");
        QCOMPARE(t.messages.messages[0].text, message);
        QCOMPARE(t.focusName(), "txtUserAnswer");
        QCOMPARE(t.edit("txtUserAnswer")->selectedText(), answer);
        QCOMPARE(t.button("cmdAnswer")->text(), "Check Answer");
        QCOMPARE(t.window.quizState().tally.totalQuestions(), 0);
    }

    void divisionChecksTheRemainderToo()
    {
        WindowUnderTest t(SeventeenBy5(), DivisionOnly());
        t.press();
        QCOMPARE(t.label("lblNum1")->text(), "17");
        QCOMPARE(t.label("lblSign")->text(), "/");
        QCOMPARE(t.label("lblNum2")->text(), "5");
        QVERIFY(!t.edit("txtRemainder")->isHidden());
        QVERIFY(!t.label("lblRemainder")->isHidden());

        t.type("txtUserAnswer", "3");
        t.press();
        QCOMPARE(t.messages.messages.last().text, "You must supply an answer");
        QCOMPARE(t.focusName(), "txtRemainder");
        t.type("txtRemainder", "x");
        t.press();
        QCOMPARE(t.messages.messages.last().text, "You must enter a valid number");
        QCOMPARE(t.focusName(), "txtRemainder");
        QCOMPARE(t.edit("txtRemainder")->selectedText(), "x");
        QCOMPARE(t.window.quizState().tally.totalQuestions(), 0);

        t.type("txtRemainder", "1");
        t.press();
        QCOMPARE(t.label("lblAnswer1")->text(), "3");
        QCOMPARE(t.label("lblAnswer2")->text(), "2");
        QVERIFY(!t.label("lblAnsAnd")->isHidden());
        QVERIFY(!t.label("lblAnswer2")->isHidden());
    }

    void divisionRightAnswer()
    {
        WindowUnderTest t(SeventeenBy5(), DivisionOnly());
        t.press();
        t.type("txtUserAnswer", "3");
        t.type("txtRemainder", "2");
        t.press();
        QCOMPARE(t.panels().at(1), "Correct answers = 1");
    }

    void enterInTheAnswerBoxDoesNotPressTheButton()
    {
        WindowUnderTest t(SevenPlusFive());
        t.press();
        t.type("txtUserAnswer", "12");
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Return);
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Enter);
        QCOMPARE(t.button("cmdAnswer")->text(), "Check Answer");
        QCOMPARE(t.window.quizState().tally.totalQuestions(), 0);

        // Once the button has the focus, the keyboard presses it.
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Tab);
        QCOMPARE(t.focusName(), "cmdAnswer");
        QTest::keyClick(t.button("cmdAnswer"), Qt::Key_Return);
        QCOMPARE(t.window.quizState().tally.totalQuestions(), 1);
        QTest::keyClick(t.button("cmdAnswer"), Qt::Key_Space);
        QCOMPARE(t.button("cmdAnswer")->text(), "Check Answer");
    }

    void resetWhileAQuestionIsOpen()
    {
        WindowUnderTest t({0.1, 0.65, 0.5, 0.1, 0.65, 0.5});
        t.press();
        t.type("txtUserAnswer", "1");
        t.press();
        t.press();
        QTest::mouseClick(t.button("cmdResetScore"), Qt::LeftButton);
        QCOMPARE(t.panels().at(0), "Total questions = 0");
        QCOMPARE(t.label("lblNum1")->text(), "7"); // the open question stays
        t.type("txtUserAnswer", "12");
        t.press();
        QCOMPARE(t.panels(), QStringList({"Total questions = 1", "Correct answers = 1",
                                          "Wrong answers = 0", "Score = 100.0%"}));
    }

    void noOperationTickedAsksNothing()
    {
        WindowUnderTest t;
        QTest::mouseClick(t.check("chkOpt0"), Qt::LeftButton);
        t.press();
        QCOMPARE(t.messages.messages.size(), 1);
        QCOMPARE(t.messages.messages[0].title, "No selections made");
        QCOMPARE(t.messages.messages[0].text, "You must select at least 1 option to perform");
        QCOMPARE(t.button("cmdAnswer")->text(), "Next Question");
        QCOMPARE(t.label("lblNum1")->text(), QString());
    }

    void everyFailingBoxIsReportedInOrder()
    {
        auto store = std::make_shared<MemorySettingsStore>();
        store->values = {
            {"chkOpt2", "1"}, {"txtMax0", "0"}, {"txtMax2", "abc"}, {"txtMax3", "abc"}};
        WindowUnderTest t({0.0}, store);
        t.press();
        QCOMPARE(t.messages.messages.size(), 2);
        for (const RecordedMessage &m : t.messages.messages) {
            QCOMPARE(m.title, "Invalid Entry");
            QCOMPARE(m.text, "You must enter a valid number in the range 1-99999");
        }
        QCOMPARE(t.messages.messages[0].focus, "txtMax0");
        QCOMPARE(t.messages.messages[0].selection, "0");
        QCOMPARE(t.messages.messages[1].focus, "txtMax2");
        QCOMPARE(t.focusName(), "txtMax2");
        QCOMPARE(t.edit("txtMax2")->selectedText(), "abc");
        QCOMPARE(t.edit("txtMax0")->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(t.edit("txtMax2")->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(t.button("cmdAnswer")->text(), "Next Question");

        // Typing into a red box turns it white at once.
        QTest::keyClick(t.edit("txtMax2"), Qt::Key_5);
        QCOMPARE(t.edit("txtMax2")->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(t.edit("txtMax0")->palette().color(QPalette::Base), QColor(Qt::red));
    }

    void greyedOnlyPanelIsReportedNotDrawnForEver()
    {
        auto store = std::make_shared<MemorySettingsStore>();
        store->values = {{"chkOpt0", "2"}};
        WindowUnderTest t({0.1}, store);
        QCOMPARE(t.check("chkOpt0")->checkState(), Qt::PartiallyChecked);
        t.press();
        QCOMPARE(t.messages.messages.size(), 1);
        QCOMPARE(t.messages.messages[0].title, "No selections made");
        QCOMPARE(t.button("cmdAnswer")->text(), "Next Question");
    }

    void optionChangesWaitForTheNextQuestion()
    {
        auto store = std::make_shared<MemorySettingsStore>();
        store->values = {{"chkOpt0", "0"}, {"chkOpt1", "1"}};
        // Subtraction 3 - 7 needs negatives; first drawn without them: 7 - 3.
        WindowUnderTest t({0.3, 7.5 / 11, 3.5 / 11, 0.3, 3.5 / 11, 7.5 / 11}, store);
        t.press();
        QCOMPARE(t.label("lblNum1")->text(), "7");
        QCOMPARE(t.label("lblNum2")->text(), "3");
        QTest::mouseClick(t.check("chkAllowNegative"), Qt::LeftButton);
        QCOMPARE(t.window.quizState().expectedAnswer, 4.0);
        t.type("txtUserAnswer", "4");
        t.press();
        t.press();
        QCOMPARE(t.label("lblNum1")->text(), "3");
        QCOMPARE(t.label("lblNum2")->text(), "7");
        t.type("txtUserAnswer", "-4");
        t.press();
        QCOMPARE(t.panels().at(1), "Correct answers = 2");
    }
};

QTEST_MAIN(TestQuestionCycle)
#include "tst_questioncycle.moc"
