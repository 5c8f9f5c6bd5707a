#ifndef SPIELERRUECKMELDUNG_H
#define SPIELERRUECKMELDUNG_H

#include "zeitpunkt.h"

#include <QObject>

class MorvantoDialog;
class SpielerAnzeige;
class VideoKopplung;

// What the window does, told in the coupled player's picture for a rater who works full
// screen. It watches the window's buttons, sliders and journal from outside, connected
// after the window's own slots, so that nothing the window shows or stores changes; a
// rating button's pressed() comes before the group's idPressed(), which lets it see the
// state before and after a press.
class SpielerRueckmeldung : public QObject
{
    Q_OBJECT

public:
    SpielerRueckmeldung(MorvantoDialog &fenster, VideoKopplung &kopplung, QObject *parent);

    // A key from the player that the window left without effect: says why.
    void tasteOhneWirkung(QChar taste);

private:
    void gekoppelt();
    void vorDemDruck();
    void nachDemDruck(int kategorie);
    void korrektur(bool an);
    void lauf(bool an);
    void countdown(bool an);
    void bereichPruefen();
    void journalFehler(const QString &datei, const QString &grund);
    void journalWieder(const QString &datei);
    SpielerAnzeige &anzeige();

    MorvantoDialog &fenster;
    VideoKopplung &kopplung;
    // Before a rating button's press: correction waiting, and the entry it would replace.
    bool korrigierenVorher = false;
    int letzteVorher = 0;
    Zeitpunkt letzterVorher;
    bool bereichsWarnung = false;
};

#endif
