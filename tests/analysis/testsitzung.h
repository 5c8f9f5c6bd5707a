#ifndef TESTSITZUNG_H
#define TESTSITZUNG_H

#include "auswertung.h"
#include "latin1text.h"
#include "sitzung.h"
#include "verlauf.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <utility>
#include <vector>

// Press times in seconds with their categories, as a rater would produce them.
using Druecke = std::vector<std::pair<double, int>>;

inline Verlauf testVerlauf(const Druecke &druecke)
{
    Verlauf v;
    for (const auto &[sekunden, kategorie] : druecke)
        v.eintragen(Zeitpunkt(0, sekunden, 0), kategorie);
    return v;
}

inline Sitzung testSitzung(const Druecke &druecke, const QString &name = QStringLiteral("t"))
{
    return Sitzung(name, testVerlauf(druecke));
}

// Written the way the console writes a history file.
inline bool testDateiSchreiben(const QString &pfad, const Verlauf &v,
                               const QString &klient = QStringLiteral("k17"),
                               const QString &rater = QStringLiteral("Jürgen"))
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QTextStream s(&f);
    latin1Einrichten(s);
    v.ausgeben(s, klient, rater);
    s.flush();
    return s.status() == QTextStream::Ok;
}

// Runs the analysis program's command line in the process; its output and error text are
// appended to aus and fehler. The exit code.
inline int auswertungAufrufen(const QStringList &argumente, QString &aus, QString &fehler)
{
    QTextStream ausStrom(&aus);
    QTextStream fehlerStrom(&fehler);
    return Auswertung(ausStrom, fehlerStrom).ausfuehren(argumente);
}

inline qint64 us(double sekunden)
{
    return qint64(sekunden * 1e6 + (sekunden < 0 ? -0.5 : 0.5));
}

#endif
