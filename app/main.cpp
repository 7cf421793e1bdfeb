// Starts the program: one main window; closing it ends the program.
#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return 0;
}
