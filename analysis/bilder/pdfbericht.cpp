#include "pdfbericht.h"

#include "ausgabeformat.h"
#include "blandaltman.h"
#include "methodentext.h"
#include "seitensatz.h"
#include "sichtbar.h"
#include "studie.h"
#include "studientabellen.h"
#include "uebereinstimmung.h"
#include "uebereinstimmungbericht.h"
#include "vergleichsbericht.h"
#include "zeitleiste.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <functional>

namespace {

using E = Vergleichsergebnis;

bool pdfSchreiben(const QString &pfad, const QString &titel,
                  const std::function<void(Seitensatz &)> &setzen, QString &fehler)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("morvanto-auswertung"));
        QPainter p;
        if (!p.begin(&pdf)) {
            fehler =
                QStringLiteral("%1: der PDF-Schreiber ließ sich nicht starten").arg(sichtbar(pfad));
            return false;
        }
        Seitensatz satz(pdf, p, titel);
        satz.ueberschrift(titel, 1);
        setzen(satz);
        p.end();
    }
    return Zeitleiste::schreiben(pfad, puffer.data(), fehler);
}

// The cautions of the intervals shown, once each, after a "*".
QString hinweise(const Vergleichsergebnis &e)
{
    std::vector<const Schaetzung *> alle;
    for (const E::Ansicht a : {E::Zeit, E::Ereignis, E::Segmentierung}) {
        for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
            const Kennzahlen &k = e.kennzahlen(a, ebene);
            alle.insert(alle.end(), {&k.kappa, &k.ac1, &k.pabak});
        }
    }
    const QStringList h = ::hinweise(alle);
    return h.isEmpty() ? QString()
                       : QStringLiteral(" „*“: ") + h.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace

PdfBericht::PdfBericht(const Zeitleistenoptionen &optionen) : optionen_(optionen) {}

bool PdfBericht::paarSchreiben(const QString &pfad, const Uebereinstimmung &u,
                               QString &fehler) const
{
    const QString titel = optionen_.titel.isEmpty() ? QStringLiteral("Übereinstimmung zweier Rater")
                                                    : optionen_.titel;
    return pdfSchreiben(
        pfad, titel, [&](Seitensatz &satz) { paarSetzen(satz, u); }, fehler);
}

bool PdfBericht::studieSchreiben(const QString &pfad, const Studie &s,
                                 const std::vector<Sitzung> &sitzungen, QString &fehler) const
{
    const QString titel = optionen_.titel.isEmpty()
                              ? QStringLiteral("Übereinstimmung der Rater einer Studie")
                              : optionen_.titel;
    return pdfSchreiben(
        pfad, titel, [&](Seitensatz &satz) { studieSetzen(satz, s, sitzungen); }, fehler);
}

void PdfBericht::kennwerte(Seitensatz &satz, const Vergleichsergebnis &e, const QString &intervalle,
                           bool gepoolt)
{
    QList<QStringList> zeilen = {{QStringLiteral("Ansicht"), QStringLiteral("n"),
                                  QStringLiteral("Übereinst."), QStringLiteral("Cohens Kappa [KI]"),
                                  QStringLiteral("Gwets AC1 [KI]"), QStringLiteral("PABAK [KI]")}};
    const auto zeile = [&](const QString &ansicht, const QString &einheit, const Kennzahlen &k) {
        zeilen.append({ansicht, QString::number(k.tabelle.summe()) + QLatin1Char(' ') + einheit,
                       prozentText(k.uebereinstimmung), wertMitIntervall(k.kappa, 3),
                       wertMitIntervall(k.ac1, 3), wertMitIntervall(k.pabak, 3)});
    };
    for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
        zeilen.append({ebene == E::Kategorien ? QStringLiteral("7 Kategorien")
                                              : QStringLiteral("Sprecherebene")});
        zeile(QStringLiteral("zeitbasiert"), QStringLiteral("Scheiben"), e.zeit(ebene));
        zeile(QStringLiteral("ereignisbasiert"), QStringLiteral("Paare"), e.ereignis(ebene));
        zeile(QStringLiteral("mit Segmentierung"), QStringLiteral("Einheiten"),
              e.segmentierung(ebene));
    }
    satz.tabelle(zeilen, {0.18, 0.15, 0.09, 0.2, 0.19, 0.19},
                 {false, true, true, true, true, true});
    satz.absatz(QStringLiteral("95-%-Konfidenzintervalle, %1. Sprecherebene: T = TL, TNL, TU; "
                               "K = KL, KNL, KU; NIX. Mit Segmentierung: jedes ungepaarte Ende "
                               "(%2 nur bei A, %3 nur bei B) zählt als Einheit, die der andere "
                               "Rater mit der Kategorie „ohne“ bewertet hat.%4")
                    .arg(intervalle)
                    .arg(VergleichsBericht::nurA(e))
                    .arg(VergleichsBericht::nurB(e))
                    .arg(hinweise(e)),
                7.5);
    QString weitere = QStringLiteral("Innerhalb der Sprecher (L < U < NL), Kappa mit linearen "
                                     "Gewichten [KI], in Klammern ungewichtet:");
    for (const QString &z : VergleichsBericht::innerhalbSprecher(e))
        weitere += QLatin1Char('\n') + z;
    weitere += QLatin1Char('\n') +
               VergleichsBericht::randhomogenitaet(e.ereignis(E::Kategorien).tabelle, gepoolt) +
               QStringLiteral(" (gepaarte Einheiten)");
    satz.absatz(weitere, 8);
}

void PdfBericht::raster(Seitensatz &satz, const Vergleichsergebnis &e)
{
    satz.raster({{QStringLiteral("Zeitbasiert (Scheiben)"), &e.zeit(E::Kategorien).tabelle},
                 {QStringLiteral("Ereignisbasiert mit Segmentierung (Einheiten)"),
                  &e.segmentierung(E::Kategorien).tabelle}},
                QStringLiteral("Zeilen: Rater A, Spalten: Rater B. Jede Zelle nennt die Anzahl; "
                               "je dunkler, desto größer ihr Anteil an der Zeile. Schwarz "
                               "umrandet: die Diagonale, auf der die Rater übereinstimmen."));
}

void PdfBericht::jeKategorie(Seitensatz &satz, const Vergleichsergebnis &e)
{
    QList<QStringList> zeilen = {VergleichsBericht::kategorieKopf()};
    zeilen += VergleichsBericht::kategorieZeilen(e);
    satz.tabelle(zeilen, {0.1, 0.08, 0.165, 0.085, 0.165, 0.08, 0.165, 0.08, 0.08},
                 VergleichsBericht::kategorieRechts());
    satz.absatz(QStringLiteral("zeitb., ereign., Segm.: spezifische Übereinstimmung 2·n(k,k) / "
                               "(n(k,·) + n(·,k)) der drei Ansichten; "
                               "Kappa [KI]: Cohens Kappa der Kategorie gegen alle übrigen mit "
                               "95-%-KI; PI und BI: Prävalenz- (a − d) / n und Bias-Index "
                               "(b − c) / n der Kategorie gegen alle übrigen, zeitbasiert; „–“: "
                               "von keinem Rater vergeben."),
                7.5);
}

void PdfBericht::methode(Seitensatz &satz, const QString &methode, const QString &ergebnis)
{
    satz.ueberschrift(QStringLiteral("Für den Methodenteil"), 2);
    satz.absatz(methode);
    satz.ueberschrift(QStringLiteral("Für den Ergebnisteil"), 2);
    satz.absatz(ergebnis);
}

void PdfBericht::zeitleisteInZeilen(Seitensatz &satz, const std::vector<Sitzung> &sitzungen,
                                    const Zeitleistenoptionen &optionen)
{
    // A long session in rows of five minutes, so that its units stay visible.
    constexpr qint64 zeile = 300000000;
    const qint64 ende = Sitzung::spaetestesEnde(sitzungen);
    if (ende <= zeile + zeile / 5 || optionen.von > 0 || optionen.bis >= 0) {
        const Zeitleiste z(sitzungen, 0, optionen);
        satz.bild([&](QPainter &p) { z.zeichnen(p); }, z.groesse());
        return;
    }
    Zeitleistenoptionen o = optionen;
    for (qint64 von = 0; von < ende; von = o.bis) {
        o.von = von;
        // A few seconds left over go into the last row rather than one of their own.
        o.bis = ende - von <= zeile + zeile / 5 ? ende : von + zeile;
        o.legende = optionen.legende && o.bis >= ende;
        const Zeitleiste z(sitzungen, 0, o);
        satz.bild([&](QPainter &p) { z.zeichnen(p); }, z.groesse());
        o.titel.clear();
    }
}

void PdfBericht::paarSetzen(Seitensatz &satz, const Uebereinstimmung &u) const
{
    const Vergleichseinstellungen &v = u.einstellungen();
    QString kopf =
        QStringLiteral("Rater A: %1\nRater B: %2\n")
            .arg(QFileInfo(u.a().datei()).fileName(), QFileInfo(u.b().datei()).fileName());
    kopf += QStringLiteral("Gemeinsam bewertet %1 bis %2 in %3 Scheiben zu %4 s; Toleranz %5 s; "
                           "Versatz von B %6")
                .arg(zeitText(u.zeit().beginn()), zeitText(u.zeit().ende()))
                .arg(u.zeit().anzahl())
                .arg(sekundenText(v.schritt), sekundenText(v.toleranz), versatzText(u.versatz()));
    if (v.versatzAutomatisch)
        kopf += QStringLiteral(" (gesucht im Bereich ±%1 s; ohne Versatz %2 Übereinstimmung)")
                    .arg(sekundenText(v.suchbereich), prozentText(u.ohneVersatz()));
    if (u.versatzAmRand())
        kopf += QStringLiteral(".\nAchtung: ") + UebereinstimmungBericht::randWarnung(v);
    satz.absatz(kopf);

    satz.ueberschrift(QStringLiteral("Kennwerte"), 2);
    kennwerte(satz, u.ergebnis(),
              QStringLiteral("zeitbasiert: %1; ereignisbasiert: %2")
                  .arg(VergleichsBericht::zeitMethode(v), VergleichsBericht::ereignisMethode()),
              false);
    satz.ueberschrift(QStringLiteral("Kreuztabellen"), 2);
    raster(satz, u.ergebnis());
    satz.ueberschrift(QStringLiteral("Je Kategorie"), 2);
    jeKategorie(satz, u.ergebnis());

    satz.ueberschrift(QStringLiteral("Zeitleiste"), 2);
    Zeitleistenoptionen o = optionen_;
    o.titel.clear();
    zeitleisteInZeilen(satz, {u.a(), u.b()}, o);

    methode(satz, Methodentext::methode(u), Methodentext::ergebnis(u));
    satz.ueberschrift(QStringLiteral("Quellen"), 2);
    satz.absatz(Methodentext::quellen(), 8);
}

void PdfBericht::studieSetzen(Seitensatz &satz, const Studie &s,
                              const std::vector<Sitzung> &sitzungen) const
{
    const Vergleichseinstellungen &v = s.einstellungen();
    satz.absatz(QStringLiteral("%1 Klienten mit mindestens zwei Ratern, %2 Verlaufsdateien, %3 "
                               "Rater-Paare. Scheiben zu %4 s, Toleranz %5 s, Versatz %6.")
                    .arg(s.klienten().size())
                    .arg(s.dateien())
                    .arg(s.paare().size())
                    .arg(sekundenText(v.schritt), sekundenText(v.toleranz),
                         v.versatzAutomatisch
                             ? QStringLiteral("je Rater gegen den ersten Rater des Klienten "
                                              "gesucht im Bereich ±%1 s")
                                   .arg(sekundenText(v.suchbereich))
                             : versatzText(v.versatz)));

    satz.ueberschrift(QStringLiteral("Kennwerte, gepoolt über alle Paare"), 2);
    kennwerte(satz, s.gepoolt(), VergleichsBericht::sitzungsMethode(v, int(s.klienten().size())),
              true);
    satz.ueberschrift(QStringLiteral("Alle Rater eines Klienten (zeitbasiert)"), 2);
    satz.tabelle(Studientabellen::mehrrater(s), {0.12, 0.26, 0.12, 0.25, 0.25},
                 Studientabellen::mehrraterRechts());
    satz.absatz(QStringLiteral("Intervalle je Klient: Bootstrap über Blöcke von Sinneinheiten des "
                               "ersten Raters; über alle Klienten: Bootstrap über ganze "
                               "Sitzungen. „*“: Intervall wenig aussagekräftig (zu wenige "
                               "Einheiten oder Sitzungen)."),
                7.5);
    satz.ueberschrift(QStringLiteral("Größen je Sitzung"), 2);
    satz.tabelle(Studientabellen::groessen(s), {0.3, 0.14, 0.3, 0.26},
                 Studientabellen::groessenRechts());
    satz.absatz(QStringLiteral("ICC(A,1) über die ersten %1 Rater jeder Sitzung (nach Namen); "
                               "Intervall aus dem Bootstrap über Sitzungen.")
                    .arg(s.groessen().rater()),
                7.5);
    if (s.groessen().rater() >= 2) {
        const BlandAltman ba(s.groessen());
        satz.bild([&](QPainter &p) { ba.zeichnen(p); }, ba.groesse());
    }

    satz.ueberschrift(QStringLiteral("Kreuztabellen, gepoolt"), 2);
    raster(satz, s.gepoolt());
    satz.ueberschrift(QStringLiteral("Je Kategorie, gepoolt"), 2);
    jeKategorie(satz, s.gepoolt());
    methode(satz, Methodentext::methode(s), Methodentext::ergebnis(s));
    satz.ueberschrift(QStringLiteral("Quellen"), 2);
    satz.absatz(Methodentext::quellen(), 8);

    satz.ueberschrift(QStringLiteral("Je Paar"), 2);
    satz.tabelle(Studientabellen::paare(s),
                 {0.08, 0.065, 0.065, 0.085, 0.085, 0.19, 0.055, 0.055, 0.055, 0.055, 0.12, 0.09},
                 Studientabellen::paareRechts());
    satz.absatz(QStringLiteral("„!“: Versatz am Rand des Suchbereichs."), 7.5);

    // Every client's raters over one axis; the first carries the legend for all.
    satz.neueSeite();
    satz.ueberschrift(QStringLiteral("Zeitleisten je Klient"), 2);
    for (const Studie::Klient &k : s.klienten()) {
        std::vector<Sitzung> raterSitzungen;
        QStringList namen;
        for (const Studie::Rater &r : k.rater) {
            raterSitzungen.push_back(sitzungen[size_t(r.sitzung)].verschoben(r.versatz));
            namen << (r.versatz != 0 ? QStringLiteral("%1 (%2)").arg(r.name, versatzText(r.versatz))
                                     : r.name);
        }
        Zeitleistenoptionen je = optionen_;
        je.titel = QStringLiteral("Klient ") + k.name;
        je.namen = namen;
        je.legende = &k == &s.klienten().front();
        zeitleisteInZeilen(satz, raterSitzungen, je);
    }
}
