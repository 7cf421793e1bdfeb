<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../ui/about/aboutwindow.cpp" line="52"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/about/aboutwindow.cpp" line="74"/>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <location filename="../ui/about/aboutwindow.cpp" line="111"/>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <location filename="../ui/about/aboutwindow.cpp" line="112"/>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
</context>
<context>
    <name>AnswerCheck</name>
    <message>
        <location filename="../quiz/answercheck.cpp" line="32"/>
        <source>You must supply an answer</source>
        <translation>Manca ancora un numero</translation>
    </message>
    <message>
        <location filename="../quiz/answercheck.cpp" line="35"/>
        <source>You must enter a valid number</source>
        <translation>Scrivi un numero valido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/commandline.cpp" line="49"/>
        <source>Practise mental arithmetic one sum at a time.</source>
        <translation>Esercitarsi nel calcolo mentale, un’operazione alla volta.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="53"/>
        <source>Show this help and quit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="56"/>
        <source>Show the version and quit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="65"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="73"/>
        <source>Run &apos;%1 --help&apos; to see the options.</source>
        <translation>Esegui «%1 --help» per vedere le opzioni.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="../assets/desktop/tallyfox.desktop.in" line="7"/>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="14"/>
        <source>@TALLYFOX_TITLE@</source>
        <extracomment>Desktop entry: the program&apos;s name in menus; keep it as it is unless your language writes names in its own letters
----------
Software centre: the program&apos;s name; keep it as it is unless your language writes names in its own letters</extracomment>
        <translation>@TALLYFOX_TITLE@</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.desktop.in" line="8"/>
        <source>Arithmetic Practice</source>
        <extracomment>Desktop entry: what kind of program this is, shown with its name in menus</extracomment>
        <translation>Esercizi di calcolo mentale</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.desktop.in" line="9"/>
        <source>Practise mental arithmetic with sums of whole numbers</source>
        <extracomment>Desktop entry: the tooltip of the program in menus</extracomment>
        <translation>Esercitati nel calcolo mentale con operazioni tra numeri interi</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.desktop.in" line="14"/>
        <source>arithmetic;mental;maths;math;sums;practice;</source>
        <extracomment>Desktop entry: search words, each ending with a semicolon (;)</extracomment>
        <translation>aritmetica;calcolo mentale;matematica;operazioni;tabelline;esercizi;</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="15"/>
        <source>Practise mental arithmetic one sum at a time</source>
        <extracomment>Software centre: one line under the program&apos;s name</extracomment>
        <translation>Esercitati nel calcolo mentale, un’operazione alla volta</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="17"/>
        <source>@TALLYFOX_TITLE@ poses one sum at a time: an addition, subtraction, multiplication or division of two whole numbers drawn at random. Type the answer, and for a division the remainder too, and it tells you at once whether you were right, showing the right answer after a wrong one.</source>
        <extracomment>Software centre: a paragraph of the program&apos;s description</extracomment>
        <translation>@TALLYFOX_TITLE@ propone un’operazione alla volta: un’addizione, una sottrazione, una moltiplicazione o una divisione tra due numeri interi scelti a caso. Scrivi il risultato, e nella divisione anche il resto: ti dice subito se è giusto e, dopo un errore, ti mostra il risultato giusto.</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="24"/>
        <source>Choose which of the four operations to practise</source>
        <extracomment>Software centre: an item of the list of what the program does</extracomment>
        <translation>Scegli quali delle quattro operazioni vuoi esercitare</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="25"/>
        <source>Set the largest number used for each operation, from 1 to 99999</source>
        <extracomment>Software centre: an item of the list of what the program does</extracomment>
        <translation>Stabilisci il numero più grande per ogni operazione, da 1 a 99999</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="26"/>
        <source>Allow or avoid subtractions with a negative answer</source>
        <extracomment>Software centre: an item of the list of what the program does</extracomment>
        <translation>Ammetti o evita le sottrazioni con risultato negativo</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="27"/>
        <source>Follow a running score of right and wrong answers</source>
        <extracomment>Software centre: an item of the list of what the program does</extracomment>
        <translation>Segui il punteggio delle risposte giuste e sbagliate</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="29"/>
        <source>Your choices are kept between sessions.</source>
        <extracomment>Software centre: a paragraph of the program&apos;s description</extracomment>
        <translation>Le tue scelte restano salvate per la volta successiva.</translation>
    </message>
    <message>
        <location filename="../assets/desktop/tallyfox.metainfo.xml.in" line="41"/>
        <source>arithmetic;mental arithmetic;maths;sums;practice;</source>
        <extracomment>Software centre: search words, each ending with a semicolon (;)</extracomment>
        <translation>aritmetica;calcolo mentale;matematica;esercizi;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/main/mainwindow.cpp" line="96"/>
        <source>Your options could not be saved to %1.
They will be as before at the next start.</source>
        <translation>Non è stato possibile salvare le tue opzioni in %1.
Al prossimo avvio saranno come prima.</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindow.cpp" line="232"/>
        <source>Check Answer</source>
        <extracomment>Button that judges the typed result of the sum; about 15 letters fit</extracomment>
        <translation>Controlla</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindow.cpp" line="274"/>
        <location filename="../ui/main/mainwindowlayout.cpp" line="235"/>
        <source>Next Question</source>
        <translation>Nuova operazione</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindow.cpp" line="219"/>
        <location filename="../ui/main/mainwindowlayout.cpp" line="226"/>
        <source>No answer judged yet</source>
        <translation>Ancora nessuna risposta controllata</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindow.cpp" line="262"/>
        <source>Right answer</source>
        <translation>Risposta giusta</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindow.cpp" line="264"/>
        <source>Wrong answer</source>
        <translation>Risposta sbagliata</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="62"/>
        <source>@</source>
        <comment>sign between a quotient and its remainder</comment>
        <extracomment>Written between the whole quotient and the remainder of a division, as schools write it (&quot;7 : 2 = 3 R 1&quot;); one or two letters show large, a longer word is set smaller to fit</extracomment>
        <translation>r</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="91"/>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="120"/>
        <source>Select Options</source>
        <translation>Scegli le opzioni</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="148"/>
        <source>Max No.</source>
        <extracomment>Short caption in front of the box for the largest number this operation uses (&quot;up to&quot;); it must fit about 8 narrow letters</extracomment>
        <translation>fino a</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="155"/>
        <source>1 to 99999</source>
        <translation>da 1 a 99999</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="156"/>
        <source>Largest number for %1</source>
        <translation>%1: numero più grande</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="161"/>
        <source>Allow negative answers</source>
        <extracomment>Check box: a subtraction may come out below zero; about 20 letters fit</extracomment>
        <translation>Risultati sotto zero</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="164"/>
        <source>Show progressive score</source>
        <translation>Mostra il punteggio</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="169"/>
        <source>Reset Score</source>
        <extracomment>Button that starts the count of questions and answers again; about 11 letters fit</extracomment>
        <translation>Azzera punti</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="192"/>
        <source>First number</source>
        <translation>Primo numero</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="198"/>
        <source>Operation</source>
        <extracomment>Spoken description of the box showing the sign of the sum (+, -, x, /): the sign itself, not the name of the operation</extracomment>
        <translation>Segno</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="200"/>
        <source>Second number</source>
        <translation>Secondo numero</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="202"/>
        <source>equals</source>
        <translation>uguale</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="207"/>
        <source>Answer</source>
        <extracomment>Spoken name of the box where the pupil types the result of the sum (for a division, the whole quotient); the word schools use for a result</extracomment>
        <translation>Risultato</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="211"/>
        <source>remainder</source>
        <extracomment>Spoken name of the sign between the quotient and the remainder boxes</extracomment>
        <translation>resto</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="213"/>
        <source>Enter the remainder</source>
        <translation>Scrivi il resto</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="214"/>
        <source>Remainder</source>
        <translation>Resto</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="220"/>
        <source>Verdict</source>
        <extracomment>Spoken name of the picture that shows a tick (right) or a cross (wrong)</extracomment>
        <translation>Esito</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="229"/>
        <source>Right answer</source>
        <comment>the box showing it after a wrong one</comment>
        <translation>Risultato giusto</translation>
    </message>
    <message>
        <location filename="../ui/main/mainwindowlayout.cpp" line="233"/>
        <source>Right remainder</source>
        <translation>Resto giusto</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <location filename="../quiz/operation.cpp" line="13"/>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="15"/>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="17"/>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="19"/>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="30"/>
        <source>+</source>
        <comment>sign of an addition</comment>
        <translation>+</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="32"/>
        <source>-</source>
        <comment>sign of a subtraction</comment>
        <translation>−</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="34"/>
        <source>x</source>
        <comment>sign of a multiplication</comment>
        <translation>×</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="36"/>
        <source>/</source>
        <comment>sign of a division</comment>
        <translation>:</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="45"/>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="47"/>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="49"/>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <location filename="../quiz/operation.cpp" line="51"/>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
</context>
<context>
    <name>OptionMessages</name>
    <message>
        <location filename="../options/optionmessages.cpp" line="15"/>
        <source>No selections made</source>
        <translation>Nessuna operazione scelta</translation>
    </message>
    <message>
        <location filename="../options/optionmessages.cpp" line="20"/>
        <source>You must select at least 1 option to perform</source>
        <translation>Scegli almeno un’operazione</translation>
    </message>
    <message>
        <location filename="../options/optionmessages.cpp" line="26"/>
        <source>Invalid Entry</source>
        <translation>Numero non valido</translation>
    </message>
    <message>
        <location filename="../options/optionmessages.cpp" line="31"/>
        <source>You must enter a valid number in the range 1-99999</source>
        <translation>Scrivi un numero da 1 a 99999</translation>
    </message>
</context>
<context>
    <name>PracticeSession</name>
    <message>
        <location filename="../quiz/spokentexts.cpp" line="21"/>
        <source>minus %1</source>
        <extracomment>A negative number as a screen reader says it: %1 the number without its sign (&quot;minus 4&quot;); the word your schools say for a number below zero</extracomment>
        <translation>meno %1</translation>
    </message>
    <message>
        <location filename="../quiz/spokentexts.cpp" line="33"/>
        <source>%1 %2 %3, answer and remainder</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3, quoziente e resto</translation>
    </message>
    <message>
        <location filename="../quiz/spokentexts.cpp" line="37"/>
        <source>%1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;plus&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <location filename="../quiz/spokentexts.cpp" line="43"/>
        <source>remainder of %1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>resto di %1 %2 %3</translation>
    </message>
    <message>
        <location filename="../quiz/spokentexts.cpp" line="51"/>
        <source>Right</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <location filename="../quiz/spokentexts.cpp" line="55"/>
        <source>Wrong, the answer is %1 remainder %2</source>
        <extracomment>%1 the right whole quotient, %2 the right remainder</extracomment>
        <translation>Sbagliato, il quoziente è %1 e il resto %2</translation>
    </message>
    <message>
        <location filename="../quiz/spokentexts.cpp" line="60"/>
        <source>Wrong, the answer is %1</source>
        <extracomment>%1 the right answer</extracomment>
        <translation>Sbagliato, il risultato è %1</translation>
    </message>
</context>
<context>
    <name>PupilLocale</name>
    <message>
        <location filename="../quiz/pupillocale.cpp" line="102"/>
        <source>TALLYFOX_SUM_DIRECTION</source>
        <extracomment>How your schools set a sum out: translate as LTR where a written sum runs left to right (first number leftmost, as in Iran and Israel), as RTL where it runs right to left (first number rightmost, as in Egypt), or as LOCALE to follow the pupil&apos;s locale (right to left where it reads right to left and writes digits of its own)</extracomment>
        <translation>LTR</translation>
    </message>
    <message>
        <location filename="../quiz/pupillocale.cpp" line="107"/>
        <source>TALLYFOX_SUM_DIGITS</source>
        <extracomment>The digits your schools write sums in, as the Unicode locale data names numbering systems: latn (0123456789), arab (٠١٢٣٤٥٦٧٨٩), arabext (۰۱۲۳۴۵۶۷۸۹), beng, deva, thai, ...; or LOCALE for the digits of the pupil&apos;s locale (Arabic-Indic in Egypt, Western in Morocco)</extracomment>
        <translation>latn</translation>
    </message>
</context>
<context>
    <name>ScoreTally</name>
    <message>
        <location filename="../quiz/scoretally.cpp" line="48"/>
        <source>Total questions = %1</source>
        <extracomment>Status bar: how many sums were judged so far</extracomment>
        <translation>Operazioni svolte = %1</translation>
    </message>
    <message>
        <location filename="../quiz/scoretally.cpp" line="51"/>
        <source>Correct answers = %1</source>
        <extracomment>Status bar: how many of them were right</extracomment>
        <translation>Risposte giuste = %1</translation>
    </message>
    <message>
        <location filename="../quiz/scoretally.cpp" line="54"/>
        <source>Wrong answers = %1</source>
        <extracomment>Status bar: how many of them were wrong</extracomment>
        <translation>Risposte sbagliate = %1</translation>
    </message>
    <message>
        <location filename="../quiz/scoretally.cpp" line="60"/>
        <source>Score = %1%</source>
        <extracomment>Status bar: the share of right answers in per cent; %1 is the number (e.g. 87.5), write the per cent sign as your language does</extracomment>
        <translation>Punteggio = %1%</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../app/main.cpp" line="51"/>
        <source>Tallyfox needs a desktop to show its window, and none was found.
Start it from a desktop session, or under a virtual display:
    xvfb-run %1
</source>
        <translation>Tallyfox ha bisogno di un desktop per mostrare la sua finestra, ma non ne ha trovato nessuno.
Avvialo da una sessione desktop, o con uno schermo virtuale:
    xvfb-run %1
</translation>
    </message>
</context>
</TS>
