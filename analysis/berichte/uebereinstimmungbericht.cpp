#include "uebereinstimmungbericht.h"

#include "ausgabeformat.h"
#include "einschaetzung.h"
#include "uebereinstimmung.h"

#include <QTextStream>

namespace {

void kennzahlen(QTextStream &aus, const Kreuztabelle &t)
{
    aus << "  Prozentuale Übereinstimmung:  " << prozentText(t.uebereinstimmung()) << '\n';
    aus << "  Cohens Kappa:                 " << kennwertText(t.kappa(), 3) << '\n';
    aus << "  Gwets AC1:                    " << kennwertText(t.ac1(), 3) << '\n';
}

void tabelle(QTextStream &aus, const Kreuztabelle &t, const QString &einheit)
{
    aus << "  Kreuztabelle (Zeilen A, Spalten B, " << einheit << "):\n";
    aus << matrixText([&](int a, int b) { return QString::number(t.anzahl(a, b)); }, 8,
                      QStringLiteral("    "));
}

void versatz(QTextStream &aus, const Uebereinstimmung &u)
{
    aus << "Versatz von B:  " << versatzText(u.versatz());
    if (u.einstellungen().versatzAutomatisch)
        aus << " (automatisch gesucht im Bereich ±" << sekundenText(u.einstellungen().suchbereich)
            << " s; zeitbasierte Übereinstimmung ohne Versatz " << prozentText(u.ohneVersatz())
            << ')';
    aus << '\n';
}

QStringList csvKopf()
{
    QStringList k = {QStringLiteral("datei_a"),
                     QStringLiteral("datei_b"),
                     QStringLiteral("versatz_s"),
                     QStringLiteral("versatz_automatisch"),
                     QStringLiteral("schritt_s"),
                     QStringLiteral("toleranz_s"),
                     QStringLiteral("zeit_beginn_s"),
                     QStringLiteral("zeit_ende_s"),
                     QStringLiteral("zeit_scheiben"),
                     QStringLiteral("zeit_uebereinstimmung"),
                     QStringLiteral("zeit_kappa"),
                     QStringLiteral("zeit_kappa_hinweis"),
                     QStringLiteral("zeit_ac1"),
                     QStringLiteral("ereignis_paare"),
                     QStringLiteral("ereignis_nur_a"),
                     QStringLiteral("ereignis_nur_b"),
                     QStringLiteral("ereignis_uebereinstimmung"),
                     QStringLiteral("ereignis_kappa"),
                     QStringLiteral("ereignis_kappa_hinweis"),
                     QStringLiteral("ereignis_ac1")};
    for (const QString &vorsatz : {QStringLiteral("zeit_"), QStringLiteral("ereignis_")}) {
        for (int a = TL; a <= NIX; ++a) {
            for (int b = TL; b <= NIX; ++b)
                k << vorsatz + EinschaetzungKuerzel[a] + QLatin1Char('_') + EinschaetzungKuerzel[b];
        }
    }
    return k;
}

QStringList kennzahlenCsv(const Kreuztabelle &t)
{
    const Kennwert kappa = t.kappa();
    return {csvZahl(t.uebereinstimmung(), 6), csvZahl(kappa, 6), kappa.grund, csvZahl(t.ac1(), 6)};
}

QStringList zellen(const Kreuztabelle &t)
{
    QStringList z;
    for (int a = TL; a <= NIX; ++a) {
        for (int b = TL; b <= NIX; ++b)
            z << QString::number(t.anzahl(a, b));
    }
    return z;
}

} // namespace

void UebereinstimmungBericht::text(QTextStream &aus, const Uebereinstimmung &u)
{
    const Zeitscheiben &z = u.zeit();
    const Ereignisabgleich &e = u.ereignisse();
    aus << "Rater A:  " << u.a().datei() << '\n';
    aus << "Rater B:  " << u.b().datei() << '\n';
    versatz(aus, u);

    aus << "\nZeitbasiert: gemeinsam bewertet " << zeitText(z.beginn()) << " bis "
        << zeitText(z.ende()) << ", " << z.anzahl() << " Scheiben zu " << sekundenText(z.schritt())
        << " s\n";
    kennzahlen(aus, z.tabelle());
    tabelle(aus, z.tabelle(), QStringLiteral("Anzahl Scheiben"));

    aus << "\nEreignisbasiert: Enden der Einheiten gepaart mit Toleranz "
        << sekundenText(u.einstellungen().toleranz) << " s\n";
    aus << "  Gepaarte Einheiten:           " << e.paare().size() << '\n';
    aus << "  Nur bei A:                    " << e.nurA() << '\n';
    aus << "  Nur bei B:                    " << e.nurB() << '\n';
    kennzahlen(aus, e.tabelle());
    tabelle(aus, e.tabelle(), QStringLiteral("Anzahl gepaarter Einheiten"));
}

void UebereinstimmungBericht::csv(QTextStream &aus, const Uebereinstimmung &u)
{
    const Zeitscheiben &z = u.zeit();
    const Ereignisabgleich &e = u.ereignisse();
    const Vergleichseinstellungen &v = u.einstellungen();
    QStringList f = {u.a().datei(),
                     u.b().datei(),
                     sekundenText(u.versatz()),
                     v.versatzAutomatisch ? QStringLiteral("1") : QStringLiteral("0"),
                     sekundenText(v.schritt),
                     sekundenText(v.toleranz),
                     sekundenText(z.beginn()),
                     sekundenText(z.ende()),
                     QString::number(z.anzahl())};
    f << kennzahlenCsv(z.tabelle());
    f << QString::number(e.paare().size()) << QString::number(e.nurA())
      << QString::number(e.nurB());
    f << kennzahlenCsv(e.tabelle());
    f << zellen(z.tabelle()) << zellen(e.tabelle());
    aus << csvZeile(csvKopf()) << csvZeile(f);
}
