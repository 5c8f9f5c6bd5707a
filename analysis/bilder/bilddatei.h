#ifndef BILDDATEI_H
#define BILDDATEI_H

#include <QFont>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

// A picture drawn in its own units, 1100 wide, saved for print: PNG at 300 dpi or SVG by
// the file's suffix, declared 17 cm wide, the width of a printed page's text.
class Bilddatei
{
public:
    using Zeichnen = std::function<void(QPainter &)>;

    static constexpr double Breite = 1100;
    static constexpr double BreiteMillimeter = 170;

    // Written atomically; false with fehler set.
    static bool speichern(const QString &datei, const QSizeF &groesse, const QString &titel,
                          const Zeichnen &zeichnen, QString &fehler);
    // Written atomically in one checked piece; false with fehler set.
    static bool schreiben(const QString &datei, const QByteArray &inhalt, QString &fehler);
    // The pictures' typeface; 18 units come out at about 8 pt.
    static QFont schrift(int groesse = 18);

private:
    static bool png(const QString &datei, const QSizeF &groesse, const Zeichnen &zeichnen,
                    QString &fehler);
    static bool svg(const QString &datei, const QSizeF &groesse, const QString &titel,
                    const Zeichnen &zeichnen, QString &fehler);
};

#endif
