// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's texts in the user's language, loaded as the program loads
// them. Run once per locale: under C and English every text is the English
// one; under German, French and Spanish it comes from the translation, the
// message box's button included. In every language each caption fits its
// fixed-size control, the score panels at their longest too.
#include "foundation/translations.h"
#include "quiz/scoretally.h"
#include "ui/about/aboutwindow.h"
#include "windowfixture.h"

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
        else if (auto *frame = qobject_cast<QGroupBox *>(w))
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
        QCOMPARE(installTranslations(*QCoreApplication::instance()), language != "en");
    }

    // Texts of the main window, the About window, the message box's button
    // and each message the window can give, provoked through the controls.
    void texts()
    {
        WindowUnderTest t({0.0}, "chkOpt0=0");
        AboutWindow about;
        QMessageBox box(QMessageBox::Warning, "Tallyfox", "text", QMessageBox::Ok);
        QStringList seen = {t.get<QCheckBox>("chkAllowNegative")->text(),
                            t.window.findChild<QAction *>("itmAbout")->text(), t.text("panel4"),
                            about.windowTitle(), box.button(QMessageBox::Ok)->text()};
        t.act("cmdAnswer chkOpt0 txtMax0=0 cmdAnswer txtMax0=10 cmdAnswer cmdAnswer "
              "txtUserAnswer=x cmdAnswer");
        seen << t.caption();
        QCOMPARE(seen + t.messages.texts,
                 QStringList({
                     in("Allow negative answers|Negative Ergebnisse|Autoriser les "
                        "négatifs|Permitir negativos"),
                     in("&About|Ü&ber|À &propos|&Acerca de"),
                     in("Score = 0.0%|Trefferquote = 0,0\u00a0%|Taux de réussite = "
                        "0,0\u00a0%|Puntuación = 0,0\u00a0%"),
                     in("About Tallyfox|Über Tallyfox|À propos de Tallyfox|Acerca de Tallyfox"),
                     in("OK|OK|OK|Aceptar"),
                     in("Check Answer|Antwort prüfen|Vérifier la réponse|Comprobar"),
                     in("No selections made: You must select at least 1 option to perform|Keine "
                        "Auswahl getroffen: Du musst mindestens 1 Rechenart auswählen|Aucune "
                        "opération choisie: Tu dois choisir au moins 1 opération|Ninguna "
                        "operación elegida: Debes elegir al menos 1 operación"),
                     in("Invalid Entry: You must enter a valid number in the range "
                        "1-99999|Ungültige Eingabe: Du musst eine gültige Zahl von 1 bis 99999 "
                        "eingeben|Saisie non valide: Tu dois saisir un nombre valide entre 1 et "
                        "99999|Dato no válido: Debes escribir un número válido entre 1 y 99999"),
                     in("Tallyfox: You must supply an answer|Tallyfox: Du musst eine Antwort "
                        "eingeben|Tallyfox: Tu dois donner une réponse|Tallyfox: Debes escribir "
                        "una respuesta"),
                     in("Tallyfox: You must enter a valid number|Tallyfox: Du musst eine gültige "
                        "Zahl eingeben|Tallyfox: Tu dois saisir un nombre valide|Tallyfox: Debes "
                        "escribir un número válido"),
                 }));
    }

    void captionsFit()
    {
        WindowUnderTest t;
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
