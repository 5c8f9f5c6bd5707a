#ifndef ZEITLEISTE_H
#define ZEITLEISTE_H

#include "sitzung.h"
#include "zeitleistenoptionen.h"

#include <QSizeF>
#include <QString>

#include <utility>
#include <vector>

class QPainter;

// Timeline picture: one band per session over a common mm:ss axis, each unit in its
// category's colour, with a legend; for two sessions a third band marks where they
// differ. Drawn in its own units, 1100 wide, and declared 17 cm wide in the files, the
// width of a printed page's text.
class Zeitleiste
{
public:
    // versatzB: the shift already applied to the second session, shown in its label.
    explicit Zeitleiste(std::vector<Sitzung> sitzungen, qint64 versatzB = 0,
                        const Zeitleistenoptionen &optionen = {});

    static constexpr double Breite = 1100;
    static constexpr double BreiteMillimeter = 170;

    QSizeF groesse() const;
    void zeichnen(QPainter &p) const;
    // PNG (300 dpi) or SVG by the file's suffix, written atomically; false with fehler set.
    bool speichern(const QString &datei, QString &fehler) const;

    // Written atomically in one checked piece; false with fehler set.
    static bool schreiben(const QString &datei, const QByteArray &inhalt, QString &fehler);

private:
    struct Masse;
    Masse masse() const;
    int baender() const;
    QString beschriftung(size_t index) const;
    void titelZeichnen(QPainter &p) const;
    void bandZeichnen(QPainter &p, const Masse &m, size_t index) const;
    void abweichungZeichnen(QPainter &p, const Masse &m) const;
    void achseZeichnen(QPainter &p, const Masse &m) const;
    void legendeZeichnen(QPainter &p, const Masse &m) const;

    std::vector<Sitzung> sitzungen_;
    qint64 versatzB_ = 0;
    Zeitleistenoptionen optionen_;
    QStringList namen_;
    qint64 von_ = 0;
    qint64 bis_ = 0;
};

#endif
