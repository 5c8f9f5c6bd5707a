#include "skriptrueckfrage.h"

#include <utility>

SkriptRueckfrage::SkriptRueckfrage(QList<int> antworten, std::function<void(int)> vorher)
    : antworten_(std::move(antworten)), vorher_(std::move(vorher)), alt_(einsetzen(this))
{
}

SkriptRueckfrage::~SkriptRueckfrage()
{
    einsetzen(alt_);
}

int SkriptRueckfrage::fragen(Art art, QObject *eltern, const QString &titel, const QString &text)
{
    eltern_ = eltern;
    if (art != Art::Wiederholen) {
        meldungen_.append({art, titel + QLatin1Char('|') + text});
        const bool frage = art == Art::Wiederherstellen || art == Art::WiederherstellenAelter;
        return frage ? wiederherstellen : Ja;
    }
    titel_.append(titel);
    texte_.append(text);
    if (vorher_)
        vorher_(int(texte_.size()));
    return antworten_.isEmpty() ? Aufgeben : antworten_.takeFirst();
}

QStringList SkriptRueckfrage::meldungen(Art art) const
{
    QStringList liste;
    for (const auto &[a, meldung] : meldungen_) {
        if (a == art)
            liste << meldung;
    }
    return liste;
}

QString erwarteterPromptText(const QString &verb, const QString &dateiName, const QString &grund)
{
    return QStringLiteral("Konnte die Daten nicht %1.\n\n%2\n(Rating Verlauf - Datei nicht zu %3)"
                          "\n\nNoch mal versuchen?")
        .arg(verb, dateiName, grund);
}
