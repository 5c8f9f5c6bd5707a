#include "studienbericht.h"

#include "ausgabeformat.h"
#include "studie.h"
#include "uebereinstimmungbericht.h"
#include "vergleichsbericht.h"

#include <QTextStream>

namespace {

using E = Vergleichsergebnis;

QString kurz(const Kennwert &k)
{
    return k.definiert ? dezimal(k.wert, 3) : QStringLiteral("–");
}

QString mitIntervall(const Schaetzung &s)
{
    if (!s.wert.definiert)
        return QStringLiteral("–");
    if (!s.intervall.definiert)
        return dezimal(s.wert.wert, 3);
    return QStringLiteral("%1 [%2, %3]")
        .arg(dezimal(s.wert.wert, 3), dezimal(s.intervall.unten, 3), dezimal(s.intervall.oben, 3));
}

void einstellungen(QTextStream &aus, const Vergleichseinstellungen &v)
{
    aus << "Zeitscheiben zu " << sekundenText(v.schritt) << " s, Toleranz "
        << sekundenText(v.toleranz) << " s; ";
    if (v.versatzAutomatisch)
        aus << "Versatz je Rater gegen den ersten Rater des Klienten gesucht im Bereich ±"
            << sekundenText(v.suchbereich) << " s\n";
    else
        aus << "Versatz jedes weiteren Raters " << versatzText(v.versatz) << '\n';
}

void paare(QTextStream &aus, const Studie &s)
{
    QList<QStringList> zeilen = {
        {QStringLiteral("Klient"), QStringLiteral("Rater A"), QStringLiteral("Rater B"),
         QStringLiteral("Versatz B"), QStringLiteral("Scheiben"), QStringLiteral("Übereinst."),
         QStringLiteral("Kappa zeitbasiert [95 %-KI]"), QStringLiteral("AC1"),
         QStringLiteral("Paare"), QStringLiteral("nur A"), QStringLiteral("nur B"),
         QStringLiteral("Kappa ereignisb."), QStringLiteral("mit Segm.")}};
    for (const Studie::Paar &p : s.paare()) {
        const Studie::Klient &k = s.klienten()[size_t(p.klient)];
        const Uebereinstimmung &u = p.vergleich;
        const E &e = u.ergebnis();
        zeilen.append(
            {k.name, k.rater[size_t(p.a)].name, k.rater[size_t(p.b)].name,
             versatzText(u.versatz()) + (u.versatzAmRand() ? QStringLiteral(" !") : QString()),
             QString::number(u.zeit().anzahl()),
             prozentText(e.zeit(E::Kategorien).uebereinstimmung),
             mitIntervall(e.zeit(E::Kategorien).kappa), kurz(e.zeit(E::Kategorien).ac1.wert),
             QString::number(u.ereignisse().paare().size()), QString::number(u.ereignisse().nurA()),
             QString::number(u.ereignisse().nurB()), kurz(e.ereignis(E::Kategorien).kappa.wert),
             kurz(e.segmentierung(E::Kategorien).kappa.wert)});
    }
    aus << "\nJe Paar (\"!\": Versatz am Rand des Suchbereichs):\n";
    aus << spaltenText(
        zeilen, {false, false, false, true, true, true, false, true, true, true, true, true, true},
        QStringLiteral("  "));
}

void mehrrater(QTextStream &aus, const Studie &s)
{
    QList<QStringList> zeilen = {{QStringLiteral("Klient"), QStringLiteral("Rater"),
                                  QStringLiteral("Scheiben"), QStringLiteral("Fleiss' Kappa"),
                                  QStringLiteral("Krippendorffs Alpha")}};
    for (const Studie::Klient &k : s.klienten()) {
        if (k.rater.size() < 3)
            continue;
        QStringList namen;
        for (const Studie::Rater &r : k.rater)
            namen << r.name;
        zeilen.append({k.name, namen.join(QStringLiteral(", ")), QString::number(k.scheiben),
                       kurz(k.mehrrater.fleissKappa()), kurz(k.mehrrater.krippendorffAlpha())});
    }
    if (zeilen.size() > 1) {
        aus << "\nKlienten mit drei oder mehr Ratern (zeitbasiert, über die von allen bewertete "
               "Zeit):\n";
        aus << spaltenText(zeilen, {false, false, true, true, true}, QStringLiteral("  "));
    }
    const Mehrraterzaehlung &g = s.mehrraterGesamt();
    aus << "\nAlle Rater aller Klienten (zeitbasiert, jede Scheibe mit allen Ratern ihres "
           "Klienten):\n";
    aus << "  Krippendorffs Alpha:          " << kennwertText(g.krippendorffAlpha(), 3) << '\n';
    aus << "  Fleiss' Kappa:                " << kennwertText(g.fleissKappa(), 3) << '\n';
}

QStringList csvKopf()
{
    QStringList k = {QStringLiteral("ebene"), QStringLiteral("klient"), QStringLiteral("rater_a"),
                     QStringLiteral("rater_b")};
    k << UebereinstimmungBericht::csvKopf();
    k << QStringLiteral("klient_rater") << QStringLiteral("klient_scheiben")
      << QStringLiteral("fleiss_kappa") << QStringLiteral("fleiss_kappa_hinweis")
      << QStringLiteral("krippendorff_alpha") << QStringLiteral("krippendorff_alpha_hinweis");
    return k;
}

QStringList mehrraterCsv(const Mehrraterzaehlung &m, const QString &rater, qint64 scheiben)
{
    const Kennwert f = m.fleissKappa();
    const Kennwert a = m.krippendorffAlpha();
    return {rater, QString::number(scheiben), csvZahl(f, 6), f.grund, csvZahl(a, 6), a.grund};
}

} // namespace

void StudienBericht::text(QTextStream &aus, const Studie &s)
{
    int dateien = 0;
    for (const Studie::Klient &k : s.klienten())
        dateien += int(k.rater.size());
    aus << "Studie: " << s.klienten().size() << " Klienten mit mindestens zwei Ratern, " << dateien
        << " Dateien, " << s.paare().size() << " Rater-Paare\n";
    einstellungen(aus, s.einstellungen());
    paare(aus, s);
    mehrrater(aus, s);

    aus << "\nGepoolt über alle " << s.paare().size() << " Paare (Tabellen addiert)\n";
    VergleichsBericht::Kopf kopf;
    const Kreuztabelle &zeit = s.gepoolt().zeit(E::Kategorien).tabelle;
    kopf.zeit = QStringLiteral("%1 Scheiben zu %2 s")
                    .arg(zeit.summe())
                    .arg(sekundenText(s.einstellungen().schritt));
    kopf.ereignis = QStringLiteral("Enden der Einheiten gepaart mit Toleranz %1 s")
                        .arg(sekundenText(s.einstellungen().toleranz));
    VergleichsBericht::text(aus, s.gepoolt(), s.einstellungen(), kopf);
}

void StudienBericht::csv(QTextStream &aus, const Studie &s)
{
    aus << csvZeile(csvKopf());
    qint64 scheiben = 0;
    for (const Studie::Paar &p : s.paare()) {
        const Studie::Klient &k = s.klienten()[size_t(p.klient)];
        QStringList f = {QStringLiteral("paar"), k.name, k.rater[size_t(p.a)].name,
                         k.rater[size_t(p.b)].name};
        f << UebereinstimmungBericht::csvWerte(p.vergleich.ergebnis(), s.einstellungen(),
                                               &p.vergleich);
        f << mehrraterCsv(k.mehrrater, QString::number(k.rater.size()), k.scheiben);
        aus << csvZeile(f);
    }
    for (const Studie::Klient &k : s.klienten())
        scheiben += k.scheiben;
    QStringList f = {QStringLiteral("gesamt"), QString(), QString(), QString()};
    f << UebereinstimmungBericht::csvWerte(s.gepoolt(), s.einstellungen(), nullptr);
    f << mehrraterCsv(s.mehrraterGesamt(), QString(), scheiben);
    aus << csvZeile(f);
}
