#include "palette.h"

#include "einschaetzung.h"

QColor kategorieFarbe(int kategorie)
{
    switch (kategorie) {
    case TL:
        return QColor(0, 45, 110);
    case TNL:
        return QColor(165, 50, 0);
    case TU:
        return QColor(120, 110, 120);
    case KL:
        return QColor(90, 155, 215);
    case KNL:
        return QColor(240, 170, 40);
    case KU:
        return QColor(208, 208, 208);
    case NIX:
        return QColor(242, 242, 242);
    default:
        return QColor(Qt::white);
    }
}

double helligkeit(const QColor &farbe)
{
    return 0.2126 * farbe.red() + 0.7152 * farbe.green() + 0.0722 * farbe.blue();
}
