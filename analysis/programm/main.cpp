#include "auswertung.h"
#include "befehlszeile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>
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

    // Only a picture or a PDF needs fonts and so the graphical application, never a screen;
    // it is created once the call and the files proved sound, and no other command starts
    // the graphics at all.
    Befehlszeile befehl;
    const bool malt = befehl.lesen(argumente) && !befehl.hilfe() && befehl.malt();
    // Without a login session the graphics warn on standard error that there is no runtime
    // folder; a private one for this run keeps them quiet and is removed after them.
    std::unique_ptr<QTemporaryDir> laufzeit;
    std::unique_ptr<QCoreApplication> app;
    if (!malt)
        app = std::make_unique<QCoreApplication>(argc, argv);

    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    Auswertung auswertung(aus, fehler);
    auswertung.grafikVorbereiten([&] {
        if (app)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            laufzeit = std::make_unique<QTemporaryDir>();
            if (laufzeit->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit->path()));
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    });
    return auswertung.ausfuehren(argumente);
}
