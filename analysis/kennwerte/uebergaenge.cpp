#include "uebergaenge.h"

#include "einschaetzung.h"

#include <cmath>

void Uebergaenge::hinzufuegen(const Sitzung &s)
{
    const std::vector<Einheit> &e = s.einheiten();
    for (size_t i = 1; i < e.size(); ++i)
        tabelle_.hinzufuegen(e[i - 1].kategorie, e[i].kategorie);
}

Kennwert Uebergaenge::wahrscheinlichkeit(int von, int nach) const
{
    const qint64 zeile = tabelle_.zeilensumme(von);
    if (zeile == 0)
        return Kennwert::ohne(
            QStringLiteral("kein Übergang aus %1").arg(EinschaetzungKuerzel[von]));
    return Kennwert::mit(double(tabelle_.anzahl(von, nach)) / double(zeile));
}

Kennwert Uebergaenge::erwartet(int von, int nach) const
{
    if (tabelle_.summe() == 0)
        return Kennwert::ohne(QStringLiteral("keine Übergänge"));
    return Kennwert::mit(double(tabelle_.zeilensumme(von)) * double(tabelle_.spaltensumme(nach)) /
                         double(tabelle_.summe()));
}

Kennwert Uebergaenge::residuum(int von, int nach) const
{
    const Kennwert e = erwartet(von, nach);
    if (!e.definiert)
        return e;
    const double n = double(tabelle_.summe());
    const double zeilenanteil = double(tabelle_.zeilensumme(von)) / n;
    const double spaltenanteil = double(tabelle_.spaltensumme(nach)) / n;
    const double varianz = e.wert * (1.0 - zeilenanteil) * (1.0 - spaltenanteil);
    if (!(varianz > 0))
        return Kennwert::ohne(QStringLiteral("%1 → %2: Zeile oder Spalte leer oder einzige "
                                             "vorkommende Kategorie")
                                  .arg(EinschaetzungKuerzel[von], EinschaetzungKuerzel[nach]));
    return Kennwert::mit((double(tabelle_.anzahl(von, nach)) - e.wert) / std::sqrt(varianz));
}
