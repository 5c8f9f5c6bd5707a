#include "uebereinstimmungbericht.h"

#include "ausgabeformat.h"
#include "ereignisabgleich.h"
#include "kategoriewerte.h"
#include "sprecherebene.h"
#include "stuartmaxwell.h"
#include "uebereinstimmung.h"
#include "vergleichsbericht.h"

#include <QTextStream>

namespace {

using E = Vergleichsergebnis;

void versatz(QTextStream &aus, const Uebereinstimmung &u)
{
    aus << "Versatz von B:  " << versatzText(u.versatz());
    if (u.einstellungen().versatzAutomatisch)
        aus << " (automatisch gesucht im Bereich ±" << sekundenText(u.einstellungen().suchbereich)
            << " s; zeitbasierte Übereinstimmung ohne Versatz " << prozentText(u.ohneVersatz())
            << ')';
    aus << '\n';
    if (u.versatzAmRand())
        aus << "  Achtung: " << UebereinstimmungBericht::randWarnung(u.einstellungen()) << '\n';
}

QStringList tabellenKopf(const QString &vorsatz, const Kreuztabelle &t)
{
    QStringList k;
    for (int a = 1; a <= t.kategorien(); ++a) {
        for (int b = 1; b <= t.kategorien(); ++b)
            k << vorsatz + t.kuerzel(a) + QLatin1Char('_') + t.kuerzel(b);
    }
    return k;
}

QStringList kennzahlenKopf(const QString &vorsatz)
{
    return {vorsatz + QStringLiteral("uebereinstimmung"), vorsatz + QStringLiteral("kappa"),
            vorsatz + QStringLiteral("kappa_hinweis"), vorsatz + QStringLiteral("ac1")};
}

QStringList kennzahlenCsv(const Kennzahlen &k)
{
    return {csvZahl(k.uebereinstimmung, 6), csvZahl(k.kappa.wert, 6), k.kappa.wert.grund,
            csvZahl(k.ac1.wert, 6)};
}

QStringList intervallKopf(const QString &vorsatz)
{
    QStringList k;
    for (const QString &wert : {QStringLiteral("kappa"), QStringLiteral("ac1")})
        k << vorsatz + wert + QStringLiteral("_se") << vorsatz + wert + QStringLiteral("_ki_unten")
          << vorsatz + wert + QStringLiteral("_ki_oben")
          << vorsatz + wert + QStringLiteral("_ki_hinweis");
    return k;
}

QStringList intervallCsv(const Kennzahlen &k)
{
    QStringList f;
    for (const Schaetzung *s : {&k.kappa, &k.ac1}) {
        const Intervall &i = s->intervall;
        f << (i.definiert ? dezimal(i.standardfehler, 6) : QString())
          << (i.definiert ? dezimal(i.unten, 6) : QString())
          << (i.definiert ? dezimal(i.oben, 6) : QString()) << (i.definiert ? i.hinweis : i.grund);
    }
    return f;
}

QStringList schaetzungKopf(const QString &name)
{
    return {name, name + QStringLiteral("_se"), name + QStringLiteral("_ki_unten"),
            name + QStringLiteral("_ki_oben"), name + QStringLiteral("_ki_hinweis")};
}

QStringList schaetzungCsv(const Schaetzung &s)
{
    const Intervall &i = s.intervall;
    return {csvZahl(s.wert, 6), i.definiert ? dezimal(i.standardfehler, 6) : QString(),
            i.definiert ? dezimal(i.unten, 6) : QString(),
            i.definiert ? dezimal(i.oben, 6) : QString(), i.definiert ? i.hinweis : i.grund};
}

const QStringList ansichtVorsatz = {QStringLiteral("zeit_"), QStringLiteral("ereignis_"),
                                    QStringLiteral("segment_")};

// Added later than the columns above, so behind all of them: PABAK, the per-category
// kappas' intervals and indices, the weighted kappas within speakers, Stuart-Maxwell.
QStringList weitereKopf(const Kreuztabelle &sieben, const Kreuztabelle &segment)
{
    QStringList k;
    for (int a = 0; a < 3; ++a) {
        const Kreuztabelle &t = a == 2 ? segment : sieben;
        for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
            const Kreuztabelle tab = ebene == E::Sprecher ? sprecherebene(t) : t;
            const QString vorsatz =
                ansichtVorsatz[a] +
                (ebene == E::Sprecher ? QStringLiteral("sprecher_") : QString());
            k << schaetzungKopf(vorsatz + QStringLiteral("pabak"));
            for (int c = 1; c <= tab.kategorien(); ++c)
                k << vorsatz + QStringLiteral("kappa_einzeln_%1_ki_unten").arg(tab.kuerzel(c))
                  << vorsatz + QStringLiteral("kappa_einzeln_%1_ki_oben").arg(tab.kuerzel(c));
        }
    }
    for (int c = 1; c <= sieben.kategorien(); ++c)
        k << QStringLiteral("zeit_praevalenzindex_") + sieben.kuerzel(c)
          << QStringLiteral("zeit_biasindex_") + sieben.kuerzel(c);
    for (int a = 0; a < 2; ++a) {
        for (const QString &sprecher : {QStringLiteral("T"), QStringLiteral("K")})
            k << schaetzungKopf(ansichtVorsatz[a] + QStringLiteral("gewichtet_") + sprecher)
              << ansichtVorsatz[a] + QStringLiteral("nominal_") + sprecher;
    }
    k << QStringLiteral("ereignis_stuart_maxwell_chi2")
      << QStringLiteral("ereignis_stuart_maxwell_df")
      << QStringLiteral("ereignis_stuart_maxwell_p");
    return k;
}

QStringList weitereCsv(const E &e)
{
    QStringList f;
    for (const E::Ansicht a : {E::Zeit, E::Ereignis, E::Segmentierung}) {
        for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
            const Kennzahlen &k = e.kennzahlen(a, ebene);
            f << schaetzungCsv(k.pabak);
            for (const Schaetzung &c : k.kategorieKappa) {
                const Intervall &i = c.intervall;
                f << (i.definiert ? dezimal(i.unten, 6) : QString())
                  << (i.definiert ? dezimal(i.oben, 6) : QString());
            }
        }
    }
    const Kreuztabelle &zeit = e.zeit(E::Kategorien).tabelle;
    for (int c = 1; c <= zeit.kategorien(); ++c)
        f << csvZahl(praevalenzIndex(zeit, c), 6) << csvZahl(biasIndex(zeit, c), 6);
    for (const E::Ansicht a : {E::Zeit, E::Ereignis}) {
        const Kennzahlen &k = e.kennzahlen(a, E::Kategorien);
        for (size_t s = 0; s < 2; ++s)
            f << schaetzungCsv(k.gewichtet[s]) << csvZahl(k.nominal[s], 6);
    }
    const StuartMaxwell sm(e.ereignis(E::Kategorien).tabelle);
    f << csvZahl(sm.chiQuadrat(), 6)
      << (sm.chiQuadrat().definiert ? QString::number(sm.freiheitsgrade()) : QString())
      << csvZahl(sm.p(), 6);
    return f;
}

QStringList zellen(const Kreuztabelle &t)
{
    QStringList z;
    for (int a = 1; a <= t.kategorien(); ++a) {
        for (int b = 1; b <= t.kategorien(); ++b)
            z << QString::number(t.anzahl(a, b));
    }
    return z;
}

// Per category of the scheme and of the speaker level: specific agreement and kappa of
// the category against the rest, in each view.
QStringList kategorieKopf(const Kreuztabelle &kategorien)
{
    const Kreuztabelle sprecher = sprecherebene(kategorien);
    QStringList k;
    for (const QString &ansicht :
         {QStringLiteral("zeit_"), QStringLiteral("ereignis_"), QStringLiteral("segment_")}) {
        for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
            const Kreuztabelle &t = ebene == E::Sprecher ? sprecher : kategorien;
            const QString vorsatz =
                ansicht + (ebene == E::Sprecher ? QStringLiteral("sprecher_") : QString());
            for (int c = 1; c <= t.kategorien(); ++c)
                k << vorsatz + QStringLiteral("spezifisch_") + t.kuerzel(c)
                  << vorsatz + QStringLiteral("kappa_einzeln_") + t.kuerzel(c);
        }
    }
    return k;
}

QStringList kategorieCsv(const E &e)
{
    QStringList f;
    for (const auto ansicht : {&E::zeit, &E::ereignis, &E::segmentierung}) {
        for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
            const Kreuztabelle &t = (e.*ansicht)(ebene).tabelle;
            for (int c = 1; c <= e.zeit(ebene).tabelle.kategorien(); ++c)
                f << csvZahl(spezifischeUebereinstimmung(t, c), 6)
                  << csvZahl(kappaEineGegenRest(t, c), 6);
        }
    }
    return f;
}

QStringList ungepaartKopf(const Kreuztabelle &s)
{
    QStringList k;
    for (int c = 1; c < Ereignisabgleich::Ohne; ++c)
        k << QStringLiteral("segment_") + s.kuerzel(c) + QStringLiteral("_ohne");
    for (int c = 1; c < Ereignisabgleich::Ohne; ++c)
        k << QStringLiteral("segment_ohne_") + s.kuerzel(c);
    return k;
}

QStringList ungepaartCsv(const Kreuztabelle &s)
{
    QStringList f;
    for (int c = 1; c < Ereignisabgleich::Ohne; ++c)
        f << QString::number(s.anzahl(c, Ereignisabgleich::Ohne));
    for (int c = 1; c < Ereignisabgleich::Ohne; ++c)
        f << QString::number(s.anzahl(Ereignisabgleich::Ohne, c));
    return f;
}

} // namespace

QString UebereinstimmungBericht::randWarnung(const Vergleichseinstellungen &v)
{
    return QStringLiteral("der beste Versatz liegt am Rand des Suchbereichs ±%1 s; der "
                          "passende kann außerhalb liegen (größeren --suchbereich angeben)")
        .arg(sekundenText(v.suchbereich));
}

void UebereinstimmungBericht::text(QTextStream &aus, const Uebereinstimmung &u)
{
    const Zeitscheiben &z = u.zeit();
    aus << "Rater A:  " << u.a().datei() << '\n';
    aus << "Rater B:  " << u.b().datei() << '\n';
    versatz(aus, u);
    VergleichsBericht::Kopf kopf;
    kopf.zeit = QStringLiteral("gemeinsam bewertet %1 bis %2, %3 Scheiben zu %4 s")
                    .arg(zeitText(z.beginn()), zeitText(z.ende()))
                    .arg(z.anzahl())
                    .arg(sekundenText(z.schritt()));
    kopf.ereignis = QStringLiteral("Enden der Einheiten gepaart mit Toleranz %1 s")
                        .arg(sekundenText(u.einstellungen().toleranz));
    VergleichsBericht::text(aus, u.ergebnis(), u.einstellungen(), kopf);
}

QStringList UebereinstimmungBericht::csvKopf()
{
    const E leer;
    const Kreuztabelle sieben;
    const Kreuztabelle segment(Ereignisabgleich::segmentierungKuerzel());
    QStringList k = {QStringLiteral("datei_a"),       QStringLiteral("datei_b"),
                     QStringLiteral("versatz_s"),     QStringLiteral("versatz_automatisch"),
                     QStringLiteral("schritt_s"),     QStringLiteral("toleranz_s"),
                     QStringLiteral("zeit_beginn_s"), QStringLiteral("zeit_ende_s"),
                     QStringLiteral("zeit_scheiben")};
    k << kennzahlenKopf(QStringLiteral("zeit_"));
    k << QStringLiteral("ereignis_paare") << QStringLiteral("ereignis_nur_a")
      << QStringLiteral("ereignis_nur_b");
    k << kennzahlenKopf(QStringLiteral("ereignis_"));
    k << tabellenKopf(QStringLiteral("zeit_"), sieben)
      << tabellenKopf(QStringLiteral("ereignis_"), sieben);

    k << QStringLiteral("suchbereich_s") << QStringLiteral("versatz_am_rand")
      << QStringLiteral("bootstrap_wiederholungen") << QStringLiteral("bootstrap_startwert")
      << QStringLiteral("bootstrap_block");
    k << intervallKopf(QStringLiteral("zeit_")) << intervallKopf(QStringLiteral("ereignis_"));
    k << QStringLiteral("segment_einheiten") << kennzahlenKopf(QStringLiteral("segment_"))
      << intervallKopf(QStringLiteral("segment_"));
    for (const QString &ansicht :
         {QStringLiteral("zeit_sprecher_"), QStringLiteral("ereignis_sprecher_"),
          QStringLiteral("segment_sprecher_")})
        k << kennzahlenKopf(ansicht) << intervallKopf(ansicht);
    k << kategorieKopf(sieben);
    k << ungepaartKopf(segment);
    k << weitereKopf(sieben, segment);
    return k;
}

QStringList UebereinstimmungBericht::csvWerte(const Vergleichsergebnis &e,
                                              const Vergleichseinstellungen &v,
                                              const Uebereinstimmung *paar)
{
    const Kennzahlen &zeit = e.zeit(E::Kategorien);
    const Kennzahlen &ereignis = e.ereignis(E::Kategorien);
    const Kennzahlen &segment = e.segmentierung(E::Kategorien);
    QStringList f;
    if (paar)
        f << paar->a().datei() << paar->b().datei() << sekundenText(paar->versatz());
    else
        f << QString() << QString() << QString();
    f << (v.versatzAutomatisch ? QStringLiteral("1") : QStringLiteral("0"))
      << sekundenText(v.schritt) << sekundenText(v.toleranz);
    if (paar)
        f << sekundenText(paar->zeit().beginn()) << sekundenText(paar->zeit().ende());
    else
        f << QString() << QString();
    f << QString::number(zeit.tabelle.summe());
    f << kennzahlenCsv(zeit);
    f << QString::number(ereignis.tabelle.summe()) << QString::number(VergleichsBericht::nurA(e))
      << QString::number(VergleichsBericht::nurB(e));
    f << kennzahlenCsv(ereignis);
    f << zellen(zeit.tabelle) << zellen(ereignis.tabelle);

    f << (v.versatzAutomatisch ? sekundenText(v.suchbereich) : QString())
      << (paar ? (paar->versatzAmRand() ? QStringLiteral("1") : QStringLiteral("0")) : QString())
      << QString::number(v.wiederholungen) << QString::number(v.startwert)
      << QString::number(v.block);
    f << intervallCsv(zeit) << intervallCsv(ereignis);
    f << QString::number(segment.tabelle.summe()) << kennzahlenCsv(segment)
      << intervallCsv(segment);
    for (const Kennzahlen *k :
         {&e.zeit(E::Sprecher), &e.ereignis(E::Sprecher), &e.segmentierung(E::Sprecher)})
        f << kennzahlenCsv(*k) << intervallCsv(*k);
    f << kategorieCsv(e);
    f << ungepaartCsv(segment.tabelle);
    f << weitereCsv(e);
    return f;
}

void UebereinstimmungBericht::csv(QTextStream &aus, const Uebereinstimmung &u)
{
    aus << csvZeile(csvKopf()) << csvZeile(csvWerte(u.ergebnis(), u.einstellungen(), &u));
}
