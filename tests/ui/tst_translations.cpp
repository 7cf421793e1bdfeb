// The program's texts in the user's language, loaded as the program loads
// them. Run once per locale: under C and English every text is the English
// one; under German, French and Spanish it comes from the translation, the
// message box's button included. In every language each caption fits its
// fixed-size control, the score panels at their longest too.
#include "app/translations.h"
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

// The width a control gives its text and the width the text takes, in pixels.
QPair<int, int> roomAndNeed(QWidget *w)
{
    QString text;
    int room = w->width();
    QStyleOptionButton option;
    option.initFrom(w);
    if (auto *box = qobject_cast<QCheckBox *>(w)) {
        text = box->text();
        room = w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w).width();
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        text = button->text();
        option.features = QStyleOptionButton::AutoDefaultButton;
        room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w).width();
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        text = label->text();
        const int indent =
            label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0;
        room = label->contentsRect().width() - 2 * label->margin() - indent;
    } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        text = frame->title();
    }
    return {room, w->fontMetrics().horizontalAdvance(text)};
}

void verifyFits(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const auto [room, need] = roomAndNeed(w);
        QVERIFY2(need <= room, qPrintable(QStringLiteral("%1 needs %2 px of %3: \"%4\"")
                                              .arg(w->objectName())
                                              .arg(need)
                                              .arg(room)
                                              .arg(w->property("text").toString())));
    }
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QStringList({"en", "de", "fr", "es"}).contains(language));
        QCOMPARE(installTranslations(*QCoreApplication::instance()), language != "en");
    }

    // Texts of the main window, the About window and the message box's button.
    void texts_data()
    {
        QTest::addColumn<QString>("property"); // object.property
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *property, const char *texts) {
            QTest::newRow(property) << property << in(texts);
        };
        row("fraOptions.title",
            "Select Options|Optionen wählen|Choisir les options|Elige las opciones");
        row("chkAllowNegative.text", "Allow negative answers|Negative Ergebnisse|Autoriser les "
                                     "négatifs|Permitir negativos");
        row("itmAbout.text", "&About|Ü&ber|À &propos|&Acerca de");
        row("txtMax3.accessibleName",
            "Largest number for Division|Division: größte Zahl|Division : "
            "plus grand nombre|División: número máximo");
        row("panel4.text", "Score = 0.0%|Trefferquote = 0,0\u00a0%|Taux de réussite = "
                           "0,0\u00a0%|Puntuación = 0,0\u00a0%");
        row("about.windowTitle",
            "About Tallyfox|Über Tallyfox|À propos de Tallyfox|Acerca de Tallyfox");
        row("cmdOK.text", "OK|OK|OK|Aceptar");
        row("messageBox.text", "OK|OK|OK|Aceptar");
    }
    void texts()
    {
        QFETCH(QString, property);
        QFETCH(QString, expected);
        WindowUnderTest t;
        AboutWindow about;
        about.setObjectName("about");
        QMessageBox box(QMessageBox::Warning, "Tallyfox", "text", QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setObjectName("messageBox");
        const QString name = property.section('.', 0, 0);
        QObject *found = name == "about" ? &about : t.window.findChild<QObject *>(name);
        for (QObject *other : {static_cast<QObject *>(&about), static_cast<QObject *>(&box)})
            found = found ? found : other->findChild<QObject *>(name);
        QVERIFY(found);
        QCOMPARE(found->property(property.section('.', 1).toLatin1()).toString(), expected);
    }

    // Each message the window can give, provoked through the controls.
    void messages()
    {
        WindowUnderTest t({0.0}, {{"chkOpt0", "0"}});
        t.press();
        t.click("chkOpt0");
        t.type("txtMax0", "0");
        t.press();
        t.type("txtMax0", "10");
        t.press();
        QCOMPARE(t.caption(), in("Check Answer|Antwort prüfen|Vérifier la réponse|Comprobar"));
        t.press();
        t.type("txtUserAnswer", "x");
        t.press();
        QCOMPARE(t.messages.texts,
                 QStringList({
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
        ScoreTally allRight;
        ScoreTally allWrong;
        for (int i = 0; i < ScoreTally::counterLimit; ++i) {
            allRight.count(true);
            allWrong.count(false);
        }
        for (const ScoreTally &tally : {allRight, allWrong}) {
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
