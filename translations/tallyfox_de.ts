<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
</context>
<context>
    <name>AnswerCheck</name>
    <message>
        <source>You must supply an answer</source>
        <translation>Gib eine Antwort ein</translation>
    </message>
    <message>
        <source>You must enter a valid number</source>
        <translation>Gib eine gültige Zahl ein</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic one sum at a time.</source>
        <translation>Kopfrechnen üben, eine Aufgabe nach der anderen.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; to see the options.</source>
        <translation>„%1 --help“ zeigt die Optionen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Your options could not be saved to %1.
They will be as before at the next start.</source>
        <translation>Deine Einstellungen konnten nicht in %1 gespeichert werden.
Beim nächsten Start sind sie wieder wie zuvor.</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Antwort prüfen</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Nächste Aufgabe</translation>
    </message>
    <message>
        <source>No answer judged yet</source>
        <translation>Noch keine Antwort bewertet</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Falsche Antwort</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Select Options</source>
        <translation>Einstellungen wählen</translation>
    </message>
    <message>
        <source>Max No.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>1 to 99999</source>
        <translation>1 bis 99999</translation>
    </message>
    <message>
        <source>Largest number for %1</source>
        <translation>%1: größte Zahl</translation>
    </message>
    <message>
        <source>Allow negative answers</source>
        <translation>Ergebnis unter 0 erlaubt</translation>
    </message>
    <message>
        <source>Show progressive score</source>
        <translation>Punktestand anzeigen</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Neu zählen</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Enter the remainder</source>
        <translation>Gib den Rest ein</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Right remainder</source>
        <translation>Richtiger Rest</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>Right answer</source>
        <comment>the box showing it after a wrong one</comment>
        <translation>Richtige Antwort</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>+</source>
        <comment>sign of an addition</comment>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <comment>sign of a subtraction</comment>
        <translation>-</translation>
    </message>
    <message>
        <source>x</source>
        <comment>sign of a multiplication</comment>
        <translation>·</translation>
    </message>
    <message>
        <source>/</source>
        <comment>sign of a division</comment>
        <translation>:</translation>
    </message>
</context>
<context>
    <name>OptionMessages</name>
    <message>
        <source>No selections made</source>
        <translation>Keine Rechenart gewählt</translation>
    </message>
    <message>
        <source>You must select at least 1 option to perform</source>
        <translation>Wähle mindestens eine Rechenart aus</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>You must enter a valid number in the range 1-99999</source>
        <translation>Gib eine Zahl von 1 bis 99999 ein</translation>
    </message>
</context>
<context>
    <name>PracticeSession</name>
    <message>
        <source>%1 %2 %3, answer and remainder</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3, Antwort und Rest</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;plus&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>remainder of %1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>Rest von %1 %2 %3</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1 remainder %2</source>
        <extracomment>%1 the right whole quotient, %2 the right remainder</extracomment>
        <translation>Falsch, die Antwort ist %1 Rest %2</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1</source>
        <extracomment>%1 the right answer</extracomment>
        <translation>Falsch, die Antwort ist %1</translation>
    </message>
</context>
<context>
    <name>ScoreTally</name>
    <message>
        <source>Total questions = %1</source>
        <translation>Aufgaben gesamt = %1</translation>
    </message>
    <message>
        <source>Correct answers = %1</source>
        <translation>Richtige Antworten = %1</translation>
    </message>
    <message>
        <source>Wrong answers = %1</source>
        <translation>Falsche Antworten = %1</translation>
    </message>
    <message>
        <source>Score = %1%</source>
        <translation>Trefferquote = %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Tallyfox needs a desktop to show its window, and none was found.
Start it from a desktop session, or under a virtual display:
    xvfb-run %1
</source>
        <translation>Tallyfox braucht eine Arbeitsoberfläche, um sein Fenster zu zeigen, und hat keine gefunden.
Bitte in einer Desktop-Sitzung starten oder mit einer virtuellen Anzeige:
    xvfb-run %1
</translation>
    </message>
</context>
</TS>
