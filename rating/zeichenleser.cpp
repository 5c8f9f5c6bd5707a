#include "zeichenleser.h"

#include <QTextStream>

bool ZeichenLeser::nachfuellen()
{
    if (pos < puffer.size())
        return true;
    puffer = stream.read(1 << 16);
    pos = 0;
    return !puffer.isEmpty();
}

QChar ZeichenLeser::zeichen()
{
    if (!nachfuellen())
        return QChar();
    const QChar c = puffer.at(pos++);
    if (c == QLatin1Char('\n'))
        ++zeile_;
    return c;
}

QString ZeichenLeser::wort()
{
    while (nachfuellen() && puffer.at(pos).isSpace())
        zeichen();
    QString w;
    while (nachfuellen()) {
        const qsizetype anfang = pos;
        while (pos < puffer.size() && !puffer.at(pos).isSpace())
            ++pos;
        w += QStringView(puffer).sliced(anfang, pos - anfang);
        if (pos < puffer.size())
            break;
    }
    return w;
}

bool ZeichenLeser::nurNochLeerraum()
{
    while (nachfuellen()) {
        if (!zeichen().isSpace())
            return false;
    }
    return true;
}
