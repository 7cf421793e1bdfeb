// Tests of the option check made before each new question: the largest
// number rule, which problems a panel reports, and the two messages.
#include "options/optionvalidation.h"

#include <QTest>

class TestOptionValidation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A largest number passes when the whole text is a number in the locale
    // and its leading number lies from 1 to 99999.
    void panelCheck_data()
    {
        QTest::addColumn<QString>("checks"); // chkOpt Values; 2 is greyed
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QList<int>>("problems"); // -1 no selection, then failing boxes
        const auto row = [](const char *name, const char *checks, const char *enabled,
                            const QStringList &texts, const QList<int> &problems,
                            bool german = false) {
            QTest::newRow(name) << QString(checks) << QString(enabled) << texts << german
                                << problems;
        };
        const QStringList tens = {"10", "10", "10", "10"};
        row("bounds", "1111", "1111", {"1", "99999", "0", "100000"}, {2, 3});
        row("near bounds", "1111", "1111", {"0.5", "-5", "99999.5", "99999.0"}, {0, 1, 2});
        row("not numbers", "1111", "1111", {"", "abc", "12a", "1e999"}, {0, 1, 2, 3});
        row("accepted forms", "1111", "1111", {"00005", "2.5", " 7 ", "1e4"}, {});
        row("comma in English", "1111", "1111", {"2,5", "   ", "+5", "7 "}, {0, 1});
        // The range is that of the leading number, which stops at the comma.
        row("German", "1111", "1111", {"2,5", "2.5", "99999,5", "0,9"}, {1, 2, 3}, true);
        row("German, whole value too large", "1000", "1000", {"9,9e9", "", "", ""}, {0}, true);
        row("defaults", "1000", "1000", tens, {});
        row("nothing ticked", "0000", "0000", {"abc", "", "0", "-1"}, {-1});
        row("disabled box unchecked", "1110", "1110", {"10", "5", "7", "abc"}, {});
        row("follows the enabled box", "0100", "1100", {"abc", "10", "10", "10"}, {0});
        row("no early exit", "0000", "0100", {"10", "0", "10", "10"}, {-1, 1});
        row("greyed only", "2000", "1000", tens, {-1});
        row("greyed and ticked", "2100", "1100", tens, {});
    }

    void panelCheck()
    {
        QFETCH(QString, checks);
        QFETCH(QString, enabled);
        QFETCH(QStringList, texts);
        QFETCH(bool, german);
        QFETCH(QList<int>, problems);
        OptionPanelValues panel;
        for (int i = 0; i < operationCount; ++i) {
            panel.checkValues[i] = checks[i].digitValue();
            panel.boxEnabled[i] = enabled[i] == '1';
            panel.largestTexts[i] = texts[i];
        }
        const OptionCheckOutcome outcome =
            checkOptions(panel, QLocale(german ? QLocale::German : QLocale::English));
        QCOMPARE((outcome.noSelection ? QList{-1} : QList<int>()) + outcome.failingBoxes, problems);
        QCOMPARE(outcome.valid(), problems.isEmpty());
    }

    void messages()
    {
        QCOMPARE(OptionMessages::noSelectionTitle(), "No selections made");
        QCOMPARE(OptionMessages::noSelectionText(), "You must select at least 1 option to perform");
        QCOMPARE(OptionMessages::invalidEntryTitle(), "Invalid Entry");
        QCOMPARE(OptionMessages::invalidEntryText(),
                 "You must enter a valid number in the range 1-99999");
    }
};

QTEST_GUILESS_MAIN(TestOptionValidation)
#include "tst_optionvalidation.moc"
