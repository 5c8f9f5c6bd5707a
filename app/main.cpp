#include "fenstersymbol.h"
#include "menuestart.h"
#include "plattform.h"
#include "morvantodialog.h"
#include "sitzungskonfigurationdialog.h"

#include <QApplication>
#include <QDir>
#include <QtDebug>

int main(int argc, char *argv[])
{
    const bool ausDemMenue = MenueStart::optionEntnehmen(argc, argv);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(fensterSymbol());
    // Lets the task bar find the menu entry's name and icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("morvanto"));

    QString ordnerProblem;
    if (ausDemMenue && !MenueStart::ordnerEinrichten(Plattform::menueStartOrdner(), ordnerProblem))
        qWarning("Sitzungsordner: %s", qPrintable(ordnerProblem));

    auto *fenster = new MorvantoDialog(nullptr, "Morvanto Hauptfenster", true,
                                       MorvantoDialog::titelleistenFlags());
    QFont schrift = fenster->font();
    schrift.setFamilies({QStringLiteral("Arial")});
    schrift.setPointSize(8);
    QApplication::setFont(schrift);
    if (ausDemMenue)
        fenster->konfiguration()->ordnerZeigen(QDir::currentPath(), ordnerProblem);

    fenster->imProgrammBetrieb();
    fenster->exec();
    const int status = fenster->ausgangsStatus();
    // The destructor guards the session's unsaved ratings and needs the application.
    delete fenster;
    return status;
}
