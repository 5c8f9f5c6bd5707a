#include "palette.h"

#include "einschaetzung.h"

QColor kategorieFarbe(int kategorie)
{
    switch (kategorie) {
    case TL:
        return QColor(0, 40, 105);
    case TNL:
        return QColor(160, 48, 0);
    case TU:
        return QColor(118, 112, 118);
    case KL:
        return QColor(95, 160, 210);
    case KNL:
        return QColor(240, 180, 40);
    case KU:
        return QColor(218, 218, 218);
    case NIX:
        return QColor(245, 245, 245);
    default:
        return QColor(Qt::white);
    }
}

double helligkeit(const QColor &farbe)
{
    return 0.2126 * farbe.red() + 0.7152 * farbe.green() + 0.0722 * farbe.blue();
}
