#include "latin1text.h"

#include <QList>
#include <QStringConverter>
#include <QTextStream>

void latin1Einrichten(QTextStream &stream)
{
    stream.setEncoding(QStringConverter::Latin1);
    stream.setAutoDetectUnicode(false);
    stream.setGenerateByteOrderMark(false);
}

QString latin1Tauglich(const QString &text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const char32_t zeichen : text.toUcs4())
        ergebnis += zeichen <= 0xFF ? QChar(char16_t(zeichen)) : QLatin1Char('?');
    return ergebnis;
}
