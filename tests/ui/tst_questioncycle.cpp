// The answer button's cycle driven through the real window: questions,
// judging, the messages for unusable answers, focus and selection.
#include "windowfixture.h"

namespace {
// Draws for 7 + 5 with largest number 10: operation 0, then 7, then 5.
const QList<double> sevenPlusFive = {0.1, 0.65, 0.5};
// Draws for 17 / 5 with largest number 20 and only Division ticked.
const QList<double> seventeenByFive = {0.8, 17.5 / 21, 0.225};
const StoredValues divisionOnly = {{"chkOpt0", "0"}, {"chkOpt3", "1"}, {"txtMax3", "20"}};
} // namespace

class TestQuestionCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answerIsJudged_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("panels");
        QTest::addColumn<QString>("shownAnswer");
        const QString right =
            "Total questions = 1|Correct answers = 1|Wrong answers = 0|Score = 100.0%";
        const QString wrong =
            "Total questions = 1|Correct answers = 0|Wrong answers = 1|Score = 0.0%";
        QTest::newRow("right") << "12" << right << "";
        QTest::newRow("decimal zero") << "12.00" << right << "";
        QTest::newRow("blanks around") << "  12 " << right << "";
        QTest::newRow("wrong") << "13" << wrong << "12";
    }
    void answerIsJudged()
    {
        QFETCH(QString, answer);
        QFETCH(QString, panels);
        QFETCH(QString, shownAnswer);
        WindowUnderTest t(sevenPlusFive);
        t.press();
        QCOMPARE(t.caption(), "Check Answer");
        QCOMPARE(t.text("lblNum1") + t.text("lblSign") + t.text("lblNum2"), "7+5");
        QCOMPARE(t.focusName(), "txtUserAnswer");
        QVERIFY(!t.shown("txtRemainder") && !t.shown("lblRemainder"));

        t.type("txtUserAnswer", answer);
        t.press();
        QCOMPARE(t.caption(), "Next Question");
        QCOMPARE(t.panels(), panels);
        QCOMPARE(t.shown("lblAnswer1"), !shownAnswer.isEmpty());
        QCOMPARE(t.text("lblAnswer1"), shownAnswer);
        QVERIFY(!t.shown("lblAnsAnd") && !t.shown("lblAnswer2"));
        const QString picture = shownAnswer.isEmpty() ? "right.jpg" : "wrong.jpg";
        const QImage shown = t.get<QLabel>("picAns")->pixmap().toImage();
        QCOMPARE(shown, QImage(QCoreApplication::applicationDirPath() + '/' + picture)
                            .convertToFormat(shown.format()));
        QCOMPARE(t.get("picAns")->accessibleDescription(),
                 shownAnswer.isEmpty() ? "Right answer" : "Wrong answer");
        QVERIFY(t.messages.messages.isEmpty());

        // The next question clears the verdict and the typed answer.
        t.press();
        QVERIFY(!t.shown("lblAnswer1"));
        QCOMPARE(t.edit("txtUserAnswer")->text(), QString());
    }

    void unusableAnswerIsRejected_data()
    {
        QTest::addColumn<bool>("division");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("remainder");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box");
        const QString missing = "You must supply an answer";
        const QString invalid = "You must enter a valid number";
        QTest::newRow("empty") << false << ""
                               << "" << missing << "txtUserAnswer";
        QTest::newRow("letters") << false << "abc"
                                 << "" << invalid << "txtUserAnswer";
        QTest::newRow("blanks only") << false << "   "
                                     << "" << invalid << "txtUserAnswer";
        QTest::newRow("digits, letter") << false << "12a"
                                        << "" << invalid << "txtUserAnswer";
        QTest::newRow("no remainder") << true << "3"
                                      << "" << missing << "txtRemainder";
        QTest::newRow("bad remainder") << true << "3"
                                       << "x" << invalid << "txtRemainder";
        QTest::newRow("answer first") << true << ""
                                      << "x" << missing << "txtUserAnswer";
    }
    void unusableAnswerIsRejected()
    {
        QFETCH(bool, division);
        QFETCH(QString, answer);
        QFETCH(QString, remainder);
        QFETCH(QString, message);
        QFETCH(QString, box);
        WindowUnderTest t(division ? seventeenByFive : sevenPlusFive,
                          division ? divisionOnly : StoredValues());
        t.press();
        t.type("txtUserAnswer", answer);
        if (division)
            t.type("txtRemainder", remainder);
        t.get("cmdAnswer")->setFocus(); // the press comes from elsewhere
        t.press();
        QCOMPARE(t.messages.messages.size(), 1);
        QCOMPARE(t.messages.messages[0].title, "Tallyfox");
        QCOMPARE(t.lastMessage(), message);
        QCOMPARE(t.focusName(), box);
        QCOMPARE(t.edit(box)->selectedText(), t.edit(box)->text());
        QCOMPARE(t.caption(), "Check Answer");
        QCOMPARE(t.total(), 0);
    }

    void divisionIsJudgedOnBothValues()
    {
        WindowUnderTest t(seventeenByFive, divisionOnly);
        t.press();
        QCOMPARE(t.text("lblNum1") + t.text("lblSign") + t.text("lblNum2"), "17/5");
        QVERIFY(t.shown("txtRemainder") && t.shown("lblRemainder"));
        t.type("txtUserAnswer", "3");
        t.type("txtRemainder", "1");
        t.press();
        QCOMPARE(t.text("lblAnswer1") + t.text("lblAnsAnd") + t.text("lblAnswer2"), "3@2");
        QVERIFY(t.shown("lblAnsAnd") && t.shown("lblAnswer2"));
        t.press();
        t.type("txtUserAnswer", "3");
        t.type("txtRemainder", "2");
        t.press();
        QVERIFY(t.panels().contains("Correct answers = 1"));
    }

    void enterPressesTheButtonOnlyWhenItHasTheFocus()
    {
        WindowUnderTest t(sevenPlusFive);
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
        QCOMPARE(t.caption(), "Check Answer");
    }

    void resetWhileAQuestionIsOpen()
    {
        WindowUnderTest t(sevenPlusFive);
        t.press();
        t.type("txtUserAnswer", "1");
        t.press();
        t.press();
        t.click("cmdResetScore");
        QCOMPARE(t.panels(),
                 "Total questions = 0|Correct answers = 0|Wrong answers = 0|Score = 0.0%");
        QCOMPARE(t.text("lblNum1"), "7"); // the open question stays
        t.type("txtUserAnswer", "12");
        t.press();
        QVERIFY(t.panels().startsWith("Total questions = 1|Correct answers = 1"));
    }

    void invalidOptionsAreReported_data()
    {
        QTest::addColumn<StoredValues>("stored");
        QTest::addColumn<QStringList>("messages"); // title: focused box
        QTest::addColumn<QStringList>("redBoxes");
        const QString noSelection = "No selections made: ";
        QTest::newRow("nothing ticked")
            << StoredValues{{"chkOpt0", "0"}} << QStringList{noSelection} << QStringList{};
        QTest::newRow("only greyed")
            << StoredValues{{"chkOpt0", "2"}} << QStringList{noSelection} << QStringList{};
        QTest::newRow("two bad boxes, one unticked")
            << StoredValues{{"chkOpt2", "1"},
                            {"txtMax0", "0"},
                            {"txtMax2", "abc"},
                            {"txtMax3", "abc"}}
            << QStringList{"Invalid Entry: txtMax0", "Invalid Entry: txtMax2"}
            << QStringList{"txtMax0", "txtMax2"};
    }
    void invalidOptionsAreReported()
    {
        QFETCH(StoredValues, stored);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, redBoxes);
        WindowUnderTest t({0.1}, stored);
        t.press();
        QStringList seen;
        for (const RecordedMessage &m : t.messages.messages) {
            const bool invalidEntry = m.title == "Invalid Entry";
            seen << m.title + ": " + (invalidEntry ? m.focus : QString());
            QCOMPARE(m.text, invalidEntry ? "You must enter a valid number in the range 1-99999"
                                          : "You must select at least 1 option to perform");
            if (invalidEntry) // the offending text is selected, ready to be typed over
                QCOMPARE(m.selection, t.edit(m.focus)->text());
        }
        QCOMPARE(seen, messages);
        QCOMPARE(t.caption(), "Next Question");
        QCOMPARE(t.text("lblNum1"), QString());
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("txtMax%1").arg(i);
            QCOMPARE(t.edit(name)->palette().color(QPalette::Base),
                     QColor(redBoxes.contains(name) ? Qt::red : Qt::white));
        }
        if (!redBoxes.isEmpty()) {
            QCOMPARE(t.focusName(), redBoxes.last());
            QTest::keyClick(t.edit(redBoxes.last()), Qt::Key_5); // typing turns it white
            QCOMPARE(t.edit(redBoxes.last())->palette().color(QPalette::Base), QColor(Qt::white));
        }
    }

    void optionChangesWaitForTheNextQuestion()
    {
        // 7 - 3 drawn without negatives, then 3 - 7 once they are allowed.
        WindowUnderTest t({0.3, 7.5 / 11, 3.5 / 11, 0.3, 3.5 / 11, 7.5 / 11},
                          {{"chkOpt0", "0"}, {"chkOpt1", "1"}});
        t.press();
        QCOMPARE(t.text("lblNum1") + t.text("lblSign") + t.text("lblNum2"), "7-3");
        t.click("chkAllowNegative");
        QCOMPARE(t.window.session().question().expectedAnswer, 4.0);
        t.type("txtUserAnswer", "4");
        t.press();
        t.press();
        QCOMPARE(t.text("lblNum1") + t.text("lblSign") + t.text("lblNum2"), "3-7");
        t.type("txtUserAnswer", "-4");
        t.press();
        QVERIFY(t.panels().contains("Correct answers = 2"));
    }
};

QTEST_MAIN(TestQuestionCycle)
#include "tst_questioncycle.moc"
