#include "palette.h"

#include "einschaetzung.h"

QColor kategorieFarbe(int kategorie)
{
    switch (kategorie) {
    case TL:
        return QColor(0, 30, 92);
    case TNL:
        return QColor(140, 36, 0);
    case TU:
        return QColor(110, 105, 110);
    case KL:
        return QColor(82, 146, 196);
    case KNL:
        return QColor(228, 166, 24);
    case KU:
        return QColor(210, 210, 210);
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
