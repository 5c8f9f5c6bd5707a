#include "atomaredatei.h"

#include "amortschreiber.h"
#include "dateifehler.h"

#include <QFileInfo>
#include <QTextStream>

#include "plattform.h"

AtomareDatei::AtomareDatei(const QString &pfad) : datei(pfad), pruefer(&datei) {}

AtomareDatei::~AtomareDatei()
{
    if (datei.isOpen())
        datei.cancelWriting();
}

bool AtomareDatei::oeffnen()
{
    fehler.clear();
    if (datei.open(QIODevice::WriteOnly) && datei.error() == QFileDevice::NoError) {
        pruefer.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        return true;
    }
    if (AmOrtSchreiber::noetig(datei.fileName())) {
        amOrt = puffer.open(QIODevice::WriteOnly);
        pruefer.zielSetzen(&puffer);
        pruefer.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        return true;
    }
    fehlerMerken(dateiFehlerBeschreibung(datei.fileName(), datei.error(), true));
    return false;
}

QIODevice *AtomareDatei::geraet()
{
    return &pruefer;
}

bool AtomareDatei::schreiben(const QByteArray &daten)
{
    if (pruefer.write(daten) == daten.size())
        return true;
    fehlerMerken(dateiFehlerBeschreibung(datei.fileName(), datei.error(), true));
    return false;
}

void AtomareDatei::fehlschlagMelden(const QString &grund)
{
    fehlerMerken(grund);
}

bool AtomareDatei::abschliessen(QTextStream *stream)
{
    if (!datei.isOpen() && !amOrt) {
        fehlerMerken(QStringLiteral("Datei nicht geöffnet"));
        return false;
    }
    if (stream) {
        stream->flush();
        if (stream->status() != QTextStream::Ok)
            fehlerMerken(QString());
    }
    if (amOrt)
        return amOrtAbschliessen();
    // A short write on a full disk may leave the file without an error of its own, and
    // commit() would then happily replace the old file with the truncated one.
    if (!geraetFehlerfrei() || !fehler.isEmpty()) {
        datei.cancelWriting();
        datei.commit();
        return false;
    }
    if (!datei.commit()) {
        fehlerMerken(dateiFehlerBeschreibung(datei.fileName(), datei.error(), true));
        return false;
    }
    ordnerSynchronisieren();
    return true;
}

bool AtomareDatei::geraetFehlerfrei()
{
    if (datei.flush() && datei.error() == QFileDevice::NoError && !pruefer.kurzGeschrieben())
        return true;
    fehlerMerken(dateiFehlerBeschreibung(datei.fileName(), datei.error(), true));
    return false;
}

// The first failure is the one worth telling; a short write may come without any error
// code, and must count all the same.
void AtomareDatei::fehlerMerken(const QString &text)
{
    if (fehler.isEmpty())
        fehler = text.isEmpty()
                     ? dateiFehlerBeschreibung(datei.fileName(), QFileDevice::WriteError, true)
                     : text;
}

bool AtomareDatei::amOrtAbschliessen()
{
    amOrt = false;
    QString grund;
    if (pruefer.kurzGeschrieben())
        fehlerMerken(QString());
    if (fehler.isEmpty() && !AmOrtSchreiber::schreiben(datei.fileName(), puffer.data(), &grund))
        fehlerMerken(grund);
    return fehler.isEmpty();
}

// commit() syncs the content; the rename that put it in place is on the device only once
// the folder is synced as well.
void AtomareDatei::ordnerSynchronisieren() const
{
    Plattform::ordnerSynchronisieren(QFileInfo(datei.fileName()).absolutePath());
}

bool AtomareDatei::schreibenAtomar(const QString &pfad, const QByteArray &inhalt,
                                   QString *fehlerText)
{
    AtomareDatei datei(pfad);
    const bool ok = datei.oeffnen() && datei.schreiben(inhalt) && datei.abschliessen();
    if (fehlerText)
        *fehlerText = datei.fehlerText();
    return ok;
}
