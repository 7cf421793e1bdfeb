// The About window driven offscreen: size, icon, keys, the locked Updates box and fresh loading.
#include "ui/about/aboutwindow.h"
#include "ui/common/appicons.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout()
    {
        const auto image = [](const QIcon &icon) {
            return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        };
        AboutWindow window;
        window.show();
        QCOMPARE(window.size(), QSize(500, 363)); // 7500 x 5445 twips
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.findChild<QWidget *>("cmdOK")->geometry(), QRect(408, 336, 84, 23));
        auto *updates = window.findChild<QPlainTextEdit *>("txtUpdates");
        QCOMPARE(updates->parentWidget()->objectName(), "fraUpdates");
        QCOMPARE(updates->geometry(), QRect(8, 24, 473, 145));
        QCOMPARE(image(window.windowIcon()), image(informationIcon()));
        QVERIFY(image(window.windowIcon()) != image(appIcon()));
    }

    void openings_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    // Opened twice as the About entry opens it: each time a fresh window with
    // the focus on OK, whatever was done to the last one. Tab reaches the
    // locked txtUpdates, where typing changes nothing and the key closes.
    void openings()
    {
        QFETCH(int, key);
        QWidget owner;
        owner.show();
        for (int opening = 1; opening <= 2; ++opening) {
            QPointer<QDialog> window;
            QStringList seen;
            QTimer::singleShot(0, &owner, [&] {
                window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                if (!window)
                    return;
                auto *version = window->findChild<QLabel *>("lblVersion");
                auto *updates = window->findChild<QPlainTextEdit *>("txtUpdates");
                seen << window->windowTitle() << version->text()
                     << window->focusWidget()->objectName();
                QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
                QTest::keyClicks(window->focusWidget(), "typed");
                seen << window->focusWidget()->objectName() << updates->toPlainText();
                version->setText("v9.9.9");
                updates->setPlainText("old");
                QTest::keyClick(updates, Qt::Key(key));
                if (window->isVisible()) { // not closed: fail rather than hang
                    seen << "still open";
                    window->done(QDialog::Rejected);
                }
            });
            showAboutWindow(&owner);
            QCOMPARE(seen, QStringList({"About Tallyfox", "v1.0.0", "cmdOK", "txtUpdates", ""}));
            QVERIFY(window.isNull());
        }
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
