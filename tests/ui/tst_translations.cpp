// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's texts in the user's language, loaded as the program loads
// them. Run once per locale: under C and English every text is the English
// one; under German, French and Spanish it comes from the translation, the
// message box's button included. In every language each caption fits its
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

// The language the run's locale asks for: en, de, fr or es.
const QString language = qEnvironmentVariable("TALLYFOX_TEST_LANGUAGE");

// The text in the run's language, from "English|German|French|Spanish".
QString in(const char *texts)
{
    const qsizetype at = QStringList({"en", "de", "fr", "es"}).indexOf(language);
    return QString::fromUtf8(texts).section('|', at, at);
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
        const std::optional<QLocale> installed = installTranslations(*QCoreApplication::instance());
        QCOMPARE(installed.has_value(), language != "en");
        if (installed)
            useLanguage(*installed);
        // The layout is measured in the face made for the language's script;
        // in another, texts do not fit.
        QVERIFY2(QFontInfo(designFont(8)).family() == designFamily(),
                 qPrintable(designFamily() + " is missing; ./scripts/test installs it"));
    }

    // Texts of the main window, the About window, the message box's button
    // and each message the window can give, provoked through the controls.
    void texts()
    {
        WindowUnderTest t({0.5}, "chkOpt0=0"); // 0.5 picks a multiplication
        AboutWindow about;
        QMessageBox box(QMessageBox::Warning, "Tallyfox", "text", QMessageBox::Ok);
        QStringList seen = {t.get<QCheckBox>("chkAllowNegative")->text(),
                            t.window.findChild<QAction *>("itmAbout")->text(), t.text("panel4"),
                            about.windowTitle(), box.button(QMessageBox::Ok)->text()};
        t.act("cmdAnswer chkOpt2 txtMax2=0 cmdAnswer txtMax2=10 cmdAnswer cmdAnswer "
              "txtUserAnswer=x cmdAnswer");
        seen << t.caption() << t.text("lblSign");
        QCOMPARE(seen + t.messages.texts,
                 QStringList({
                     in("Allow negative answers|Ergebnis unter 0 erlaubt|Résultat négatif "
                        "permis|Permitir bajar de cero"),
                     in("&About|Ü&ber|À &propos|&Acerca de"),
                     in("Score = 0.0%|Trefferquote = 0,0\u00a0%|Taux de réussite = "
                        "0,0\u00a0%|Aciertos = 0,0\u00a0%"),
                     in("About Tallyfox|Über Tallyfox|À propos de Tallyfox|Acerca de Tallyfox"),
                     in("OK|OK|OK|Aceptar"),
                     in("Check Answer|Antwort prüfen|Vérifier la réponse|Comprobar"),
                     in("x|·|×|×"),
                     in("No selections made: You must select at least 1 option to perform|Keine "
                        "Rechenart gewählt: Wähle mindestens eine Rechenart aus|Aucune opération "
                        "choisie: Choisis au moins une opération|Ninguna operación elegida: Elige "
                        "al menos una operación"),
                     in("Invalid Entry: You must enter a valid number in the range "
                        "1-99999|Ungültige Eingabe: Gib eine Zahl von 1 bis 99999 ein|Nombre non "
                        "valide: Écris un nombre entre 1 et 99999|Número no válido: Escribe un "
                        "número entre 1 y 99999"),
                     in("Tallyfox: You must supply an answer|Tallyfox: Gib eine Antwort "
                        "ein|Tallyfox: Écris une réponse|Tallyfox: Escribe una respuesta"),
                     in("Tallyfox: You must enter a valid number|Tallyfox: Gib eine gültige Zahl "
                        "ein|Tallyfox: Écris un nombre valide|Tallyfox: Escribe un número válido"),
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
            for (int i = 0; i < ScoreTally::counterLimit; ++i)
                tally.count(right);
            for (int i = 0; i < 4; ++i)
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
