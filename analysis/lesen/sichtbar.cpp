#include "sichtbar.h"

namespace {

bool steuerzeichen(uint c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

QString maskiert(uint c)
{
    return QStringLiteral("\\x") +
           QString::number(c, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString sichtbar(QByteArrayView latin1, int hoechstens)
{
    QString s;
    for (qsizetype i = 0; i < latin1.size(); ++i) {
        if (i == hoechstens)
            return s + QStringLiteral("…");
        const uint c = uchar(latin1[i]);
        s += steuerzeichen(c) ? maskiert(c) : QString(QChar(c));
    }
    return s;
}

QString sichtbar(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        s += steuerzeichen(c.unicode()) ? maskiert(c.unicode()) : QString(c);
    return s;
}
