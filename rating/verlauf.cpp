#include "verlauf.h"

#include "formatierung.h"
#include "latin1text.h"
#include "zeichenleser.h"

#include <QDebug>
#include <QTextStream>

#include <charconv>
#include <iterator>

Verlauf::Verlauf()
{
    eintraege_.emplace(Zeitpunkt(0, 0, 0), 0);
}

void Verlauf::eintragen(const Zeitpunkt &t, int einschaetzung)
{
    eintraege_.emplace(t, einschaetzung);
}

void Verlauf::entfernen(const Zeitpunkt &t)
{
    eintraege_.erase(t);
}

void Verlauf::korrigieren(const Zeitpunkt &t, int einschaetzung)
{
    entfernen(t);
    eintragen(t, einschaetzung);
}

Zeitpunkt Verlauf::letzterZeitpunkt() const
{
    if (eintraege_.empty())
        return Zeitpunkt();
    return eintraege_.rbegin()->first;
}

EintragInfo Verlauf::eintragInfo(const Zeitpunkt &t) const
{
    EintragInfo info;
    const auto gefunden = eintraege_.find(t);
    if (gefunden != eintraege_.end())
        info.einschaetzung = gefunden->second;

    // Without a match the last entry stands in for the one before.
    auto davor = eintraege_.end();
    if (gefunden == eintraege_.end()) {
        if (!eintraege_.empty())
            davor = std::prev(eintraege_.end());
    } else if (gefunden != eintraege_.begin()) {
        davor = std::prev(gefunden);
    }
    if (davor != eintraege_.end())
        info.vorherigeEinschaetzung = davor->second;

    if (info.einschaetzung != -1 && info.vorherigeEinschaetzung != -1)
        info.dauer = (gefunden->first - davor->first).inSekunden();
    return info;
}

int Verlauf::size() const
{
    return int(eintraege_.size());
}

void Verlauf::clear()
{
    eintraege_.clear();
}

namespace {

// printf's %g with precision 6, but always with a decimal point whatever the C locale.
void gAnhaengen(QString &ziel, double wert)
{
    char puffer[32];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 6);
    ziel += QLatin1String(puffer, int(ergebnis.ptr - puffer));
}

const QChar tab = QLatin1Char('\t');
const QChar lf = QLatin1Char('\n');

} // namespace

bool Verlauf::einlesen(QTextStream &stream, Lesestopp *stopp)
{
    clear();
    if (stopp)
        *stopp = Lesestopp();
    ZeichenLeser leser(stream);
    int zeile = 1;
    // Nothing is missing when the rejected line's entry was taken and only white space
    // follows (a last line without LF, an empty line at the end).
    const auto abbrechen = [&](const char *meldung, bool bisHierVollstaendig) {
        qDebug("%s", meldung);
        if (stopp)
            *stopp = {zeile, !(bisHierVollstaendig && leser.nurNochLeerraum())};
        return false;
    };

    while (!leser.amEnde()) {
        const int vorDemWort = leser.zeile();
        const QString wort = leser.wort();
        zeile = wort.isEmpty() ? vorDemWort : leser.zeile();
        Zeitpunkt t;
        if (!t.ausWort(wort.toLatin1()))
            return abbrechen("Fehler beim Einlesen des Zeitpunktes", wort.isEmpty());
        const QChar nachZeit = leser.zeichen();
        if (nachZeit == lf)
            continue;
        if (nachZeit != tab)
            return abbrechen("Quatsch beim Einlesen", false);
        bool ok = false;
        const int einschaetzung = leser.wort().toInt(&ok, 10);
        if (!ok)
            return abbrechen("Fehler beim Umwandeln der Einschaetzung", false);
        eintragen(t, einschaetzung);

        // Fields 3 to 6 with their separators, then fields 7 to 9 if the line goes on.
        for (int i = 0; i < 4; ++i) {
            leser.zeichen();
            leser.wort();
        }
        QChar letztes = leser.zeichen();
        if (letztes != lf) {
            for (int i = 0; i < 3; ++i) {
                leser.wort();
                letztes = leser.zeichen();
            }
        }
        if (letztes != lf)
            return abbrechen("Rest der Zeile war nicht OK", true);
    }
    return true;
}

bool Verlauf::ausgeben(QTextStream &stream, const QString &namensteil1,
                       const QString &namensteil2) const
{
    const QString name1 = latin1Tauglich(namensteil1);
    const QString name2 = latin1Tauglich(namensteil2);
    // One string per line: much cheaper than a stream operation per field.
    QString zeile;
    Zeitpunkt vorher;
    int vorherigeEinschaetzung = 0;
    for (const auto &[t, einschaetzung] : eintraege_) {
        const Zeitpunkt::Anzeige a = t.anzeige();
        zeile.clear();
        zeile += t.toString();
        zeile += tab;
        mitNullenAnhaengen(zeile, einschaetzung, 0);
        zeile += tab;
        mitNullenAnhaengen(zeile, vorherigeEinschaetzung, 0);
        zeile += tab;
        gAnhaengen(zeile, (t - vorher).inSekunden());
        zeile += tab;
        zeile += name1;
        zeile += tab;
        zeile += name2;
        zeile += tab;
        mitNullenAnhaengen(zeile, a.minuten, 0);
        zeile += tab;
        mitNullenAnhaengen(zeile, a.sekunden, 0);
        zeile += tab;
        mitNullenAnhaengen(zeile, a.millisekunden, 0);
        zeile += lf;
        stream << zeile;
        vorher = t;
        vorherigeEinschaetzung = einschaetzung;
    }
    return true;
}
