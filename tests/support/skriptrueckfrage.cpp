#include "skriptrueckfrage.h"

#include <utility>

SkriptRueckfrage::SkriptRueckfrage(QList<int> antworten, std::function<void(int)> vorher)
    : antworten_(std::move(antworten)), vorher_(std::move(vorher))
{
    alt_ = DatenSpeichern::rueckfrageSetzen([this](const QString &titel, const QString &text) {
        titel_.append(titel);
        texte_.append(text);
        if (vorher_)
            vorher_(int(texte_.size()));
        return antworten_.isEmpty() ? 0 : antworten_.takeFirst();
    });
}

SkriptRueckfrage::~SkriptRueckfrage()
{
    DatenSpeichern::rueckfrageSetzen(std::move(alt_));
}

QString erwarteterPromptText(const QString &verb, const QString &dateiName, const QString &grund)
{
    return QStringLiteral("Konnte die Daten nicht %1.\n\n%2\n(Rating Verlauf - Datei nicht zu %3)"
                          "\n\nNoch mal versuchen?")
        .arg(verb, dateiName, grund);
}
