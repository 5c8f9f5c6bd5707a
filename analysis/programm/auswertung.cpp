#include "auswertung.h"

#include "angleichung.h"
#include "atomaredatei.h"
#include "ausgabeformat.h"
#include "befehlszeile.h"
#include "blandaltman.h"
#include "eafdokument.h"
#include "pdfbericht.h"
#include "raterabschnitte.h"
#include "raterspuren.h"
#include "sequenzenbericht.h"
#include "sichtbar.h"
#include "studie.h"
#include "studienaufbau.h"
#include "studienbericht.h"
#include "studiendateien.h"
#include "uebereinstimmung.h"
#include "uebereinstimmungbericht.h"
#include "uebergaenge.h"
#include "untertitel.h"
#include "verlaufleser.h"
#include "zeitleiste.h"
#include "zusammenfassungbericht.h"

#include <QTextStream>

#include <algorithm>
#include <memory>

namespace {

const QString programm = QStringLiteral("morvanto-auswertung");

} // namespace

Auswertung::Auswertung(QTextStream &aus, QTextStream &fehler) : aus_(aus), fehler_(fehler) {}

void Auswertung::grafikVorbereiten(std::function<void()> vorbereiten)
{
    grafik_ = std::move(vorbereiten);
}

int Auswertung::ausfuehren(const QStringList &argumente)
{
    Befehlszeile b;
    if (!b.lesen(argumente)) {
        fehler_ << programm << ": " << sichtbar(b.fehler()) << '\n'
                << "Hilfe: " << programm << " --help\n";
        fehler_.flush();
        return Aufruffehler;
    }
    // A CSV table keeps its point for the programs that read it.
    dezimalkommaSetzen(b.dezimalkomma() && !b.csv());
    int ergebnis = Erfolg;
    if (b.hilfe()) {
        aus_ << Befehlszeile::hilfetext();
    } else if (b.ausgabe().isEmpty() || b.malt()) {
        ergebnis = befehl(b, aus_);
    } else {
        QString puffer;
        QTextStream ziel(&puffer);
        ergebnis = befehl(b, ziel);
        ziel.flush();
        if (ergebnis == Erfolg)
            ergebnis = ausgabeSchreiben(b.ausgabe(), puffer);
    }
    aus_.flush();
    // A full disk or a closed pipe behind standard output is a failure too.
    if (aus_.status() != QTextStream::Ok && ergebnis == Erfolg)
        ergebnis = scheitern(Dateifehler, QStringLiteral("die Standardausgabe kann nicht "
                                                         "geschrieben werden"));
    fehler_.flush();
    return ergebnis;
}

int Auswertung::befehl(const Befehlszeile &b, QTextStream &ziel)
{
    QStringList dateien;
    if (!dateienSammeln(b, dateien))
        return Aufruffehler;
    std::vector<Sitzung> sitzungen;
    if (!lesen(dateien, sitzungen))
        return Dateifehler;
    const QString &befehl = b.befehl();
    if (befehl == QLatin1String("zusammenfassung"))
        return zusammenfassung(b, sitzungen, ziel);
    if (befehl == QLatin1String("sequenzen"))
        return sequenzen(b, sitzungen, ziel);
    if (!scheibenMachbar(b, sitzungen))
        return Aufruffehler;
    if (befehl == QLatin1String("uebereinstimmung"))
        return uebereinstimmung(b, sitzungen, ziel);
    if (befehl == QLatin1String("studie"))
        return studie(b, sitzungen, ziel);
    if (befehl == QLatin1String("bericht"))
        return bericht(b, sitzungen);
    if (befehl == QLatin1String("untertitel") || befehl == QLatin1String("eaf"))
        return exportieren(b, std::move(sitzungen), ziel);
    if (befehl == QLatin1String("bland-altman"))
        return blandAltman(b, sitzungen);
    return zeitleiste(b, std::move(sitzungen));
}

bool Auswertung::dateienSammeln(const Befehlszeile &b, QStringList &dateien)
{
    if (!b.studienbericht()) {
        dateien = b.dateien();
        return true;
    }
    Studiendateien s;
    const bool ok = s.sammeln(b.dateien());
    for (const QString &w : s.warnungen())
        warnen(w);
    if (!ok)
        scheitern(Aufruffehler, s.fehler());
    dateien = s.dateien();
    return ok;
}

bool Auswertung::lesen(const QStringList &dateien, std::vector<Sitzung> &sitzungen)
{
    // Every damaged file is named at once, so a study folder is mended in one round.
    int defekt = 0;
    sitzungen.reserve(size_t(dateien.size()));
    for (const QString &datei : dateien) {
        VerlaufLeser leser;
        if (leser.lesen(datei)) {
            sitzungen.push_back(leser.sitzung());
            for (const QString &h : leser.hinweise())
                fehler_ << programm << ": Hinweis: " << h << '\n';
        } else {
            fehler_ << programm << ": " << leser.fehler() << '\n';
            ++defekt;
        }
    }
    if (defekt > 0) {
        fehler_ << programm << ": keine Auswertung, " << defekt << " von " << dateien.size()
                << (dateien.size() == 1 ? " Datei" : " Dateien") << (defekt == 1 ? " ist" : " sind")
                << " unlesbar oder beschädigt\n";
        fehler_.flush();
    }
    return defekt == 0;
}

bool Auswertung::scheibenMachbar(const Befehlszeile &b, const std::vector<Sitzung> &s)
{
    // One label per slice and rater is held in memory; a tiny step on a long (or
    // absurdly timed) file would exhaust it, and a wide search on a fine grid would take
    // hours.
    constexpr qint64 hoechstens = 50000000;
    constexpr double suchschritteHoechstens = 5e9;
    const Vergleichseinstellungen &v = b.vergleich();
    const qint64 ende = Sitzung::spaetestesEnde(s);
    const qint64 scheiben = ende / v.schritt;
    if (scheiben > hoechstens) {
        scheitern(Aufruffehler, QStringLiteral("%1 Zeitscheiben sind zu viele (höchstens %2); "
                                               "bitte --schritt größer wählen")
                                    .arg(scheiben)
                                    .arg(hoechstens));
        return false;
    }
    const double kandidaten = 2.0 * double(v.suchbereich / v.schritt) + 1;
    if (v.versatzAutomatisch && kandidaten * double(scheiben) > suchschritteHoechstens) {
        scheitern(Aufruffehler, QStringLiteral("die Versatzsuche wäre zu aufwendig (%1 Versätze "
                                               "mal %2 Scheiben); bitte --suchbereich kleiner "
                                               "oder --schritt größer wählen")
                                    .arg(qint64(kandidaten))
                                    .arg(scheiben));
        return false;
    }
    return true;
}

int Auswertung::zusammenfassung(const Befehlszeile &b, const std::vector<Sitzung> &s,
                                QTextStream &ziel)
{
    if (b.csv())
        ZusammenfassungBericht::csv(ziel, s);
    else
        ZusammenfassungBericht::text(ziel, s);
    return Erfolg;
}

int Auswertung::keineGemeinsameZeit(const Befehlszeile &b, const Sitzung &a, const Sitzung &bs)
{
    const Vergleichseinstellungen &v = b.vergleich();
    // Without the shift the files would overlap: the call, not the data, is at fault.
    if (!v.versatzAutomatisch && v.versatz != 0 && Zeitscheiben(a, bs, v.schritt).anzahl() > 0)
        return scheitern(
            Aufruffehler,
            QStringLiteral("nach dem Versatz von %1 (--versatz) haben %2 und %3 "
                           "keine gemeinsam bewertete Zeit mehr")
                .arg(versatzText(v.versatz), sichtbar(a.datei()), sichtbar(bs.datei())));
    return scheitern(Dateifehler, QStringLiteral("%1 und %2 haben keine gemeinsam bewertete Zeit "
                                                 "von mindestens einer Scheibe")
                                      .arg(sichtbar(a.datei()), sichtbar(bs.datei())));
}

std::unique_ptr<Uebereinstimmung>
Auswertung::paarVergleichen(const Befehlszeile &b, const std::vector<Sitzung> &s, int &rueckgabe)
{
    for (const QString &w :
         {Studienaufbau::klientenWarnung(s[0], s[1]), Studienaufbau::dauerWarnung(s[0], s[1])}) {
        if (!w.isEmpty())
            warnen(w);
    }
    auto u = std::make_unique<Uebereinstimmung>(s[0], s[1], b.vergleich());
    if (u->zeit().anzahl() == 0) {
        rueckgabe = keineGemeinsameZeit(b, s[0], s[1]);
        return nullptr;
    }
    if (u->versatzAmRand())
        warnen(UebereinstimmungBericht::randWarnung(b.vergleich()));
    return u;
}

std::unique_ptr<Studie> Auswertung::studieAufbauen(const Befehlszeile &b,
                                                   const std::vector<Sitzung> &s, int &rueckgabe)
{
    Studienaufbau aufbau;
    const bool ok = aufbau.aufbauen(s);
    for (const QString &w : aufbau.warnungen())
        warnen(w);
    if (!ok) {
        rueckgabe = scheitern(Aufruffehler, aufbau.fehler());
        return nullptr;
    }
    if (aufbau.gruppen().empty()) {
        rueckgabe = scheitern(Aufruffehler,
                              QStringLiteral("kein Klient mit zwei oder mehr Ratern; gepaart wird "
                                             "über die Dateinamen <Klient>_<Rater>_Verlauf.dat"));
        return nullptr;
    }
    auto studie = std::make_unique<Studie>(s, aufbau.gruppen(), b.vergleich());
    for (const QString &w : studie->warnungen())
        warnen(w);
    return studie;
}

int Auswertung::uebereinstimmung(const Befehlszeile &b, const std::vector<Sitzung> &s,
                                 QTextStream &ziel)
{
    int rueckgabe = Erfolg;
    const std::unique_ptr<Uebereinstimmung> u = paarVergleichen(b, s, rueckgabe);
    if (!u)
        return rueckgabe;
    if (b.csv())
        UebereinstimmungBericht::csv(ziel, *u);
    else
        UebereinstimmungBericht::text(ziel, *u);
    return Erfolg;
}

int Auswertung::studie(const Befehlszeile &b, const std::vector<Sitzung> &s, QTextStream &ziel)
{
    int rueckgabe = Erfolg;
    const std::unique_ptr<Studie> studie = studieAufbauen(b, s, rueckgabe);
    if (!studie)
        return rueckgabe;
    if (b.csv())
        StudienBericht::csv(ziel, *studie);
    else
        StudienBericht::text(ziel, *studie);
    return Erfolg;
}

int Auswertung::sequenzen(const Befehlszeile &b, const std::vector<Sitzung> &s, QTextStream &ziel)
{
    Uebergaenge u;
    for (const Sitzung &sitzung : s)
        u.hinzufuegen(sitzung);
    if (b.csv())
        SequenzenBericht::csv(ziel, u);
    else
        SequenzenBericht::text(ziel, u, int(s.size()));
    return Erfolg;
}

int Auswertung::zeitleiste(const Befehlszeile &b, std::vector<Sitzung> s)
{
    const qint64 versatz = s.size() == 2 ? angleichen(b, s).versaetze()[1] : 0;
    const qint64 ende = Sitzung::spaetestesEnde(s);
    if (b.zeitleiste().von >= ende && b.zeitleiste().von > 0)
        warnen(QStringLiteral("--von %1 liegt hinter dem Ende aller Dateien (%2); die Bänder "
                              "bleiben leer")
                   .arg(zeitText(b.zeitleiste().von), zeitText(ende)));
    if (grafik_)
        grafik_();
    QString fehler;
    if (!Zeitleiste(std::move(s), versatz, b.zeitleiste()).speichern(b.ausgabe(), fehler))
        return scheitern(Dateifehler, fehler);
    return Erfolg;
}

int Auswertung::bericht(const Befehlszeile &b, const std::vector<Sitzung> &s)
{
    int rueckgabe = Erfolg;
    std::unique_ptr<Uebereinstimmung> paar;
    std::unique_ptr<Studie> studie;
    if (b.studienbericht())
        studie = studieAufbauen(b, s, rueckgabe);
    else
        paar = paarVergleichen(b, s, rueckgabe);
    if (!paar && !studie)
        return rueckgabe;
    if (grafik_)
        grafik_();
    QString fehler;
    const PdfBericht pdf(b.zeitleiste());
    const bool ok = paar ? pdf.paarSchreiben(b.ausgabe(), *paar, fehler)
                         : pdf.studieSchreiben(b.ausgabe(), *studie, s, fehler);
    return ok ? Erfolg : scheitern(Dateifehler, fehler);
}

Angleichung Auswertung::angleichen(const Befehlszeile &b, std::vector<Sitzung> &s)
{
    Angleichung a(s, b.vergleich());
    if (a.amRand())
        warnen(UebereinstimmungBericht::randWarnung(b.vergleich()));
    return a;
}

int Auswertung::exportieren(const Befehlszeile &b, std::vector<Sitzung> s, QTextStream &ziel)
{
    const Raterspuren spuren(std::move(s), b.vergleich(), b.zeitleiste().namen);
    for (const QString &w : spuren.warnungen())
        warnen(w);
    Untertitel::Format format;
    if (Untertitel::formatErkennen(b.ausgabe(), format)) {
        ziel << Untertitel(Raterabschnitte(spuren.sitzungen()), spuren.namen()).text(format);
        return Erfolg;
    }
    EafDokument eaf(spuren.sitzungen(), spuren.namen());
    if (!b.video().isEmpty())
        eaf.videoVerknuepfen(b.video(), b.ausgabe());
    ziel << eaf.text();
    return Erfolg;
}

int Auswertung::blandAltman(const Befehlszeile &b, const std::vector<Sitzung> &s)
{
    int rueckgabe = Erfolg;
    const std::unique_ptr<Studie> studie = studieAufbauen(b, s, rueckgabe);
    if (!studie)
        return rueckgabe;
    if (grafik_)
        grafik_();
    QString fehler;
    if (!BlandAltman(studie->groessen(), b.zeitleiste().titel).speichern(b.ausgabe(), fehler))
        return scheitern(Dateifehler, fehler);
    return Erfolg;
}

int Auswertung::ausgabeSchreiben(const QString &pfad, const QString &text)
{
    QString grund;
    if (AtomareDatei::schreibenAtomar(pfad, text.toUtf8(), &grund))
        return Erfolg;
    return scheitern(
        Dateifehler,
        QStringLiteral("%1 kann nicht geschrieben werden (%2)").arg(sichtbar(pfad), grund));
}

void Auswertung::warnen(const QString &warnung)
{
    fehler_ << programm << ": Warnung: " << warnung << '\n';
}

int Auswertung::scheitern(int rueckgabe, const QString &meldung)
{
    fehler_ << programm << ": " << meldung << '\n';
    return rueckgabe;
}
