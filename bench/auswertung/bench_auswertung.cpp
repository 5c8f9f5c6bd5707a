// Times the research companion on study-sized input: a summary of 1,000 history files of
// 500 units each, the agreement of two 10,000-unit files with the shift searched, and a
// study of 200 clients with three raters of 300 units each, with 1,000 bootstrap resamples
// per pair and over sessions, as a table and as the PDF report. Files are written first (not
// timed); the figures go to a string, as they would to a pipe.

#include "auswertung.h"
#include "verlauf.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringConverter>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <ctime>
#include <random>

namespace {

bool schreiben(const QString &pfad, const Verlauf &v, const QString &klient = QStringLiteral("k17"),
               const QString &rater = QStringLiteral("elmaro"))
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QTextStream s(&f);
    s.setEncoding(QStringConverter::Latin1);
    v.ausgeben(s, klient, rater);
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

// CPU time of the whole process, all threads: on a machine shared with other work the wall
// clock alone says little.
double prozessorMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double letzteProzessorzeit = 0;

double messen(const QStringList &argumente, int &rueckgabe, qsizetype &zeichen)
{
    QString aus;
    QString fehler;
    QTextStream a(&aus);
    QTextStream f(&fehler);
    QElapsedTimer uhr;
    const double cpu = prozessorMs();
    uhr.start();
    rueckgabe = Auswertung(a, f).ausfuehren(argumente);
    const double ms = double(uhr.nsecsElapsed()) / 1e6;
    letzteProzessorzeit = prozessorMs() - cpu;
    zeichen = aus.size();
    if (!fehler.isEmpty())
        std::fprintf(stderr, "%s", qPrintable(fehler));
    return ms;
}

void bericht(const char *was, double ms, int rueckgabe, qsizetype zeichen, double grenzeMs = 1000.0)
{
    std::printf("%-56s %8.1f ms (CPU %8.1f ms)  %s (Rückgabe %d, %lld Zeichen)\n", was, ms,
                letzteProzessorzeit, ms < grenzeMs && rueckgabe == 0 ? "OK" : "ZU LANGSAM/FEHLER",
                rueckgabe, static_cast<long long>(zeichen));
}

// 200 clients, three raters each, 300 units per file; the others later and sometimes of
// another opinion.
bool studieSchreiben(const QString &ordner, std::mt19937 &zufall)
{
    for (int k = 0; k < 200; ++k) {
        const QString klient = QStringLiteral("k%1").arg(k, 3, 10, QLatin1Char('0'));
        const Verlauf a = zufallsverlauf(zufall, 300);
        const Verlauf b = zufallsverlauf(zufall, 0, 0.8, 0.3, &a);
        const Verlauf c = zufallsverlauf(zufall, 0, 0.5, 0.3, &a);
        if (!schreiben(ordner + QStringLiteral("/%1_anna_Verlauf.dat").arg(klient), a, klient,
                       QStringLiteral("anna")) ||
            !schreiben(ordner + QStringLiteral("/%1_bert_Verlauf.dat").arg(klient), b, klient,
                       QStringLiteral("bert")) ||
            !schreiben(ordner + QStringLiteral("/%1_carl_Verlauf.dat").arg(klient), c, klient,
                       QStringLiteral("carl")))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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

    const QString ordner = dir.filePath(QStringLiteral("studie"));
    if (!QDir().mkdir(ordner) || !studieSchreiben(ordner, zufall))
        return 1;
    ms = messen({QStringLiteral("studie"), QStringLiteral("--csv"), ordner}, r, n);
    bericht("studie --csv, 200 x 3 x 300 Einheiten, Bootstrap 1000", ms, r, n, 5000);
    ms = messen(
        {QStringLiteral("studie"), QStringLiteral("--versatz"), QStringLiteral("auto"), ordner}, r,
        n);
    bericht("studie --versatz auto (Text), ebenso", ms, r, n, 5000);
    const QString pdf = dir.filePath(QStringLiteral("studie.pdf"));
    ms = messen({QStringLiteral("bericht"), QStringLiteral("--versatz"), QStringLiteral("auto"),
                 ordner, QStringLiteral("-o"), pdf},
                r, n);
    bericht("bericht (PDF) derselben Studie mit --versatz auto", ms, r,
            qsizetype(QFileInfo(pdf).size()), 10000);
    return 0;
}
