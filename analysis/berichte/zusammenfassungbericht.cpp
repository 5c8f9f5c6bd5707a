#include "zusammenfassungbericht.h"

#include "ausgabeformat.h"
#include "einschaetzung.h"
#include "zusammenfassung.h"

#include <QTextStream>

namespace {

QString anteilText(const Kennwert &k)
{
    return k.definiert ? prozentText(k) : QStringLiteral("nicht bestimmbar (%1)").arg(k.grund);
}

void dateiText(QTextStream &aus, const Sitzung &s)
{
    const Zusammenfassung z(s);
    aus << s.datei() << '\n';
    aus << "  Sinneinheiten:              " << z.einheiten() << '\n';
    aus << "  Bewertete Zeit:             " << zeitText(z.bewerteteZeit()) << " ("
        << sekundenText(z.bewerteteZeit()) << " s)\n";
    const Kennwert mittel = z.mittlereDauer();
    aus << "  Mittlere Dauer je Einheit:  "
        << (mittel.definiert ? dezimal(mittel.wert / 1e6, 3) + QStringLiteral(" s")
                             : QStringLiteral("– (keine Sinneinheit)"))
        << "\n\n";
    aus << "  " << QStringLiteral("Kategorie").leftJustified(40) << QStringLiteral("Anzahl")
        << QStringLiteral("Dauer (s)").rightJustified(13)
        << QStringLiteral("Anteil Zeit").rightJustified(13) << '\n';
    for (int k = TL; k <= NIX; ++k) {
        aus << "  " << EinschaetzungKuerzel[k].leftJustified(5)
            << EinschaetzungName[k].leftJustified(35)
            << QString::number(z.anzahl(k)).rightJustified(6)
            << sekundenText(z.dauer(k)).rightJustified(13)
            << prozentText(z.zeitanteil(k)).rightJustified(13) << '\n';
    }
    aus << "\n  Therapeut lösungsfokussiert, TL / (TL + TNL):\n"
        << "    nach Anzahl " << anteilText(z.anteilNachAnzahl(TL, TNL)) << ", nach Zeit "
        << anteilText(z.anteilNachZeit(TL, TNL)) << '\n';
    aus << "  Klient Lösungssprache, KL / (KL + KNL):\n"
        << "    nach Anzahl " << anteilText(z.anteilNachAnzahl(KL, KNL)) << ", nach Zeit "
        << anteilText(z.anteilNachZeit(KL, KNL)) << '\n';
}

QStringList kopf()
{
    QStringList k = {QStringLiteral("datei"), QStringLiteral("einheiten"),
                     QStringLiteral("bewertete_zeit_s"), QStringLiteral("mittlere_dauer_s")};
    for (int kat = TL; kat <= NIX; ++kat) {
        const QString c = EinschaetzungKuerzel[kat];
        k << c + QStringLiteral("_anzahl") << c + QStringLiteral("_dauer_s")
          << c + QStringLiteral("_anteil_zeit");
    }
    k << QStringLiteral("tl_von_tl_tnl_anzahl") << QStringLiteral("tl_von_tl_tnl_zeit")
      << QStringLiteral("kl_von_kl_knl_anzahl") << QStringLiteral("kl_von_kl_knl_zeit");
    return k;
}

QStringList zeile(const Sitzung &s)
{
    const Zusammenfassung z(s);
    const Kennwert mittel = z.mittlereDauer();
    QStringList f = {s.datei(), QString::number(z.einheiten()), sekundenText(z.bewerteteZeit()),
                     mittel.definiert ? dezimal(mittel.wert / 1e6, 3) : QString()};
    for (int k = TL; k <= NIX; ++k)
        f << QString::number(z.anzahl(k)) << sekundenText(z.dauer(k))
          << csvZahl(z.zeitanteil(k), 6);
    f << csvZahl(z.anteilNachAnzahl(TL, TNL), 6) << csvZahl(z.anteilNachZeit(TL, TNL), 6)
      << csvZahl(z.anteilNachAnzahl(KL, KNL), 6) << csvZahl(z.anteilNachZeit(KL, KNL), 6);
    return f;
}

} // namespace

void ZusammenfassungBericht::text(QTextStream &aus, const std::vector<Sitzung> &sitzungen)
{
    for (size_t i = 0; i < sitzungen.size(); ++i) {
        if (i > 0)
            aus << '\n';
        dateiText(aus, sitzungen[i]);
    }
}

void ZusammenfassungBericht::csv(QTextStream &aus, const std::vector<Sitzung> &sitzungen)
{
    aus << csvZeile(kopf());
    for (const Sitzung &s : sitzungen)
        aus << csvZeile(zeile(s));
}
