<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Écris une réponse</translation>
    </message>
    <message>
        <source>You must enter a valid number</source>
        <translation>Écris un nombre valide</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic one sum at a time.</source>
        <translation>S’entraîner au calcul mental, une opération à la fois.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; to see the options.</source>
        <translation>Lance « %1 --help » pour voir les options.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Your options could not be saved to %1.
They will be as before at the next start.</source>
        <translation>Tes options n’ont pas pu être enregistrées dans %1.
Au prochain démarrage, elles seront comme avant.</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Vérifier la réponse</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>No answer judged yet</source>
        <translation>Pas encore de réponse corrigée</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Mauvaise réponse</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Select Options</source>
        <translation>Choisir les options</translation>
    </message>
    <message>
        <source>Max No.</source>
        <translation>Jusqu’à</translation>
    </message>
    <message>
        <source>1 to 99999</source>
        <translation>1 à 99999</translation>
    </message>
    <message>
        <source>Largest number for %1</source>
        <translation>%1 : plus grand nombre</translation>
    </message>
    <message>
        <source>Allow negative answers</source>
        <translation>Résultat négatif permis</translation>
    </message>
    <message>
        <source>Show progressive score</source>
        <translation>Afficher le score en cours</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Deuxième nombre</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>Enter the remainder</source>
        <translation>Écris le reste</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Right remainder</source>
        <translation>Reste correct</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>Right answer</source>
        <comment>the box showing it after a wrong one</comment>
        <translation>La bonne réponse</translation>
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
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
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
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
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
        <translation>×</translation>
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
        <translation>Aucune opération choisie</translation>
    </message>
    <message>
        <source>You must select at least 1 option to perform</source>
        <translation>Choisis au moins une opération</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Nombre non valide</translation>
    </message>
    <message>
        <source>You must enter a valid number in the range 1-99999</source>
        <translation>Écris un nombre entre 1 et 99999</translation>
    </message>
</context>
<context>
    <name>PracticeSession</name>
    <message>
        <source>%1 %2 %3, answer and remainder</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3, quotient et reste</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;plus&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>remainder of %1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>reste de %1 %2 %3</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1 remainder %2</source>
        <extracomment>%1 the right whole quotient, %2 the right remainder</extracomment>
        <translation>Faux, la réponse est %1 reste %2</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1</source>
        <extracomment>%1 the right answer</extracomment>
        <translation>Faux, la réponse est %1</translation>
    </message>
</context>
<context>
    <name>ScoreTally</name>
    <message>
        <source>Total questions = %1</source>
        <translation>Questions posées = %1</translation>
    </message>
    <message>
        <source>Correct answers = %1</source>
        <translation>Bonnes réponses = %1</translation>
    </message>
    <message>
        <source>Wrong answers = %1</source>
        <translation>Erreurs = %1</translation>
    </message>
    <message>
        <source>Score = %1%</source>
        <translation>Taux de réussite = %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Tallyfox needs a desktop to show its window, and none was found.
Start it from a desktop session, or under a virtual display:
    xvfb-run %1
</source>
        <translation>Tallyfox a besoin d’un bureau pour afficher sa fenêtre, et aucun n’a été trouvé.
Lance-le depuis une session de bureau ou sous un affichage virtuel :
    xvfb-run %1
</translation>
    </message>
</context>
</TS>
