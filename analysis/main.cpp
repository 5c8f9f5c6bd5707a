#include "auswertung.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));
    if (argumente == QStringList{QStringLiteral("--version")}) {
        std::fputs("morvanto-auswertung " MORVANTO_VERSION "\n", stdout);
        return 0;
    }

    // Pictures need fonts and so a GUI application, but never a screen.
    std::unique_ptr<QCoreApplication> app;
    if (Auswertung::brauchtGrafik(argumente)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }

    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    return Auswertung(aus, fehler).ausfuehren(argumente);
}
