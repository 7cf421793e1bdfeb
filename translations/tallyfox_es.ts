<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
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
        <translation>Escribe una respuesta</translation>
    </message>
    <message>
        <source>You must enter a valid number</source>
        <translation>Escribe un número válido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic one sum at a time.</source>
        <translation>Practica el cálculo mental, una operación cada vez.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Run &apos;%1 --help&apos; to see the options.</source>
        <translation>Ejecuta «%1 --help» para ver las opciones.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Your options could not be saved to %1.
They will be as before at the next start.</source>
        <translation>No se han podido guardar tus opciones en %1.
En el próximo inicio serán las de antes.</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Nueva pregunta</translation>
    </message>
    <message>
        <source>No answer judged yet</source>
        <translation>Aún no hay respuesta corregida</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Respuesta incorrecta</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Select Options</source>
        <translation>Elige las opciones</translation>
    </message>
    <message>
        <source>Max No.</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>1 to 99999</source>
        <translation>De 1 a 99999</translation>
    </message>
    <message>
        <source>Largest number for %1</source>
        <translation>%1: número máximo</translation>
    </message>
    <message>
        <source>Allow negative answers</source>
        <translation>Permitir bajar de cero</translation>
    </message>
    <message>
        <source>Show progressive score</source>
        <translation>Mostrar el marcador</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>resto</translation>
    </message>
    <message>
        <source>Enter the remainder</source>
        <translation>Escribe el resto</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Resto</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Right remainder</source>
        <translation>Resto correcto</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>Right answer</source>
        <comment>the box showing it after a wrong one</comment>
        <translation>La respuesta correcta</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
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
        <translation>Ninguna operación elegida</translation>
    </message>
    <message>
        <source>You must select at least 1 option to perform</source>
        <translation>Elige al menos una operación</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Número no válido</translation>
    </message>
    <message>
        <source>You must enter a valid number in the range 1-99999</source>
        <translation>Escribe un número entre 1 y 99999</translation>
    </message>
</context>
<context>
    <name>PracticeSession</name>
    <message>
        <source>%1 %2 %3, answer and remainder</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3, cociente y resto</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;plus&quot;), %3 the second number</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>remainder of %1 %2 %3</source>
        <extracomment>%1 the first number, %2 the spoken operation (&quot;divided by&quot;), %3 the second number</extracomment>
        <translation>resto de %1 %2 %3</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1 remainder %2</source>
        <extracomment>%1 the right whole quotient, %2 the right remainder</extracomment>
        <translation>Incorrecto, la respuesta es %1 resto %2</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1</source>
        <extracomment>%1 the right answer</extracomment>
        <translation>Incorrecto, la respuesta es %1</translation>
    </message>
</context>
<context>
    <name>ScoreTally</name>
    <message>
        <source>Total questions = %1</source>
        <translation>Total de preguntas = %1</translation>
    </message>
    <message>
        <source>Correct answers = %1</source>
        <translation>Correctas = %1</translation>
    </message>
    <message>
        <source>Wrong answers = %1</source>
        <translation>Incorrectas = %1</translation>
    </message>
    <message>
        <source>Score = %1%</source>
        <translation>Aciertos = %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Tallyfox needs a desktop to show its window, and none was found.
Start it from a desktop session, or under a virtual display:
    xvfb-run %1
</source>
        <translation>Tallyfox necesita un escritorio para mostrar su ventana, y no se ha encontrado ninguno.
Puedes iniciarlo desde una sesión de escritorio o con una pantalla virtual:
    xvfb-run %1
</translation>
    </message>
</context>
</TS>
