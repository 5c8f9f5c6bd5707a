// Times the research companion on study-sized input: a summary of 1,000 history files of
// 500 units each, and the agreement of two 10,000-unit files with the shift searched.
// Files are written first (not timed); the figures go to a string, as they would to a pipe.

#include "auswertung.h"
#include "verlauf.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringConverter>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <random>

namespace {

bool schreiben(const QString &pfad, const Verlauf &v)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QTextStream s(&f);
    s.setEncoding(QStringConverter::Latin1);
    v.ausgeben(s, QStringLiteral("k17"), QStringLiteral("elmaro"));
    s.flush();
    return s.status() == QTextStream::Ok;
}

Verlauf zufallsverlauf(std::mt19937 &zufall, int einheiten, double versatz = 0, double zittern = 0,
                       const Verlauf *vorlage = nullptr)
{
    std::uniform_real_distribution<double> dauer(0.8, 12.0);
    std::uniform_real_distribution<double> streuung(-zittern, zittern);
    std::uniform_int_distribution<int> kategorie(1, 7);
    std::uniform_real_distribution<double> wurf(0, 1);
    Verlauf v;
    if (vorlage) {
        // A second rater: same units, later by versatz, jittered, some missed or recoded.
        for (const auto &[t, k] : vorlage->eintraege()) {
            if (k == 0 || wurf(zufall) < 0.05)
                continue;
            const int neu = wurf(zufall) < 0.1 ? kategorie(zufall) : k;
            v.eintragen(Zeitpunkt(0, t.inSekunden() + versatz + streuung(zufall), 0), neu);
        }
        return v;
    }
    double t = 0;
    for (int i = 0; i < einheiten; ++i) {
        t += dauer(zufall);
        v.eintragen(Zeitpunkt(0, std::round(t * 1000) / 1000, 0), kategorie(zufall));
    }
    return v;
}

double messen(const QStringList &argumente, int &rueckgabe, qsizetype &zeichen)
{
    QString aus;
    QString fehler;
    QTextStream a(&aus);
    QTextStream f(&fehler);
    QElapsedTimer uhr;
    uhr.start();
    rueckgabe = Auswertung(a, f).ausfuehren(argumente);
    const double ms = double(uhr.nsecsElapsed()) / 1e6;
    zeichen = aus.size();
    if (!fehler.isEmpty())
        std::fprintf(stderr, "%s", qPrintable(fehler));
    return ms;
}

void bericht(const char *was, double ms, int rueckgabe, qsizetype zeichen)
{
    std::printf("%-58s %8.1f ms  %s (Rückgabe %d, %lld Zeichen)\n", was, ms,
                ms < 1000.0 && rueckgabe == 0 ? "OK" : "ZU LANGSAM/FEHLER", rueckgabe,
                static_cast<long long>(zeichen));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::mt19937 zufall(20261207);

    QStringList dateien;
    for (int i = 0; i < 1000; ++i) {
        const QString pfad = dir.filePath(QStringLiteral("k%1_elmaro_Verlauf.dat").arg(i));
        if (!schreiben(pfad, zufallsverlauf(zufall, 500)))
            return 1;
        dateien << pfad;
    }
    const Verlauf a = zufallsverlauf(zufall, 10000);
    const Verlauf b = zufallsverlauf(zufall, 0, 0.8, 0.3, &a);
    const QString pfadA = dir.filePath(QStringLiteral("lang_A_Verlauf.dat"));
    const QString pfadB = dir.filePath(QStringLiteral("lang_B_Verlauf.dat"));
    if (!schreiben(pfadA, a) || !schreiben(pfadB, b))
        return 1;

    int r = 0;
    qsizetype n = 0;
    for (const QString &form : {QStringLiteral("--csv"), QString()}) {
        QStringList argumente{QStringLiteral("zusammenfassung")};
        if (!form.isEmpty())
            argumente << form;
        const double ms = messen(argumente + dateien, r, n);
        bericht(form.isEmpty() ? "zusammenfassung, 1000 Dateien x 500 Einheiten (Text)"
                               : "zusammenfassung, 1000 Dateien x 500 Einheiten (CSV)",
                ms, r, n);
    }
    double ms = messen({QStringLiteral("uebereinstimmung"), QStringLiteral("--versatz"),
                        QStringLiteral("auto"), pfadA, pfadB},
                       r, n);
    bericht("uebereinstimmung --versatz auto, 2 x 10000 Einheiten", ms, r, n);
    ms = messen({QStringLiteral("uebereinstimmung"), pfadA, pfadB}, r, n);
    bericht("uebereinstimmung ohne Versatzsuche, 2 x 10000 Einheiten", ms, r, n);
    ms = messen(QStringList{QStringLiteral("sequenzen"), QStringLiteral("--csv")} + dateien, r, n);
    bericht("sequenzen, 1000 Dateien x 500 Einheiten", ms, r, n);
    return 0;
}
