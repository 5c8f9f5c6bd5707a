#ifndef ZEITLEISTE_H
#define ZEITLEISTE_H

#include "sitzung.h"

#include <QSize>
#include <QString>

#include <utility>
#include <vector>

class QPainter;

// Timeline picture: one band per session over a common mm:ss axis, each unit in its
// category's colour, with a legend; for two sessions a third band marks where they
// differ. Colours stay apart for colour-blind readers and in grey print.
class Zeitleiste
{
public:
    // versatzB: the shift already applied to the second session, shown in its label.
    explicit Zeitleiste(std::vector<Sitzung> sitzungen, qint64 versatzB = 0);

    QSize groesse() const;
    void zeichnen(QPainter &p) const;
    // PNG or SVG by the file's suffix, written atomically; false with fehler set.
    bool speichern(const QString &datei, QString &fehler) const;

    // Stretches of the shared span where the two sessions' categories differ.
    static std::vector<std::pair<qint64, qint64>> abweichungen(const Sitzung &a, const Sitzung &b);

private:
    struct Masse;
    Masse masse() const;
    int baender() const;
    QString beschriftung(size_t index) const;
    void bandZeichnen(QPainter &p, const Masse &m, size_t index) const;
    void abweichungZeichnen(QPainter &p, const Masse &m) const;
    void achseZeichnen(QPainter &p, const Masse &m) const;
    void legendeZeichnen(QPainter &p, const Masse &m) const;
    bool pngSpeichern(const QString &datei, QString &fehler) const;
    bool svgSpeichern(const QString &datei, QString &fehler) const;

    std::vector<Sitzung> sitzungen_;
    qint64 versatzB_ = 0;
    qint64 dauer_ = 0;
};

#endif
