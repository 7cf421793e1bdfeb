// Opening the About window from the main window's menu, by Alt+A or a
// click, and coming back to the practice exactly as it was.
#include "windowfixture.h"

#include <QMenuBar>
#include <QTimer>

class TestAboutFromMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aboutOpensModallyAndLeavesThePracticeAsItWas_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("Alt+A") << true;
        QTest::newRow("click on About") << false;
    }
    void aboutOpensModallyAndLeavesThePracticeAsItWas()
    {
        QFETCH(bool, byKeyboard);
        WindowUnderTest t({0.1, 0.65, 0.5});
        t.press();
        t.type("txtUserAnswer", "1");
        const double expected = t.window.session().question().expectedAnswer;

        QString seenCaption;
        bool mainBlocked = false;
        // Waits for the About window to be up, then closes it with Escape.
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, &t.window, [&] {
            QWidget *about = QApplication::activeModalWidget();
            if (!about)
                return;
            closer.stop();
            seenCaption = about->windowTitle();
            // A click on the main window does nothing while the About window is
            // open; it goes through the window system, where modality is applied.
            QWidget *button = t.get("cmdAnswer");
            QTest::mouseClick(t.window.windowHandle(), Qt::LeftButton, {},
                              button->mapTo(&t.window, button->rect().center()));
            QCoreApplication::processEvents();
            mainBlocked = t.window.session().tally().totalQuestions() == 0;
            QTest::keyClick(about, Qt::Key_Escape);
        });
        closer.start();
        if (byKeyboard) {
            QTest::keyClick(&t.window, Qt::Key_A, Qt::AltModifier);
        } else {
            QMenuBar *bar = t.window.menuBar();
            const QRect at = bar->actionGeometry(bar->actions().constFirst());
            QTest::mouseClick(bar, Qt::LeftButton, {}, at.center());
        }
        QTRY_COMPARE(seenCaption, "About Tallyfox");
        QVERIFY(mainBlocked);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);

        // The window keeps its focus on the answer box; the offscreen platform
        // does not hand activation back by itself as a desktop does.
        QCOMPARE(t.window.focusWidget(), t.edit("txtUserAnswer"));
        QApplication::setActiveWindow(&t.window);
        QTRY_COMPARE(t.focusName(), "txtUserAnswer");
        QCOMPARE(t.edit("txtUserAnswer")->text(), "1");
        QCOMPARE(t.caption(), "Check Answer");
        QCOMPARE(t.window.session().question().expectedAnswer, expected);
        QCOMPARE(t.window.session().tally().totalQuestions(), 0);
        QCOMPARE(t.check("chkOpt0")->checkState(), Qt::Checked);
    }
};

QTEST_MAIN(TestAboutFromMain)
#include "tst_aboutfrommain.moc"
