// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's texts in the user's language, loaded as the program loads
// them. Run once per locale: under C and English every text is the English
// one; under each language with a translation file it comes from the
// translation, the message box's button included. In every language each caption fits its
// fixed-size control, and so does the widest number each box can show, the
// score panels at their longest too.
#include "quiz/numbertext.h"
#include "quiz/pupillocale.h"
#include "quiz/scoretally.h"
#include "ui/about/aboutwindow.h"
#include "ui/common/pupillanguage.h"
#include "ui/common/uimetrics.h"
#include "ui/main/numberlabel.h"
#include "windowfixture.h"

#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QHash>
#include <QMessageBox>
#include <QRawFont>
#include <QXmlStreamReader>

namespace {

// The language the run's locale asks for: en, or a translation file's language.
const QString language = qEnvironmentVariable("TALLYFOX_TEST_LANGUAGE");

// The language's translation file as a translator wrote it: each text by
// its context, English text and disambiguation. Read from the file itself, so
// that a key the program no longer asks for by is not found.
QHash<QString, QString> fileTexts()
{
    QHash<QString, QString> texts;
    QFile file(QStringLiteral(TALLYFOX_TRANSLATIONS_FOLDER "/tallyfox_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    const QStringList parts = {"name", "source", "comment"}; // of a text's key
    QStringList key = {"", "", ""};
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (const auto part = parts.indexOf(xml.name().toString()); part >= 0)
            key[part] = xml.readElementText();
        else if (xml.name() == u"message")
            key[2].clear();
        else if (xml.name() == u"translation")
            texts.insert(key.join('|'), xml.readElementText());
    }
    return texts;
}

// A text as the program must show it: in English under English and C
// locales, else as the language's translation file has it.
QString shown(const char *context, const char *english, const char *disambiguation = "")
{
    static const QHash<QString, QString> texts = fileTexts();
    if (language == "en")
        return QString::fromUtf8(english);
    return texts.value(QStringList({context, english, disambiguation}).join('|'),
                       QStringLiteral("(no translation of \"%1\")").arg(english));
}

// Each caption against the room its control gives it, in pixels: its
// advance in width, and its ink in height (tall scripts stack marks above and
// below the line).
void verifyFits(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QStyleOptionButton option;
        option.initFrom(w);
        option.features = QStyleOptionButton::AutoDefaultButton;
        QString text = w->property("text").toString();
        QRect room = w->rect();
        if (qobject_cast<QCheckBox *>(w))
            room = w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w);
        else if (qobject_cast<QPushButton *>(w))
            room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
        else if (auto *label = qobject_cast<QLabel *>(w))
            room = label->contentsRect().adjusted(
                label->margin(), 0,
                -label->margin() -
                    (label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0),
                0);
        else if (qobject_cast<QLineEdit *>(w)) { // inside the frame, less Qt's 2 px a side
            QStyleOptionFrame frame;
            frame.initFrom(w);
            frame.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w);
            room = w->style()
                       ->subElementRect(QStyle::SE_LineEditContents, &frame, w)
                       .adjusted(0, 0, -4, 0);
        } else if (auto *frame = qobject_cast<QGroupBox *>(w))
            text = frame->title();
        else
            continue;
        const QSize need(w->fontMetrics().horizontalAdvance(text),
                         w->fontMetrics().tightBoundingRect(text).height());
        QVERIFY2(need.width() <= room.width() && need.height() <= room.height(),
                 qPrintable(QString::asprintf(
                     "%s needs %dx%d px of %dx%d: %s", qPrintable(w->objectName()), need.width(),
                     need.height(), room.width(), room.height(), qPrintable(text))));
    }
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const auto installed = setUpPupilLanguage(QLocale::system()); // as the program does
        QCOMPARE(installed.has_value(), language != "en");
        // The layout is measured in the face made for the language's script;
        // in another, texts do not fit.
        QVERIFY2(QFontInfo(designFont(8)).family() == designFamily(),
                 qPrintable(designFamily() + " is missing; ./scripts/test installs it"));
        // ...and that face itself, borrowing from no other, draws every
        // letter of the language's captions.
        const QRawFont face = QRawFont::fromFont(QFont(designFamily()));
        for (const char32_t letter : shown("MainWindow", "Check Answer").toUcs4())
            QVERIFY2(face.supportsCharacter(letter), qPrintable(designFamily()));
    }

    // Texts of the main window, the About window, the message box's button,
    // the operation signs and each message the window can give, provoked
    // through the controls.
    void texts()
    {
        WindowUnderTest t(Draws::of("5 x 5") + Draws::of("5 / 2"), {"chkOpt0=0"});
        AboutWindow about;
        QMessageBox box(QMessageBox::Warning, "Tallyfox", "text", QMessageBox::Ok);
        QStringList seen = {t.get<QCheckBox>("chkAllowNegative")->text(),
                            t.window.findChild<QAction *>("itmAbout")->text(),
                            t.text("lblRemainder"), about.windowTitle(),
                            box.button(QMessageBox::Ok)->text()};
        t.act({"cmdAnswer", "chkOpt2", "chkOpt3", "txtMax2=0", "cmdAnswer", "txtMax2=10",
               "cmdAnswer", "cmdAnswer", "txtUserAnswer=x", "cmdAnswer"});
        seen << t.caption() << t.text("lblSign");
        t.act({"txtUserAnswer=1", "cmdAnswer", "cmdAnswer"});
        seen << t.text("lblSign");
        // Under English these are the English texts themselves; every other
        // language translates each of them (Qt translates the button). The
        // messages' numbers are in the pupil's digits.
        const PupilLocale &pupil = PupilLocale::current();
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
                    pupil.withDigits(
                        shown("OptionMessages", "You must select at least 1 option to perform")),
                shown("OptionMessages", "Invalid Entry") + ": " +
                    pupil.withDigits(shown("OptionMessages",
                                           "You must enter a valid number in the range 1-99999")),
                "Tallyfox: " + shown("AnswerCheck", "You must supply an answer"),
                "Tallyfox: " + shown("AnswerCheck", "You must enter a valid number"),
            }));
    }

    void captionsFit()
    {
        WindowUnderTest t;
        QHash<QString, double> sizes; // as the boxes were made
        for (QWidget *box : t.window.findChildren<QWidget *>(QRegularExpression("^(txt|lbl)")))
            sizes.insert(box->objectName(), box->font().pointSizeF());
        // The widest values too: five-digit largest numbers, operands and
        // remainders, and a ten-digit product.
        for (const char *box : {"txtMax0", "txtMax1", "txtMax2", "txtMax3", "txtRemainder"})
            t.get(box)->setProperty("text", wholeNumberText(99999));
        t.get("txtUserAnswer")->setProperty("text", wholeNumberText(9999800001));
        for (const char *box : {"lblNum1", "lblNum2", "lblAnswer2"})
            t.get<NumberLabel>(box)->setNumber(99999);
        t.get<NumberLabel>("lblAnswer1")->setNumber(9999800001);
        verifyFits(&t.window);
        // Western digits fit at the boxes' own size; only wider ones are set smaller.
        for (auto it = sizes.cbegin();
             PupilLocale::current().zeroDigit() == U'0' && it != sizes.cend(); ++it)
            QCOMPARE(t.get(it.key())->font().pointSizeF(), it.value());
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
        // A text too wide for its room, at any width, is set small enough.
        for (int room = 30; room < 130; ++room)
            QVERIFY(QFontMetrics(fittedFont(designFont(24), "99999", room, 6, 0.5))
                        .horizontalAdvance("99999") <= room);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
