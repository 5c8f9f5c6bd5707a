#include "morvantodialog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    auto *fenster = new MorvantoDialog(nullptr, "Morvanto Hauptfenster", true,
                                       MorvantoDialog::titelleistenFlags());
    QFont schrift = fenster->font();
    schrift.setFamilies({QStringLiteral("Arial")});
    schrift.setPointSize(8);
    QApplication::setFont(schrift);

    fenster->imProgrammBetrieb();
    fenster->exec();
    // The destructor guards the session's unsaved ratings and needs the application.
    delete fenster;
    return 0;
}
