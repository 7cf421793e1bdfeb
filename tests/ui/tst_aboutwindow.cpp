// The About window driven offscreen: texts, layout, fonts, colours, icons, keys and fresh loading.
#include "ui/about/aboutwindow.h"
#include "ui/about/appicons.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

template <typename T = QWidget>
T *Child(const QWidget *window, const char *name)
{
    auto *child = window->findChild<T *>(QLatin1String(name));
    if (!child) {
        qFatal("frmAbout has no %s", name);
    }
    return child;
}

QImage IconImage(const QIcon &icon)
{
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

void OpenAndActivate(AboutWindow &window)
{
    window.open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts()
    {
        AboutWindow window;
        QCOMPARE(window.objectName(), "frmAbout");
        QCOMPARE(window.windowTitle(), "About Tallyfox");
        QCOMPARE(Child<QLabel>(&window, "lblTitle")->text(), "Tallyfox");
        QCOMPARE(Child<QLabel>(&window, "lblVersion")->text(), "v1.0.0");
        QCOMPARE(Child<QPushButton>(&window, "cmdOK")->text(), "OK");
        QCOMPARE(Child<QGroupBox>(&window, "fraUpdates")->title(), "Updates");
        QCOMPARE(Child<QPlainTextEdit>(&window, "txtUpdates")->toPlainText(), QString());
        const QLabel *website = Child<QLabel>(&window, "lblWebsite");
        QCOMPARE(website->textFormat(), Qt::PlainText);
        QVERIFY(!website->openExternalLinks());
        QVERIFY2(website->text().size() >= 25 && website->text().size() <= 36 &&
                     !website->text().contains(QLatin1Char(' ')),
                 qPrintable(website->text()));
        // The whole address is seen on its band.
        QVERIFY(website->fontMetrics().horizontalAdvance(website->text()) < website->width());
    }

    void geometry_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("cmdOK") << QByteArray("cmdOK") << QRect(408, 336, 84, 23);
        QTest::newRow("picIcon") << QByteArray("picIcon") << QRect(16, 16, 36, 36);
        QTest::newRow("lblTitle") << QByteArray("lblTitle") << QRect(70, 16, 259, 24);
        QTest::newRow("lblVersion") << QByteArray("lblVersion") << QRect(72, 40, 259, 23);
        QTest::newRow("fraUpdates") << QByteArray("fraUpdates") << QRect(8, 152, 489, 177);
        QTest::newRow("txtUpdates in the frame")
            << QByteArray("txtUpdates") << QRect(8, 24, 473, 145);
        QTest::newRow("lblWebsite") << QByteArray("lblWebsite") << QRect(70, 336, 315, 24);
    }

    void geometry()
    {
        QFETCH(QByteArray, name);
        QFETCH(QRect, rect);
        AboutWindow window;
        window.show();
        QCOMPARE(Child(&window, name.constData())->geometry(), rect);
        QCOMPARE(window.size(), QSize(500, 363));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(Child(&window, "txtUpdates")->parentWidget(), Child(&window, "fraUpdates"));
    }

    void fonts_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("cmdOK") << QByteArray("cmdOK") << 9.0 << false;
        QTest::newRow("lblTitle") << QByteArray("lblTitle") << 12.0 << true;
        QTest::newRow("lblVersion") << QByteArray("lblVersion") << 12.0 << true;
        QTest::newRow("fraUpdates") << QByteArray("fraUpdates") << 9.75 << true;
        QTest::newRow("txtUpdates, not the frame's") << QByteArray("txtUpdates") << 9.0 << false;
        QTest::newRow("lblWebsite") << QByteArray("lblWebsite") << 12.0 << true;
    }

    void fonts()
    {
        QFETCH(QByteArray, name);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        AboutWindow window;
        const QFont font = Child(&window, name.constData())->font();
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        // The face is installed, so the window really shows it.
        QCOMPARE(QFontInfo(font).family(), "Liberation Sans");
    }

    void colours()
    {
        AboutWindow window;
        window.show();
        auto *website = Child<QLabel>(&window, "lblWebsite");
        QCOMPARE(website->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QVERIFY(website->alignment() & Qt::AlignHCenter);
        const QPoint inBand = website->geometry().topLeft() + QPoint(1, 1);
        QCOMPARE(window.grab().toImage().pixelColor(inBand), QColor(0, 0, 255));
        auto *title = Child<QLabel>(&window, "lblTitle");
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QVERIFY(title->alignment() & Qt::AlignLeft);
    }

    void icons()
    {
        for (const QIcon &icon : {AppIcon(), InformationIcon()}) {
            QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
            QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        }
        QVERIFY(IconImage(AppIcon()) != IconImage(InformationIcon()));

        AboutWindow window;
        QCOMPARE(IconImage(window.windowIcon()), IconImage(InformationIcon()));
        const QPixmap shown = Child<QLabel>(&window, "picIcon")->pixmap();
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(shown.toImage(), AppIconPixmap32().toImage());
        QCOMPARE(AppIconPixmap32().toImage().convertToFormat(QImage::Format_ARGB32),
                 IconImage(AppIcon()));
    }

    void focusAndReadOnlyUpdates()
    {
        AboutWindow window;
        OpenAndActivate(window);
        auto *ok = Child<QPushButton>(&window, "cmdOK");
        auto *updates = Child<QPlainTextEdit>(&window, "txtUpdates");
        QCOMPARE(QApplication::focusWidget(), ok);
        QVERIFY(ok->isDefault());
        QCOMPARE(updates->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        QTest::keyClick(ok, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), updates);
        QTest::keyClicks(updates, "typed");
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(updates, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(updates->toPlainText(), QString());
        QVERIFY(window.isVisible());
        QTest::keyClick(updates, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ok);
    }

    // Every way out presses OK; an empty target stands for the close box.
    void closing_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << QByteArray("cmdOK") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << QByteArray("cmdOK") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << QByteArray("cmdOK") << int(Qt::Key_Escape);
        QTest::newRow("Return in Updates") << QByteArray("txtUpdates") << int(Qt::Key_Return);
        QTest::newRow("Escape in Updates") << QByteArray("txtUpdates") << int(Qt::Key_Escape);
        QTest::newRow("close box") << QByteArray() << 0;
    }

    void closing()
    {
        QFETCH(QByteArray, target);
        QFETCH(int, key);
        AboutWindow window;
        OpenAndActivate(window);
        QSignalSpy pressed(Child<QPushButton>(&window, "cmdOK"), &QPushButton::clicked);
        QSignalSpy finished(&window, &QDialog::finished);
        if (target.isEmpty()) {
            window.close();
        } else {
            QWidget *widget = Child(&window, target.constData());
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key(key));
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(finished.count(), 1);
    }

    void freshAtEveryOpening()
    {
        QWidget owner;
        owner.show();
        struct Seen
        {
            QPointer<QDialog> window;
            QString title, version, updates, focus;
        };
        // Looks at the open window, spoils what it can, and presses OK.
        const auto visit = [](Seen &seen) {
            seen.window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!seen.window) {
                return;
            }
            seen.title = seen.window->windowTitle();
            seen.version = Child<QLabel>(seen.window, "lblVersion")->text();
            seen.updates = Child<QPlainTextEdit>(seen.window, "txtUpdates")->toPlainText();
            seen.focus = seen.window->focusWidget()->objectName();
            Child<QLabel>(seen.window, "lblVersion")->setText(QStringLiteral("v9.9.9"));
            Child<QPlainTextEdit>(seen.window, "txtUpdates")->setPlainText(QStringLiteral("old"));
            Child(seen.window, "txtUpdates")->setFocus();
            Child<QPushButton>(seen.window, "cmdOK")->click();
        };
        for (int opening = 1; opening <= 2; ++opening) {
            Seen seen;
            QTimer::singleShot(0, &owner, [&] { visit(seen); });
            ShowAboutWindow(&owner);
            QVERIFY2(!seen.title.isEmpty(), "no modal About window was open");
            QVERIFY(seen.window.isNull());
            QCOMPARE(seen.title, "About Tallyfox");
            QCOMPARE(seen.version, "v1.0.0");
            QCOMPARE(seen.updates, QString());
            QCOMPARE(seen.focus, "cmdOK");
        }
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
