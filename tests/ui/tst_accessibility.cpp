// What a screen reader and a user with a dark desktop theme get from the
// main window: the values as accessible names, the question where the focus
// goes, the verdict on the answer button and its change event, readable text
// colours, and the stored largest numbers as the user sees and checks them.
#include "ui/about/aboutwindow.h"
#include "windowfixture.h"

#include <QAccessible>
#include <cmath>

namespace {

QString accessible(QWidget *widget, QAccessible::Text what)
{
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

// Name and description, as "name (description)".
QString spoken(QWidget *widget)
{
    return accessible(widget, QAccessible::Name) + " (" +
           accessible(widget, QAccessible::Description) + ')';
}

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

// Name or description changes of the answer button: "800c" (name) or
// "800d" (description), with the description the button has by then.
QStringList buttonEvents;

void recordEvent(QAccessibleEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(event->object());
    if (widget && widget->objectName() == "cmdAnswer" &&
        (event->type() == QAccessible::NameChanged ||
         event->type() == QAccessible::DescriptionChanged))
        buttonEvents << QString::number(event->type(), 16) + ' ' + widget->accessibleDescription();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundCanBeFollowed_data()
    {
        QTest::addColumn<StoredValues>("stored");
        QTest::addColumn<QList<double>>("draws"); // one question, asked twice
        QTest::addColumn<QString>("sum");         // lblNum1, lblSign, lblNum2
        QTest::addColumn<QString>("question");    // txtUserAnswer, txtRemainder
        QTest::addColumn<QStringList>("right");   // answer, remainder
        QTest::addColumn<QString>("shown");       // lblAnswer1, lblAnswer2
        QTest::addColumn<QString>("verdict");
        QTest::newRow("addition") << StoredValues{} << QList<double>{0.1, 0.65, 0.5}
                                  << "7 (First number) plus (Operation) 5 (Second number)"
                                  << "Answer (7 plus 5) " << QStringList{"12", ""}
                                  << "12 (Right answer) "
                                  << "Wrong, the answer is 12";
        QTest::newRow("subtraction")
            << StoredValues{{"chkOpt0", "0"}, {"chkOpt1", "1"}}
            << QList<double>{0.3, 7.5 / 11, 3.5 / 11}
            << "7 (First number) minus (Operation) 3 (Second number)"
            << "Answer (7 minus 3) " << QStringList{"4", ""} << "4 (Right answer) "
            << "Wrong, the answer is 4";
        QTest::newRow("multiplication")
            << StoredValues{{"chkOpt0", "0"}, {"chkOpt2", "1"}}
            << QList<double>{0.6, 7.5 / 11, 5.5 / 11}
            << "7 (First number) times (Operation) 5 (Second number)"
            << "Answer (7 times 5) " << QStringList{"35", ""} << "35 (Right answer) "
            << "Wrong, the answer is 35";
        QTest::newRow("division")
            << StoredValues{{"chkOpt0", "0"}, {"chkOpt3", "1"}, {"txtMax3", "20"}}
            << QList<double>{0.8, 17.5 / 21, 0.225}
            << "17 (First number) divided by (Operation) 5 (Second number)"
            << "Answer (17 divided by 5, answer and remainder) Remainder (remainder of 17 "
               "divided by 5)"
            << QStringList{"3", "2"} << "3 (Right answer) 2 (Right remainder)"
            << "Wrong, the answer is 3 remainder 2";
    }
    // A round from the accessibility tree alone, as a keyboard user plays it:
    // a wrong answer, then the same question answered right.
    void roundCanBeFollowed()
    {
        QFETCH(StoredValues, stored);
        QFETCH(QList<double>, draws);
        QFETCH(QString, sum);
        QFETCH(QString, question);
        QFETCH(QStringList, right);
        QFETCH(QString, shown);
        QFETCH(QString, verdict);
        WindowUnderTest t(draws + draws, stored);
        const bool division = !right[1].isEmpty();
        const auto boxes = [&](const char *first, const char *second) {
            return spoken(t.get(first)) + ' ' + (division ? spoken(t.get(second)) : QString());
        };
        const auto answerWith = [&](const QStringList &typed) {
            t.type("txtUserAnswer", typed[0]);
            if (division)
                t.type("txtRemainder", typed[1]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(t.focusName(), "cmdAnswer");
            QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Space);
        };
        QCOMPARE(accessible(t.get("lblSign"), QAccessible::Name), QString());

        t.press();
        QCOMPARE(spoken(t.get("lblNum1")) + ' ' + spoken(t.get("lblSign")) + ' ' +
                     spoken(t.get("lblNum2")),
                 sum);
        QCOMPARE(t.focusName(), "txtUserAnswer");
        QCOMPARE(boxes("txtUserAnswer", "txtRemainder"), question);

        answerWith({"0", "0"});
        QCOMPARE(spoken(t.get("cmdAnswer")), "Next Question (" + verdict + ')');
        QCOMPARE(boxes("lblAnswer1", "lblAnswer2"), shown);
        QCOMPARE(spoken(t.get("picAns")), "Verdict (Wrong answer)");
        QCOMPARE(spoken(t.get("panel3")), "Wrong answers = 1 ()");

        t.press();
        QCOMPARE(spoken(t.get("cmdAnswer")), "Check Answer ()");
        answerWith(right);
        QCOMPARE(spoken(t.get("cmdAnswer")), "Next Question (Right)");
        QCOMPARE(spoken(t.get("panel2")), "Correct answers = 1 ()");
    }

    // The verdict reaches a screen reader as a description change of the
    // focused answer button, after its caption change. Qt passes such events
    // on only while an assistive technology listens, which the offscreen
    // platform never reports; a run on a desktop with the accessibility bus
    // checks this.
    void verdictIsAnnounced()
    {
        if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000))
            QSKIP("no assistive technology bus on this platform");
        WindowUnderTest t(QList<double>{0.1, 0.65, 0.5});
        t.press();
        t.type("txtUserAnswer", "13");
        QTest::keyClick(t.edit("txtUserAnswer"), Qt::Key_Tab);
        buttonEvents.clear();
        const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordEvent);
        QTest::keyClick(t.get("cmdAnswer"), Qt::Key_Space);
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(buttonEvents, QStringList({"800c ", "800d Wrong, the answer is 12"}));
    }

    void textIsReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("default theme") << false;
        QTest::newRow("dark theme") << true;
    }
    // Every fixed background has a text colour of at least 4.5:1 on it: the
    // largest-number boxes white after a change and red after a failed
    // check, enabled and disabled; the number boxes; the About window.
    void textIsReadable()
    {
        QFETCH(bool, dark);
        const QPalette original = QApplication::palette();
        if (dark) // derived from a dark window colour: white text on black boxes
            QApplication::setPalette(QPalette(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32)));
        QStringList failing;
        const auto check = [&](const QString &what, QWidget *w, QPalette::ColorGroup group,
                               QPalette::ColorRole text, QPalette::ColorRole back) {
            const double ratio =
                contrast(w->palette().color(group, text), w->palette().color(group, back));
            if (ratio < 4.5)
                failing << QStringLiteral("%1 %2").arg(what).arg(ratio, 0, 'f', 2);
        };
        {
            WindowUnderTest t({0.1}, {{"chkOpt1", "1"}, {"txtMax1", "0"}});
            t.type("txtMax0", "12");
            t.press(); // txtMax1 fails and turns red
            for (const char *box : {"txtMax0", "txtMax1"}) {
                check(box, t.get(box), QPalette::Active, QPalette::Text, QPalette::Base);
                check(box, t.get(box), QPalette::Disabled, QPalette::Text, QPalette::Base);
            }
            QCOMPARE(t.edit("txtMax1")->palette().color(QPalette::Base), QColor(Qt::red));
            for (const char *label : {"lblNum1", "lblNum2", "lblAnswer1", "lblAnswer2"})
                check(label, t.get(label), QPalette::Active, QPalette::WindowText,
                      QPalette::Window);
        }
        {
            AboutWindow about;
            for (const char *label : {"lblTitle", "lblWebsite"})
                check(label, about.findChild<QWidget *>(label), QPalette::Active,
                      QPalette::WindowText, QPalette::Window);
        }
        QApplication::setPalette(original);
        QVERIFY2(failing.isEmpty(), qPrintable(failing.join(", ")));
    }

    void storedLargestNumber_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("long text shows its start") << "1234567";
        // Its leading number, 9, is in range; its whole value is not. In a
        // decimal-comma locale it is a number, elsewhere it is not.
        QTest::newRow("whole value out of range") << "9,9e9";
    }
    // The box shows the stored text from its start, and the check refuses it
    // as any out-of-range number: message, focus, selection and red box.
    void storedLargestNumber()
    {
        QFETCH(QString, stored);
        WindowUnderTest t({0.1}, {{"txtMax0", stored}});
        QLineEdit *box = t.edit("txtMax0");
        QCOMPARE(box->text(), stored);
        QCOMPARE(box->cursorPosition(), 0);
        t.press();
        QCOMPARE(t.messages.messages.size(), 1);
        const RecordedMessage &m = t.messages.messages[0];
        QCOMPARE(m.title + ": " + m.focus + ": " + m.selection,
                 "Invalid Entry: txtMax0: " + stored);
        QCOMPARE(t.focusName(), "txtMax0");
        QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(t.caption(), "Next Question");
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
