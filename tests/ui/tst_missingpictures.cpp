// A program folder without its pictures: the answer is judged and counted
// all the same and the picture box is left empty. This test is built into a
// folder of its own, where no picture files are copied.
#include "windowfixture.h"

class TestMissingPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void judgingGoesOnWithoutPictures()
    {
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/right.jpg"));
        WindowUnderTest t({0.1, 0.65, 0.5}); // 7 + 5
        for (const QString answer : {"12", "11"}) {
            t.press();
            QVERIFY(t.get<QLabel>("picAns")->pixmap().isNull());
            t.type("txtUserAnswer", answer);
            t.press();
            QVERIFY(t.get<QLabel>("picAns")->pixmap().isNull());
        }
        QCOMPARE(t.get("picAns")->accessibleDescription(), "Wrong answer");
        QCOMPARE(t.panels(),
                 "Total questions = 2|Correct answers = 1|Wrong answers = 1|Score = 50.0%");
    }
};

QTEST_MAIN(TestMissingPictures)
#include "tst_missingpictures.moc"
