#ifndef SEITENSATZ_H
#define SEITENSATZ_H

#include <QFont>
#include <QList>
#include <QSizeF>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class Kreuztabelle;
class QPagedPaintDevice;
class QPainter;

// Sets a report on A4 pages from top to bottom: headings, wrapped paragraphs, tables,
// shaded grids and pictures, each on a new page where it does not fit on the current one.
// Works in millimetres on a painter whose device is the page (margins are its own).
class Seitensatz
{
public:
    Seitensatz(QPagedPaintDevice &geraet, QPainter &p, const QString &fusszeile);

    static constexpr double Breite = 170; // text width in mm
    static QFont schrift(double punkt, bool fett = false);

    // Stufe 1: the report's title, 2: a section. A section's heading is set together with
    // the start of what follows it, so that it never stands alone at the foot of a page.
    void ueberschrift(const QString &text, int stufe);
    void absatz(const QString &text, double punkt = 9);
    // The first row is the head and comes again on a new page; anteile: column widths as
    // shares of the text width. A row of a single cell heads a group of rows (bold, a rule
    // above it).
    void tabelle(const QList<QStringList> &zeilen, const QList<double> &anteile,
                 const QList<bool> &rechts);
    // Tables side by side, each cell shaded by its share of the row and holding its count.
    void raster(const std::vector<std::pair<QString, const Kreuztabelle *>> &tabellen,
                const QString &legende);
    // A drawing of the given size in its own units, scaled to the text width.
    void bild(const std::function<void(QPainter &)> &zeichnen, const QSizeF &groesse);
    void neueSeite();

private:
    double einheit() const; // device units per mm
    bool passt(double hoeheMm) const;
    void platzSchaffen(double hoeheMm);
    // Room for the pending heading and the first hoeheMm of what follows, then the heading.
    void anfangen(double hoeheMm);
    void fusszeileZeichnen();
    double texthoehe(const QString &text, const QFont &f, double breiteMm) const;
    void text(double xMm, double yMm, double breiteMm, double hoeheMm, const QString &text,
              const QFont &f, int ausrichtung);

    QPagedPaintDevice &geraet_;
    QPainter &p_;
    QString fusszeile_;
    double y_ = 0;  // mm from the top of the page
    QString offen_; // a section heading waiting for its content
    int seite_ = 1;
};

#endif
