#include "ausgabeformat.h"

#include "einschaetzung.h"
#include "zeitpunkt.h"

#include <algorithm>

namespace {

bool komma = false;

} // namespace

void dezimalkommaSetzen(bool k)
{
    komma = k;
}

bool dezimalkomma()
{
    return komma;
}

QString zahlentrenner()
{
    return komma ? QStringLiteral("; ") : QStringLiteral(", ");
}

QString dezimal(double x, int stellen)
{
    QString s = QString::number(x, 'f', stellen);
    // "-0.000" would suggest a sign that rounding has removed.
    if (s.startsWith(QLatin1Char('-')) && s.mid(1).toDouble() == 0.0)
        s.remove(0, 1);
    if (komma)
        s.replace(QLatin1Char('.'), QLatin1Char(','));
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

QString zahlOderStrich(const Kennwert &k, int stellen)
{
    return k.definiert ? dezimal(k.wert, stellen) : QStringLiteral("–");
}

QString wertMitIntervall(const Schaetzung &s, int stellen)
{
    if (!s.wert.definiert || !s.intervall.definiert)
        return zahlOderStrich(s.wert, stellen);
    return QStringLiteral("%1 [%2%3%4]%5")
        .arg(dezimal(s.wert.wert, stellen), dezimal(s.intervall.unten, stellen), zahlentrenner(),
             dezimal(s.intervall.oben, stellen),
             s.intervall.hinweis.isEmpty() ? QString() : QStringLiteral(" *"));
}

QString prozentText(const Kennwert &k)
{
    if (!k.definiert)
        return QStringLiteral("–");
    return dezimal(k.wert * 100.0, 1) + QStringLiteral(" %");
}

QStringList hinweise(const std::vector<const Schaetzung *> &schaetzungen)
{
    QStringList h;
    for (const Schaetzung *s : schaetzungen) {
        const Intervall &i = s->intervall;
        if (i.definiert && !i.hinweis.isEmpty() && !h.contains(i.hinweis))
            h << i.hinweis;
    }
    return h;
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

QString spaltenText(const QList<QStringList> &zeilen, const QList<bool> &rechts,
                    const QString &einrueckung)
{
    QList<qsizetype> breite;
    for (const QStringList &z : zeilen) {
        for (qsizetype i = 0; i < z.size(); ++i) {
            if (breite.size() <= i)
                breite.append(0);
            breite[i] = std::max(breite[i], z[i].size());
        }
    }
    QString s;
    for (const QStringList &z : zeilen) {
        QString zeile = einrueckung;
        for (qsizetype i = 0; i < z.size(); ++i) {
            if (i > 0)
                zeile += QStringLiteral("  ");
            const bool r = i < rechts.size() && rechts[i];
            zeile += r ? z[i].rightJustified(breite[i]) : z[i].leftJustified(breite[i]);
        }
        while (zeile.endsWith(QLatin1Char(' ')))
            zeile.chop(1);
        s += zeile + QLatin1Char('\n');
    }
    return s;
}

QString schaetzungText(const Schaetzung &s, int stellen)
{
    if (!s.wert.definiert)
        return kennwertText(s.wert, stellen);
    const QString wert = dezimal(s.wert.wert, stellen);
    const Intervall &i = s.intervall;
    if (!i.definiert)
        return wert + QStringLiteral("   kein Intervall (%1)").arg(i.grund);
    return wert +
           QStringLiteral("   95 %-KI [%1%2%3], SE %4%5")
               .arg(dezimal(i.unten, stellen), zahlentrenner(), dezimal(i.oben, stellen),
                    dezimal(i.standardfehler, stellen),
                    i.hinweis.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(i.hinweis));
}

QString matrixText(const std::function<QString(int, int)> &zelle, int breite,
                   const QString &einrueckung, const QStringList &kuerzel)
{
    const int n = int(kuerzel.size());
    QString s = einrueckung + QString(5, QLatin1Char(' '));
    for (int spalte = 1; spalte <= n; ++spalte)
        s += kuerzel[spalte - 1].rightJustified(breite);
    s += QLatin1Char('\n');
    for (int zeile = 1; zeile <= n; ++zeile) {
        s += einrueckung + kuerzel[zeile - 1].leftJustified(5);
        for (int spalte = 1; spalte <= n; ++spalte)
            s += zelle(zeile, spalte).rightJustified(breite);
        s += QLatin1Char('\n');
    }
    return s;
}
