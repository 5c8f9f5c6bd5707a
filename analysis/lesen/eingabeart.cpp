#include "eingabeart.h"

#include <algorithm>

namespace {

struct Kennung
{
    QByteArray anfang;
    qsizetype stelle;
    const char *was;
};

const Kennung kennungen[] = {
    {QByteArray("\x89PNG\r\n\x1a\n", 8), 0, "ein PNG-Bild"},
    {QByteArray("\xff\xd8\xff", 3), 0, "ein JPEG-Bild"},
    {QByteArray("GIF8"), 0, "ein GIF-Bild"},
    {QByteArray("%PDF-"), 0, "ein PDF-Dokument"},
    {QByteArray("PK\x03\x04", 4), 0,
     "ein ZIP-Archiv (etwa eine Word-, Excel- oder LibreOffice-Datei)"},
    {QByteArray("\xd0\xcf\x11\xe0", 4), 0, "ein älteres Office-Dokument (doc, xls)"},
    {QByteArray("\x1f\x8b", 2), 0, "ein gzip-Archiv"},
    {QByteArray("RIFF"), 0, "eine RIFF-Datei (etwa WAV-Ton oder AVI-Video)"},
    {QByteArray("ftyp"), 4, "ein MP4- oder MOV-Video"},
    {QByteArray("\x1a\x45\xdf\xa3", 4), 0, "ein Matroska- oder WebM-Video"},
    {QByteArray("\x7f"
                "ELF"),
     0, "ein ausführbares Programm"},
};

QString keineVerlaufsdatei(const QString &was)
{
    return QStringLiteral("ist %1, keine Verlaufsdatei").arg(was);
}

QString utf16(const char *reihenfolge, bool bom)
{
    return QStringLiteral("ist als UTF-16 (%1%2) gespeichert; Verlaufsdateien sind Latin-1 "
                          "(ISO-8859-1). Bitte im Editor als Latin-1 oder ASCII speichern")
        .arg(QLatin1String(reihenfolge), bom ? QStringLiteral(", mit Byte-Order-Mark") : QString());
}

} // namespace

QString fremdesFormat(const QByteArray &inhalt)
{
    if (inhalt.startsWith("\xef\xbb\xbf"))
        return QStringLiteral("beginnt mit einer UTF-8-Byte-Order-Mark (BOM, die Bytes EF BB "
                              "BF), die die Ratingkonsole nie schreibt; bitte im Editor ohne BOM "
                              "speichern");
    if (inhalt.startsWith(QByteArray("\xff\xfe\0\0", 4)) ||
        inhalt.startsWith(QByteArray("\0\0\xfe\xff", 4)))
        return QStringLiteral("ist als UTF-32 gespeichert; Verlaufsdateien sind Latin-1 "
                              "(ISO-8859-1). Bitte im Editor als Latin-1 oder ASCII speichern");
    if (inhalt.startsWith("\xff\xfe"))
        return utf16("Little Endian", true);
    if (inhalt.startsWith("\xfe\xff"))
        return utf16("Big Endian", true);
    for (const Kennung &k : kennungen) {
        if (inhalt.size() >= k.stelle + k.anfang.size() &&
            inhalt.mid(k.stelle, k.anfang.size()) == k.anfang)
            return keineVerlaufsdatei(QString::fromUtf8(k.was));
    }

    // Text in UTF-16 without a mark has a zero in every other byte; other binary data has
    // zeros here and there.
    const qsizetype n = std::min<qsizetype>(inhalt.size(), 4096);
    qsizetype geradeNull = 0;
    qsizetype ungeradeNull = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (inhalt[i] == '\0')
            ++(i % 2 == 0 ? geradeNull : ungeradeNull);
    }
    if (geradeNull + ungeradeNull == 0)
        return QString();
    if (ungeradeNull * 10 >= n * 4 && geradeNull * 20 < n)
        return utf16("Little Endian", false);
    if (geradeNull * 10 >= n * 4 && ungeradeNull * 20 < n)
        return utf16("Big Endian", false);
    return QStringLiteral("enthält Binärdaten (Nullbytes), ist also keine Textdatei und keine "
                          "Verlaufsdatei");
}
