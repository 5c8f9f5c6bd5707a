// The floor for the start-up measurement: the least Qt Widgets program showing a dialog.
// With the argument "text" the dialog also shows one label, which makes Qt load its font
// database, the largest single cost of any window that shows text.
#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog fenster;
    fenster.resize(215, 620);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        new QLabel(QStringLiteral("Sitzungskonfiguration"), &fenster);
    fenster.exec();
    return 0;
}
