#include "auswertung.h"

#include "befehlszeile.h"
#include "sequenzenbericht.h"
#include "uebereinstimmung.h"
#include "uebereinstimmungbericht.h"
#include "uebergaenge.h"
#include "verlaufleser.h"
#include "versatzsuche.h"
#include "zeitleiste.h"
#include "zusammenfassungbericht.h"

#include <QTextStream>

#include <algorithm>

namespace {

const QString programm = QStringLiteral("morvanto-auswertung");

} // namespace

Auswertung::Auswertung(QTextStream &aus, QTextStream &fehler) : aus_(aus), fehler_(fehler) {}

bool Auswertung::brauchtGrafik(const QStringList &argumente)
{
    return argumente.contains(QStringLiteral("zeitleiste"));
}

int Auswertung::ausfuehren(const QStringList &argumente)
{
    Befehlszeile b;
    if (!b.lesen(argumente)) {
        fehler_ << programm << ": " << b.fehler() << '\n' << "Hilfe: " << programm << " --help\n";
        fehler_.flush();
        return Aufruffehler;
    }
    if (b.hilfe()) {
        aus_ << Befehlszeile::hilfetext();
        aus_.flush();
        return Erfolg;
    }
    std::vector<Sitzung> sitzungen;
    if (!lesen(b.dateien(), sitzungen))
        return Dateifehler;

    int ergebnis = Erfolg;
    if (b.befehl() == QLatin1String("zusammenfassung"))
        ergebnis = zusammenfassung(b, sitzungen);
    else if (b.befehl() == QLatin1String("uebereinstimmung"))
        ergebnis = uebereinstimmung(b, sitzungen);
    else if (b.befehl() == QLatin1String("sequenzen"))
        ergebnis = sequenzen(b, sitzungen);
    else
        ergebnis = zeitleiste(b, std::move(sitzungen));
    aus_.flush();
    fehler_.flush();
    return ergebnis;
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
    // absurdly timed) file would exhaust it.
    constexpr qint64 hoechstens = 50000000;
    qint64 ende = 0;
    for (const Sitzung &sitzung : s)
        ende = std::max(ende, sitzung.ende());
    if (ende / b.vergleich().schritt <= hoechstens)
        return true;
    fehler_ << programm << ": " << ende / b.vergleich().schritt
            << " Zeitscheiben sind zu viele (höchstens " << hoechstens
            << "); bitte --schritt größer wählen\n";
    return false;
}

int Auswertung::zusammenfassung(const Befehlszeile &b, const std::vector<Sitzung> &s)
{
    if (b.csv())
        ZusammenfassungBericht::csv(aus_, s);
    else
        ZusammenfassungBericht::text(aus_, s);
    return Erfolg;
}

int Auswertung::uebereinstimmung(const Befehlszeile &b, const std::vector<Sitzung> &s)
{
    if (!scheibenMachbar(b, s))
        return Aufruffehler;
    const Uebereinstimmung u(s[0], s[1], b.vergleich());
    if (u.zeit().anzahl() == 0) {
        fehler_ << programm << ": " << s[0].datei() << " und " << s[1].datei()
                << " haben keine gemeinsam bewertete Zeit von mindestens einer Scheibe"
                << (b.vergleich().versatz != 0 ? " (nach dem Versatz)" : "") << '\n';
        return Dateifehler;
    }
    if (b.csv())
        UebereinstimmungBericht::csv(aus_, u);
    else
        UebereinstimmungBericht::text(aus_, u);
    return Erfolg;
}

int Auswertung::sequenzen(const Befehlszeile &b, const std::vector<Sitzung> &s)
{
    Uebergaenge u;
    for (const Sitzung &sitzung : s)
        u.hinzufuegen(sitzung);
    if (b.csv())
        SequenzenBericht::csv(aus_, u);
    else
        SequenzenBericht::text(aus_, u, int(s.size()));
    return Erfolg;
}

int Auswertung::zeitleiste(const Befehlszeile &b, std::vector<Sitzung> s)
{
    const Vergleichseinstellungen &v = b.vergleich();
    qint64 versatz = 0;
    if (s.size() == 2 && v.versatzAutomatisch && !scheibenMachbar(b, s))
        return Aufruffehler;
    if (s.size() == 2) {
        versatz = v.versatzAutomatisch
                      ? Versatzsuche(s[0], s[1], v.schritt).besterVersatz(v.suchbereich)
                      : v.versatz;
        s[1] = s[1].verschoben(versatz);
    }
    QString fehler;
    if (!Zeitleiste(std::move(s), versatz).speichern(b.bild(), fehler)) {
        fehler_ << programm << ": " << fehler << '\n';
        return Dateifehler;
    }
    return Erfolg;
}
