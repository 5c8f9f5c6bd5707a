#include "zaehlwerk.h"

#include "formatierung.h"

#include <algorithm>
#include <cmath>

Zaehlwerk::Zaehlwerk(QObject *parent) : QObject(parent), uhr(std::make_unique<ZaehlwerkUhr>()) {}

void Zaehlwerk::uhrEinsetzen(std::unique_ptr<ZaehlwerkUhr> neu)
{
    if (neu)
        uhr = std::move(neu);
}

void Zaehlwerk::starten(int minuten, int sekunden)
{
    startMs = (qint64(minuten) * 60 + sekunden) * 1000;
    nullpunkt = countdownOffen ? countdownNullpunkt() : jetzt();
    countdownOffen = false;
    laufend = true;
    grenzeMs.reset();
    emit standGeaendert();
}

void Zaehlwerk::anhalten()
{
    startMs = ganzeSekunden(jetzt()) * 1000;
    laufend = false;
    grenzeMs.reset();
    emit standGeaendert();
}

void Zaehlwerk::setzen(qint64 positionMs, qint64 t, bool laufend)
{
    startMs = std::max<qint64>(positionMs, 0);
    nullpunkt = t;
    this->laufend = laufend;
    emit standGeaendert();
}

void Zaehlwerk::begrenzen(std::optional<qint64> bisMs)
{
    grenzeMs = bisMs;
}

bool Zaehlwerk::begrenzt(qint64 t) const
{
    return laufend && grenzeMs && startMs + std::max<qint64>(t - nullpunkt, 0) >= *grenzeMs;
}

std::optional<qint64> Zaehlwerk::grenzeErreichtUm() const
{
    if (!laufend || !grenzeMs)
        return std::nullopt;
    return nullpunkt + std::max<qint64>(*grenzeMs - startMs, 0);
}

// Before the zero instant (a start set ahead) the position stands at the start; it never
// passes its limit.
qint64 Zaehlwerk::vergangen(qint64 t) const
{
    if (!laufend)
        return 0;
    const qint64 frei = std::max<qint64>(t - nullpunkt, 0);
    return grenzeMs ? std::clamp<qint64>(*grenzeMs - startMs, 0, frei) : frei;
}

qint64 Zaehlwerk::standMs(qint64 t) const
{
    return startMs + vergangen(t);
}

// Whole seconds plus the milliseconds scaled by 0.001, so that a start at whole seconds
// gives exactly the sum the time points have always been made of.
double Zaehlwerk::stand(qint64 t) const
{
    return double(startMs / 1000) + double(startMs % 1000 + vergangen(t)) * 0.001;
}

Zeitpunkt Zaehlwerk::zeitpunkt(qint64 t) const
{
    return zeitpunktAus(stand(t));
}

Zeitpunkt Zaehlwerk::zeitpunktAus(double x)
{
    return Zeitpunkt(minutenAnteil(x), sekundenAnteil(x));
}

Zeitpunkt Zaehlwerk::zeitpunktAusMs(qint64 ms)
{
    return zeitpunktAus(double(ms / 1000) + double(ms % 1000) * 0.001);
}

qint64 Zaehlwerk::naechsteGanzeSekunde(qint64 t) const
{
    const qint64 ab = std::max(t, nullpunkt);
    return ab + (1000 - standMs(ab) % 1000);
}

int Zaehlwerk::minutenAnteil(double x)
{
    return int(x * 0.016666666666666666);
}

double Zaehlwerk::sekundenAnteil(double x)
{
    return std::fmod(std::trunc(x), 60.0) + nachkommaAnteil(x);
}

qint64 Zaehlwerk::countdownStarten()
{
    countdownBeginn = jetzt();
    countdownOffen = true;
    return countdownBeginn;
}

namespace {

qint64 schritteBis(qint64 beginn, qint64 t)
{
    return std::max<qint64>(t - beginn, 0) / Zaehlwerk::countdownSchrittMs;
}

} // namespace

int Zaehlwerk::countdownStand(qint64 t) const
{
    return countdownAnfang -
           int(std::min<qint64>(schritteBis(countdownBeginn, t), countdownAnfang));
}

qint64 Zaehlwerk::naechsterCountdownSchritt(qint64 t) const
{
    const qint64 schritt =
        std::min(schritteBis(countdownBeginn, t) + 1, qint64(countdownAnfang + 1));
    return countdownBeginn + schritt * countdownSchrittMs;
}
