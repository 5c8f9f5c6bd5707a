#include "studienbericht.h"

#include "ausgabeformat.h"
#include "studie.h"
#include "studientabellen.h"
#include "uebereinstimmungbericht.h"
#include "vergleichsbericht.h"

#include <QTextStream>

namespace {

using E = Vergleichsergebnis;

void einstellungen(QTextStream &aus, const Vergleichseinstellungen &v)
{
    aus << "Zeitscheiben zu " << sekundenText(v.schritt) << " s, Toleranz "
        << sekundenText(v.toleranz) << " s; ";
    if (v.versatzAutomatisch)
        aus << "Versatz je Rater gegen den ersten Rater des Klienten gesucht im Bereich ±"
            << sekundenText(v.suchbereich) << " s\n";
    else if (v.versatz != 0)
        aus << "Versatz jedes weiteren Raters " << versatzText(v.versatz) << '\n';
    else
        aus << "ohne Versatz\n";
}

void paare(QTextStream &aus, const Studie &s)
{
    aus << "\nJe Paar (\"!\": Versatz am Rand des Suchbereichs):\n";
    aus << spaltenText(Studientabellen::paare(s), Studientabellen::paareRechts(),
                       QStringLiteral("  "));
}

QString hinweisZeilen(const std::vector<const Schaetzung *> &schaetzungen)
{
    QString text;
    for (const QString &h : hinweise(schaetzungen))
        text += QStringLiteral("  *: ") + h + QLatin1Char('\n');
    return text;
}

void mehrrater(QTextStream &aus, const Studie &s)
{
    const Mehrraterzaehlung &g = s.mehrraterGesamt();
    aus << "\nAlle Rater eines Klienten (zeitbasiert, über die von allen bewertete Zeit; zuletzt "
           "alle Klienten zusammen):\n";
    aus << spaltenText(Studientabellen::mehrrater(s), Studientabellen::mehrraterRechts(),
                       QStringLiteral("  "));
    if (!g.fleissKappa().definiert)
        aus << "  Fleiss' Kappa über alle Klienten: " << kennwertText(g.fleissKappa(), 3) << '\n';
    aus << "  Intervalle je Klient: Bootstrap über Blöcke von Sinneinheiten des ersten Raters; "
           "über alle Klienten: "
        << VergleichsBericht::sitzungsMethode(s.einstellungen(), int(s.klienten().size())) << '\n';
    std::vector<const Schaetzung *> alle = {&s.fleiss(), &s.alpha()};
    for (const Studie::Klient &k : s.klienten())
        alle.insert(alle.end(), {&k.fleiss, &k.alpha});
    aus << hinweisZeilen(alle);
}

void groessen(QTextStream &aus, const Studie &s)
{
    aus << "\nGrößen je Sitzung, Übereinstimmung der ersten " << s.groessen().rater()
        << " Rater jeder Sitzung (ICC(A,1), Intervall über Sitzungen):\n";
    aus << spaltenText(Studientabellen::groessen(s), Studientabellen::groessenRechts(),
                       QStringLiteral("  "));
    std::vector<const Schaetzung *> alle;
    for (const Sitzungsgroessen::Groesse &g : s.groessen().groessen())
        alle.push_back(&g.icc);
    aus << hinweisZeilen(alle);
}

QStringList csvKopf()
{
    QStringList k = {QStringLiteral("ebene"), QStringLiteral("klient"), QStringLiteral("rater_a"),
                     QStringLiteral("rater_b")};
    k << UebereinstimmungBericht::csvKopf();
    k << QStringLiteral("klient_rater") << QStringLiteral("klient_scheiben")
      << QStringLiteral("fleiss_kappa") << QStringLiteral("fleiss_kappa_hinweis")
      << QStringLiteral("krippendorff_alpha") << QStringLiteral("krippendorff_alpha_hinweis");
    for (const QString &n : {QStringLiteral("fleiss_kappa"), QStringLiteral("krippendorff_alpha")})
        k << n + QStringLiteral("_ki_unten") << n + QStringLiteral("_ki_oben")
          << n + QStringLiteral("_ki_hinweis");
    k << QStringLiteral("intervalle_aus");
    for (const QString &n : {QStringLiteral("einheiten"), QStringLiteral("dauer"),
                             QStringLiteral("anteil_tl"), QStringLiteral("anteil_kl")})
        k << QStringLiteral("icc_") + n << QStringLiteral("icc_%1_ki_unten").arg(n)
          << QStringLiteral("icc_%1_ki_oben").arg(n) << QStringLiteral("icc_%1_ki_hinweis").arg(n);
    return k;
}

QStringList intervallCsv(const Schaetzung &s)
{
    const Intervall &i = s.intervall;
    return {i.definiert ? dezimal(i.unten, 6) : QString(),
            i.definiert ? dezimal(i.oben, 6) : QString(), i.definiert ? i.hinweis : i.grund};
}

QStringList mehrraterCsv(const Schaetzung &fleiss, const Schaetzung &alpha, const QString &rater,
                         qint64 scheiben, const QString &intervalleAus)
{
    QStringList f = {rater,
                     QString::number(scheiben),
                     csvZahl(fleiss.wert, 6),
                     fleiss.wert.grund,
                     csvZahl(alpha.wert, 6),
                     alpha.wert.grund};
    return f << intervallCsv(fleiss) << intervallCsv(alpha) << intervalleAus;
}

} // namespace

void StudienBericht::text(QTextStream &aus, const Studie &s)
{
    aus << "Studie: " << s.klienten().size() << " Klienten mit mindestens zwei Ratern, "
        << s.dateien() << " Dateien, " << s.paare().size() << " Rater-Paare\n";
    einstellungen(aus, s.einstellungen());
    paare(aus, s);
    mehrrater(aus, s);

    groessen(aus, s);

    aus << "\nGepoolt über alle " << s.paare().size() << " Paare (Tabellen addiert)\n";
    VergleichsBericht::Kopf kopf;
    const Kreuztabelle &zeit = s.gepoolt().zeit(E::Kategorien).tabelle;
    kopf.zeit = QStringLiteral("%1 Scheiben zu %2 s")
                    .arg(zeit.summe())
                    .arg(sekundenText(s.einstellungen().schritt));
    kopf.ereignis = QStringLiteral("Enden der Einheiten gepaart mit Toleranz %1 s")
                        .arg(sekundenText(s.einstellungen().toleranz));
    kopf.intervalle =
        VergleichsBericht::sitzungsMethode(s.einstellungen(), int(s.klienten().size()));
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
        const bool mehr = k.rater.size() > 2;
        const Schaetzung fleiss = mehr ? k.fleiss : Schaetzung{k.mehrrater.fleissKappa(), {}};
        const Schaetzung alpha = mehr ? k.alpha : Schaetzung{k.mehrrater.krippendorffAlpha(), {}};
        f << mehrraterCsv(fleiss, alpha, QString::number(k.rater.size()), k.scheiben,
                          QStringLiteral("einheiten"));
        f << QStringList(4 * 4, QString());
        aus << csvZeile(f);
    }
    for (const Studie::Klient &k : s.klienten())
        scheiben += k.scheiben;
    QStringList f = {QStringLiteral("gesamt"), QString(), QString(), QString()};
    f << UebereinstimmungBericht::csvWerte(s.gepoolt(), s.einstellungen(), nullptr);
    f << mehrraterCsv(s.fleiss(), s.alpha(), QString(), scheiben, QStringLiteral("sitzungen"));
    for (const Sitzungsgroessen::Groesse &g : s.groessen().groessen())
        f << csvZahl(g.icc.wert, 6) << intervallCsv(g.icc);
    aus << csvZeile(f);
}
