#ifndef AUSGABEFORMAT_H
#define AUSGABEFORMAT_H

#include "kennwert.h"
#include "schaetzung.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Number and table formatting for the reports: a decimal point whatever the locale, so
// that text and CSV read the same everywhere; a decimal comma in text and PDF only when
// asked for (German prose), never in a CSV table.
QString dezimal(double x, int stellen);
void dezimalkommaSetzen(bool komma);
bool dezimalkomma();
// What separates two numbers in a list: ", ", or "; " beside decimal commas.
QString zahlentrenner();
QString sekundenText(qint64 mikrosekunden);
// MM:SS.mmm like the console's counter.
QString zeitText(qint64 mikrosekunden);
// Signed seconds, e.g. "+0.800 s".
QString versatzText(qint64 mikrosekunden);
QString kennwertText(const Kennwert &k, int stellen);
// For a table cell: the figure, or "–" when it is undefined.
QString zahlOderStrich(const Kennwert &k, int stellen);
// "0.731 [0.667, 0.788]" for a table cell; the figure alone without an interval; a "*"
// after an interval that carries a caution.
QString wertMitIntervall(const Schaetzung &s, int stellen);
QString prozentText(const Kennwert &k);
// The cautions of the defined intervals among them, each once, for the note under a table
// that marks them with "*".
QStringList hinweise(const std::vector<const Schaetzung *> &schaetzungen);

QString csvFeld(const QString &text);
QString csvZeile(const QStringList &felder);
// Empty cell for an undefined figure: R and spreadsheets read it as missing.
QString csvZahl(const Kennwert &k, int stellen);

// Rows of cells as aligned columns, each line indented; rechts[i]: column i is
// right-aligned (numbers). The first row is the head.
QString spaltenText(const QList<QStringList> &zeilen, const QList<bool> &rechts,
                    const QString &einrueckung);

// "0.895   95 %-KI [0.871, 0.918], SE 0.012", or the reason why there is no figure or
// no interval; a caution in brackets after it.
QString schaetzungText(const Schaetzung &s, int stellen);

// A table with the short codes as row and column heads, each line indented; categories 1 to
// kuerzel.size().
QString matrixText(const std::function<QString(int, int)> &zelle, int breite,
                   const QString &einrueckung, const QStringList &kuerzel);

#endif
