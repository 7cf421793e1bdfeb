// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's texts in the user's language, loaded as the program loads
// them. Run once per locale: under C and English every text is the English
// one; under each language with a translation file it comes from the
// translation, the message box's button included. In every language each caption fits its
// fixed-size control, and so does the widest number each box can show, the
// score panels at their longest too.
#include "foundation/translations.h"
#include "quiz/numbertext.h"
#include "quiz/scoretally.h"
#include "ui/about/aboutwindow.h"
#include "ui/common/uilanguage.h"
#include "ui/common/uimetrics.h"
#include "windowfixture.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QStyleOptionButton>

namespace {

// The language the run's locale asks for: en, or a translation file's language.
const QString language = qEnvironmentVariable("TALLYFOX_TEST_LANGUAGE");

// A text as the program shows it: in English under English and C locales,
// else the loaded translation of that English text.
QString shown(const char *context, const char *english, const char *disambiguation = nullptr)
{
    QString text = QCoreApplication::translate(context, english, disambiguation);
    if (language != "en" && text == QLatin1String(english))
        return QStringLiteral("(no translation of \"%1\")").arg(QLatin1String(english));
    return text;
}

// Each caption against the room its control gives it, in pixels.
void verifyFits(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QStyleOptionButton option;
        option.initFrom(w);
        option.features = QStyleOptionButton::AutoDefaultButton;
        QString text = w->property("text").toString();
        int room = w->width();
        if (qobject_cast<QCheckBox *>(w))
            room = w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w).width();
        else if (qobject_cast<QPushButton *>(w))
            room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w).width();
        else if (auto *label = qobject_cast<QLabel *>(w))
            room = label->contentsRect().width() - 2 * label->margin() -
                   (label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0);
        else if (qobject_cast<QLineEdit *>(w)) { // inside the frame, less Qt's 2 px a side
            QStyleOptionFrame frame;
            frame.initFrom(w);
            frame.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w);
            room = w->style()->subElementRect(QStyle::SE_LineEditContents, &frame, w).width() - 4;
        } else if (auto *frame = qobject_cast<QGroupBox *>(w))
            text = frame->title();
        else
            continue;
        const int need = w->fontMetrics().horizontalAdvance(text);
        QVERIFY2(need <= room, qPrintable(QStringLiteral("%1 needs %2 px of %3: %4")
                                              .arg(w->objectName(), QString::number(need),
                                                   QString::number(room), text)));
    }
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const auto installed = installTranslations(*QCoreApplication::instance());
        QCOMPARE(installed.has_value(), language != "en");
        useLanguage(installed.value_or(QLocale::c())); // as the program does
        // The layout is measured in the face made for the language's script;
        // in another, texts do not fit.
        QVERIFY2(QFontInfo(designFont(8)).family() == designFamily(),
                 qPrintable(designFamily() + " is missing; ./scripts/test installs it"));
    }

    // Texts of the main window, the About window, the message box's button,
    // the operation signs and each message the window can give, provoked
    // through the controls.
    void texts()
    {
        // A multiplication (5 x 5), then a division (5 / 2).
        WindowUnderTest t({0.5, 0.5, 0.5, 0.8, 0.5, 0.1}, "chkOpt0=0");
        AboutWindow about;
        QMessageBox box(QMessageBox::Warning, "Tallyfox", "text", QMessageBox::Ok);
        QStringList seen = {t.get<QCheckBox>("chkAllowNegative")->text(),
                            t.window.findChild<QAction *>("itmAbout")->text(),
                            t.text("lblRemainder"), about.windowTitle(),
                            box.button(QMessageBox::Ok)->text()};
        t.act("cmdAnswer chkOpt2 chkOpt3 txtMax2=0 cmdAnswer txtMax2=10 cmdAnswer cmdAnswer "
              "txtUserAnswer=x cmdAnswer");
        seen << t.caption() << t.text("lblSign");
        t.act("txtUserAnswer=1 cmdAnswer cmdAnswer");
        seen << t.text("lblSign");
        // Under English these are the English texts themselves; every other
        // language translates each of them (Qt translates the button).
        QCOMPARE(
            seen + t.messages.texts,
            QStringList({
                shown("MainWindow", "Allow negative answers"),
                shown("MainWindow", "&About"),
                shown("MainWindow", "@", "sign between a quotient and its remainder"),
                shown("AboutWindow", "About %1").arg("Tallyfox"),
                QCoreApplication::translate("QPlatformTheme", "OK"),
                shown("MainWindow", "Check Answer"),
                shown("Operation", "x", "sign of a multiplication"),
                shown("Operation", "/", "sign of a division"),
                shown("OptionMessages", "No selections made") + ": " +
                    shown("OptionMessages", "You must select at least 1 option to perform"),
                shown("OptionMessages", "Invalid Entry") + ": " +
                    shown("OptionMessages", "You must enter a valid number in the range 1-99999"),
                "Tallyfox: " + shown("AnswerCheck", "You must supply an answer"),
                "Tallyfox: " + shown("AnswerCheck", "You must enter a valid number"),
            }));
    }

    void captionsFit()
    {
        WindowUnderTest t;
        // The widest values too: five-digit largest numbers, operands and
        // remainders, and a ten-digit product.
        for (const char *box : {"txtMax0", "txtMax1", "txtMax2", "txtMax3", "lblNum1", "lblNum2",
                                "txtRemainder", "lblAnswer2"})
            t.get(box)->setProperty("text", wholeNumberText(99999));
        t.get("txtUserAnswer")->setProperty("text", wholeNumberText(9999800001));
        t.get("lblAnswer1")->setProperty("text", wholeNumberText(9999800001));
        verifyFits(&t.window);
        for (const bool right : {true, false}) { // the longest panel texts
            ScoreTally tally;
            for (int i = 0; i < 32767; ++i)
                tally.count(right);
            for (int i = 0; i < ScoreTally::panelCount; ++i)
                t.get<QLabel>(QStringLiteral("panel%1").arg(i + 1))
                    ->setText(tally.panelTexts().at(i));
            verifyFits(t.get("status1"));
        }
        AboutWindow about;
        about.show();
        verifyFits(&about);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
