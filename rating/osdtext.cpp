#include "osdtext.h"

QString osdText(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029)
            s += QLatin1Char(' ');
        else if (u == u'{')
            s += QLatin1Char('(');
        else if (u == u'}')
            s += QLatin1Char(')');
        else if (u == u'\\')
            s += QChar(0x29F5); // reverse solidus operator
        else
            s += c;
    }
    return s;
}
