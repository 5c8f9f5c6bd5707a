// Writes a 100,000-entry history, reads it back, and compares with a plain read of the
// same bytes; then shows how the cost of one eintragen grows with the history size.
#include "verlauf.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

Verlauf grosserVerlauf(int n)
{
    Verlauf v;
    for (int i = 1; i <= n; ++i)
        v.eintragen(Zeitpunkt(0, i * 0.5 + (i % 997) * 0.0001), 1 + i % 7);
    return v;
}

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

void eintragenKosten()
{
    for (int n : {1000, 10000, 100000, 1000000}) {
        Verlauf v = grosserVerlauf(n);
        const int proben = 100000;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < proben; ++i)
            v.eintragen(Zeitpunkt(0, n * 0.5 + 1 + i * 0.001), 4);
        std::printf("eintragen bei %7d Eintraegen: %.3f us je Aufruf\n", n,
                    t.nsecsElapsed() / 1e3 / proben);
    }
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("bench_Verlauf.dat"));
    const Verlauf v = grosserVerlauf(100000);

    // Best of five runs each: the machine is shared, the minimum is the honest figure.
    double schreiben = 1e9, lesen = 1e9, rohLesen = 1e9;
    Verlauf gelesen;
    QString text;
    QElapsedTimer t;
    for (int lauf = 0; lauf < 5; ++lauf) {
        QFile aus(name);
        if (!aus.open(QIODevice::WriteOnly))
            return 1;
        t.start();
        QTextStream s(&aus);
        s.setEncoding(QStringConverter::Latin1);
        v.ausgeben(s, QStringLiteral("k17"), QStringLiteral("elmaro"));
        s.flush();
        schreiben = qMin(schreiben, ms(t));
    }
    for (int lauf = 0; lauf < 5; ++lauf) {
        QFile ein(name);
        if (!ein.open(QIODevice::ReadOnly))
            return 1;
        t.start();
        QTextStream s(&ein);
        s.setEncoding(QStringConverter::Latin1);
        if (!gelesen.einlesen(s))
            return 1;
        lesen = qMin(lesen, ms(t));
    }
    QFile roh(name);
    for (int lauf = 0; lauf < 5; ++lauf) {
        if (!roh.open(QIODevice::ReadOnly))
            return 1;
        t.start();
        text = QString::fromLatin1(roh.readAll());
        rohLesen = qMin(rohLesen, ms(t));
        roh.close();
    }

    std::printf("Eintraege:            %d\n", gelesen.size());
    std::printf("Dateigroesse:         %lld Bytes\n", static_cast<long long>(roh.size()));
    std::printf("ausgeben:             %.1f ms\n", schreiben);
    std::printf("einlesen:             %.1f ms\n", lesen);
    std::printf("readAll + Latin-1:    %.1f ms (%lld Zeichen)\n", rohLesen,
                static_cast<long long>(text.size()));
    eintragenKosten();
    return gelesen.size() == v.size() ? 0 : 1;
}
