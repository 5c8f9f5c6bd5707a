#include "journalvermerk.h"

#include "atomaredatei.h"
#include "datenordner.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

QString JournalVermerk::listenPfad()
{
    const QString ordner = datenordner();
    return ordner.isEmpty() ? QString() : ordner + QStringLiteral("/gespeicherte_journale.txt");
}

// Path, size and modification time: a journal written again after the mark is offered again.
QString JournalVermerk::eintrag(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.absoluteFilePath() + QLatin1Char('\t') + QString::number(info.size()) +
           QLatin1Char('\t') + QString::number(info.lastModified().toMSecsSinceEpoch());
}

bool JournalVermerk::vermerken(const QString &pfad)
{
    const QString liste = listenPfad();
    if (liste.isEmpty())
        return false;
    QByteArray inhalt;
    QFile alt(liste);
    if (alt.open(QIODevice::ReadOnly)) {
        // Marks of files that are gone are dropped on the way.
        while (!alt.atEnd()) {
            const QByteArray zeile = alt.readLine();
            if (QFileInfo::exists(QString::fromUtf8(zeile.left(zeile.indexOf('\t')))))
                inhalt += zeile;
        }
        // Windows does not replace a file that is still open.
        alt.close();
    }
    inhalt += eintrag(pfad).toUtf8() + '\n';
    QString fehler;
    if (AtomareDatei::schreibenAtomar(liste, inhalt, &fehler))
        return true;
    qDebug("ERROR marking journal %s as saved (%s)", qUtf8Printable(pfad), qUtf8Printable(fehler));
    return false;
}

bool JournalVermerk::vermerkt(const QString &pfad)
{
    QFile liste(listenPfad());
    if (!liste.open(QIODevice::ReadOnly))
        return false;
    const QByteArray gesucht = eintrag(pfad).toUtf8();
    while (!liste.atEnd()) {
        if (liste.readLine().trimmed() == gesucht)
            return true;
    }
    return false;
}
