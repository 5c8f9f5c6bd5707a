#ifndef METHODENTEXT_H
#define METHODENTEXT_H

#include <QString>

class Studie;
class Uebereinstimmung;

// Paragraphs to paste into a paper, in German, with every setting and count filled in: how
// the agreement was determined (methods) and what came out (results).
class Methodentext
{
public:
    static QString methode(const Uebereinstimmung &u);
    static QString ergebnis(const Uebereinstimmung &u);
    static QString methode(const Studie &s);
    static QString ergebnis(const Studie &s);
    // The sources of the formulas the paragraphs cite, one per line.
    static QString quellen();
};

#endif
