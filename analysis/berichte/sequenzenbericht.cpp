#include "sequenzenbericht.h"

#include "ausgabeformat.h"
#include "einschaetzung.h"
#include "uebergaenge.h"

#include <QTextStream>

void SequenzenBericht::text(QTextStream &aus, const Uebergaenge &u, int dateien)
{
    const Kreuztabelle &t = u.tabelle();
    aus << "Übergänge von einer Sinneinheit zur nächsten (Lag 1), " << t.summe()
        << " Übergänge aus " << dateien << (dateien == 1 ? " Datei" : " Dateien") << '\n';
    aus << "Zeilen: vorherige Einheit, Spalten: folgende Einheit\n";

    aus << "\nAnzahl:\n";
    aus << matrixText([&](int v, int n) { return QString::number(t.anzahl(v, n)); }, 8,
                      QStringLiteral("  "), t.alleKuerzel());
    aus << "\nÜbergangswahrscheinlichkeit (jede Zeile ergibt 1):\n";
    aus << matrixText([&](int v, int n) { return zahlOderStrich(u.wahrscheinlichkeit(v, n), 3); },
                      8, QStringLiteral("  "), t.alleKuerzel());
    aus << "\nAdjustierte Residuen (Haberman):\n";
    aus << matrixText([&](int v, int n) { return zahlOderStrich(u.residuum(v, n), 2); }, 8,
                      QStringLiteral("  "), t.alleKuerzel());
    aus << "\n  z > 1.96: der Übergang kommt häufiger vor als bei Unabhängigkeit, z < -1.96:\n"
           "  seltener (je Zelle p < .05 zweiseitig; bei vielen Zellen zufällige Treffer\n"
           "  möglich, bei erwarteten Anzahlen unter 5 ungenau). \"–\": nicht bestimmbar.\n";
}

void SequenzenBericht::csv(QTextStream &aus, const Uebergaenge &u)
{
    const Kreuztabelle &t = u.tabelle();
    aus << csvZeile({QStringLiteral("von"), QStringLiteral("nach"), QStringLiteral("anzahl"),
                     QStringLiteral("zeilensumme"), QStringLiteral("wahrscheinlichkeit"),
                     QStringLiteral("erwartet"), QStringLiteral("residuum")});
    for (int v = TL; v <= NIX; ++v) {
        for (int n = TL; n <= NIX; ++n)
            aus << csvZeile({EinschaetzungKuerzel[v], EinschaetzungKuerzel[n],
                             QString::number(t.anzahl(v, n)), QString::number(t.zeilensumme(v)),
                             csvZahl(u.wahrscheinlichkeit(v, n), 6), csvZahl(u.erwartet(v, n), 4),
                             csvZahl(u.residuum(v, n), 4)});
    }
}
