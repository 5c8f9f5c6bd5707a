#include "menuestart.h"

#include <QDir>

#include <cstring>
#include <filesystem>
#include <system_error>

QString MenueStart::option()
{
    return QStringLiteral("--menue");
}

QString MenueStart::ordnerName()
{
    return QStringLiteral("Morvanto");
}

bool MenueStart::optionEntnehmen(int &argc, char **argv)
{
    const QByteArray gesucht = option().toLatin1();
    bool gefunden = false;
    int behalten = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], gesucht.constData()) == 0)
            gefunden = true;
        else
            argv[behalten++] = argv[i];
    }
    argc = behalten;
    argv[argc] = nullptr;
    return gefunden;
}

bool MenueStart::ordnerEinrichten(const QString &heim, QString &fehler)
{
    const QString ordner = QDir(heim).filePath(ordnerName());
    // From UTF-8 explicitly: on Windows a narrow path would go through the ANSI code page,
    // which cannot hold every user name.
    const std::filesystem::path pfad = std::filesystem::u8path(ordner.toStdString());
    std::error_code ec;
    std::filesystem::create_directories(pfad, ec);
    std::error_code art;
    if (!ec && !std::filesystem::is_directory(pfad, art))
        ec = art ? art : std::make_error_code(std::errc::not_a_directory);
    if (ec) {
        fehler = QStringLiteral("%1 kann nicht angelegt werden: %2")
                     .arg(ordner, QString::fromLocal8Bit(ec.message().c_str()));
        return false;
    }
    if (!QDir::setCurrent(ordner)) {
        fehler = QStringLiteral("in %1 kann nicht gewechselt werden").arg(ordner);
        return false;
    }
    return true;
}
