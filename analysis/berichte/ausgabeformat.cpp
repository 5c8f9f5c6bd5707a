#include "ausgabeformat.h"

#include "einschaetzung.h"
#include "zeitpunkt.h"

QString dezimal(double x, int stellen)
{
    QString s = QString::number(x, 'f', stellen);
    // "-0.000" would suggest a sign that rounding has removed.
    if (s.startsWith(QLatin1Char('-')) && s.mid(1).toDouble() == 0.0)
        s.remove(0, 1);
    return s;
}

QString sekundenText(qint64 mikrosekunden)
{
    return dezimal(double(mikrosekunden) / 1e6, 3);
}

QString zeitText(qint64 mikrosekunden)
{
    return Zeitpunkt(0, double(mikrosekunden) / 1e6, 0).toString();
}

QString versatzText(qint64 mikrosekunden)
{
    const QString zahl = sekundenText(mikrosekunden);
    return (mikrosekunden > 0 ? QStringLiteral("+") : QString()) + zahl + QStringLiteral(" s");
}

QString kennwertText(const Kennwert &k, int stellen)
{
    if (!k.definiert)
        return QStringLiteral("nicht definiert (%1)").arg(k.grund);
    return dezimal(k.wert, stellen);
}

QString prozentText(const Kennwert &k)
{
    if (!k.definiert)
        return QStringLiteral("–");
    return dezimal(k.wert * 100.0, 1) + QStringLiteral(" %");
}

QString csvFeld(const QString &text)
{
    static const QString besondere = QStringLiteral(",\"\n\r");
    bool quoten = false;
    for (const QChar c : text)
        quoten = quoten || besondere.contains(c);
    if (!quoten)
        return text;
    QString s = text;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString csvZeile(const QStringList &felder)
{
    QStringList f;
    f.reserve(felder.size());
    for (const QString &feld : felder)
        f.append(csvFeld(feld));
    return f.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString csvZahl(const Kennwert &k, int stellen)
{
    return k.definiert ? dezimal(k.wert, stellen) : QString();
}

QString matrixText(const std::function<QString(int, int)> &zelle, int breite,
                   const QString &einrueckung)
{
    QString s = einrueckung + QString(5, QLatin1Char(' '));
    for (int spalte = TL; spalte <= NIX; ++spalte)
        s += EinschaetzungKuerzel[spalte].rightJustified(breite);
    s += QLatin1Char('\n');
    for (int zeile = TL; zeile <= NIX; ++zeile) {
        s += einrueckung + EinschaetzungKuerzel[zeile].leftJustified(5);
        for (int spalte = TL; spalte <= NIX; ++spalte)
            s += zelle(zeile, spalte).rightJustified(breite);
        s += QLatin1Char('\n');
    }
    return s;
}
