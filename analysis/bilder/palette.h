#ifndef PALETTE_H
#define PALETTE_H

#include <QColor>

// Colours of the seven codes, for screen and print alike: blue for solution-focused and
// orange for not solution-focused talk (apart for colour-blind readers), the therapist's
// codes dark and the client's light, and every code at its own step of brightness, so
// that a grey print keeps all seven apart: at least 12 units of CIE lightness L* between
// any two, enough for an office laser printer.
QColor kategorieFarbe(int kategorie);

// Brightness as a grey print renders it (Rec. 709 luma of the sRGB values, 0 to 255).
double helligkeit(const QColor &farbe);

#endif
