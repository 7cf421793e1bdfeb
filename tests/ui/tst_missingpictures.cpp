// A program folder without its pictures: the answer is judged and counted
// all the same and the picture box is simply left empty. This test is built
// into a folder of its own, where no picture files are copied.
#include "windowfixture.h"

class TestMissingPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void judgingGoesOnWithoutPictures_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("right") << "12"
                               << "Right answer";
        QTest::newRow("wrong") << "11"
                               << "Wrong answer";
    }
    void judgingGoesOnWithoutPictures()
    {
        QFETCH(QString, answer);
        QFETCH(QString, verdict);
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/right.jpg"));
        WindowUnderTest t({0.1, 0.65, 0.5});
        t.press();
        QVERIFY(t.label("picAns")->pixmap().isNull());
        t.type("txtUserAnswer", answer);
        t.press();
        QVERIFY(t.label("picAns")->pixmap().isNull());
        QCOMPARE(t.label("picAns")->accessibleDescription(), verdict);
        QCOMPARE(t.panels().at(0), "Total questions = 1");
        QCOMPARE(t.button("cmdAnswer")->text(), "Next Question");
    }
};

QTEST_MAIN(TestMissingPictures)
#include "tst_missingpictures.moc"
