#include "befehlszeile.h"

#include "untertitel.h"
#include "zeitpunkt.h"

#include <QFileInfo>
#include <QHash>

#include <cmath>
#include <limits>

namespace {

const QString befehlZusammenfassung = QStringLiteral("zusammenfassung");
const QString befehlUebereinstimmung = QStringLiteral("uebereinstimmung");
const QString befehlStudie = QStringLiteral("studie");
const QString befehlSequenzen = QStringLiteral("sequenzen");
const QString befehlZeitleiste = QStringLiteral("zeitleiste");
const QString befehlBericht = QStringLiteral("bericht");
const QString befehlBlandAltman = QStringLiteral("bland-altman");
const QString befehlUntertitel = QStringLiteral("untertitel");
const QString befehlEaf = QStringLiteral("eaf");

const QStringList befehle = {befehlZusammenfassung, befehlUebereinstimmung, befehlStudie,
                             befehlSequenzen,       befehlZeitleiste,       befehlBericht,
                             befehlBlandAltman,     befehlUntertitel,       befehlEaf};

const QString optCsv = QStringLiteral("--csv");
const QString optAusgabe = QStringLiteral("-o");
const QString optSchritt = QStringLiteral("--schritt");
const QString optToleranz = QStringLiteral("--toleranz");
const QString optVersatz = QStringLiteral("--versatz");
const QString optSuchbereich = QStringLiteral("--suchbereich");
const QString optBootstrap = QStringLiteral("--bootstrap");
const QString optStartwert = QStringLiteral("--startwert");
const QString optBlock = QStringLiteral("--block");
const QString optTitel = QStringLiteral("--titel");
const QString optNamen = QStringLiteral("--namen");
const QString optVon = QStringLiteral("--von");
const QString optBis = QStringLiteral("--bis");
const QString optDezimalkomma = QStringLiteral("--dezimalkomma");
const QString optVideo = QStringLiteral("--video");

// Which command takes which option.
const QHash<QString, QStringList> &geltung()
{
    static const QHash<QString, QStringList> g = {
        {optCsv, {befehlZusammenfassung, befehlUebereinstimmung, befehlStudie, befehlSequenzen}},
        {optAusgabe, befehle},
        {optSchritt,
         {befehlUebereinstimmung, befehlStudie, befehlZeitleiste, befehlBericht, befehlUntertitel,
          befehlEaf}},
        {optVersatz,
         {befehlUebereinstimmung, befehlStudie, befehlZeitleiste, befehlBericht, befehlUntertitel,
          befehlEaf}},
        {optSuchbereich,
         {befehlUebereinstimmung, befehlStudie, befehlZeitleiste, befehlBericht, befehlUntertitel,
          befehlEaf}},
        {optToleranz, {befehlUebereinstimmung, befehlStudie, befehlBericht}},
        {optBootstrap, {befehlUebereinstimmung, befehlStudie, befehlBericht}},
        {optStartwert, {befehlUebereinstimmung, befehlStudie, befehlBericht}},
        {optBlock, {befehlUebereinstimmung, befehlStudie, befehlBericht}},
        {optTitel, {befehlZeitleiste, befehlBericht, befehlBlandAltman}},
        {optNamen, {befehlZeitleiste, befehlBericht, befehlUntertitel, befehlEaf}},
        {optVon, {befehlZeitleiste, befehlBericht}},
        {optBis, {befehlZeitleiste, befehlBericht}},
        {optDezimalkomma,
         {befehlZusammenfassung, befehlUebereinstimmung, befehlStudie, befehlSequenzen,
          befehlZeitleiste, befehlBericht, befehlBlandAltman}},
        {optVideo, {befehlEaf}},
    };
    return g;
}

bool brauchtWert(const QString &name)
{
    return name != optCsv && name != optDezimalkomma && geltung().contains(name);
}

} // namespace

QString Befehlszeile::hilfetext()
{
    return QStringLiteral(
        "Aufruf: morvanto-auswertung BEFEHL [OPTIONEN] DATEI...\n"
        "\n"
        "Wertet Verlaufsdateien (*_Verlauf.dat) der Morvanto-Ratingkonsole aus. Eine\n"
        "Sinneinheit reicht vom vorigen Eintrag bis zu ihrem eigenen und trägt dessen\n"
        "Kategorie.\n"
        "\n"
        "Befehle:\n"
        "  zusammenfassung DATEI...\n"
        "      je Datei: Sinneinheiten, bewertete Zeit, mittlere Dauer, je Kategorie\n"
        "      Anzahl, Dauer und Zeitanteil, Anteile TL/(TL+TNL) und KL/(KL+KNL)\n"
        "  uebereinstimmung DATEI_A DATEI_B\n"
        "      Übereinstimmung zweier Rater desselben Videos: zeitbasiert (Zeitscheiben)\n"
        "      und ereignisbasiert (Enden der Einheiten innerhalb der Toleranz gepaart,\n"
        "      auch mit ungepaarten Enden als eigener Kategorie \"ohne\"); prozentuale\n"
        "      Übereinstimmung, Cohens Kappa und Gwets AC1 mit 95-%-Konfidenzintervallen,\n"
        "      Kreuztabellen, je Kategorie und auf Sprecherebene (Therapeut, Klient, NIX)\n"
        "  studie ORDNER|DATEI...\n"
        "      eine ganze Studie: ordnet die Verlaufsdateien über ihren Namen\n"
        "      <Klient>_<Rater>_Verlauf.dat den Klienten zu, vergleicht jedes Rater-Paar\n"
        "      eines Klienten wie uebereinstimmung, fasst alle Paare zusammen (gepoolt) und\n"
        "      gibt bei drei oder mehr Ratern Fleiss' Kappa und Krippendorffs Alpha an;\n"
        "      warnt, wenn die Klientenfelder eines Paares verschieden sind\n"
        "  sequenzen DATEI...\n"
        "      Übergänge zwischen aufeinanderfolgenden Einheiten (Lag 1), über alle\n"
        "      Dateien zusammengefasst: Anzahlen, Übergangswahrscheinlichkeiten,\n"
        "      adjustierte Residuen nach Haberman\n"
        "  zeitleiste DATEI... -o BILD.png|BILD.svg\n"
        "      ein Band je Datei über der Zeit (mm:ss), Einheiten nach Kategorie gefärbt\n"
        "      und in Graustufen unterscheidbar, 17 cm breit; bei zwei Dateien ein drittes\n"
        "      Band mit den Abweichungen (B verschoben wie bei uebereinstimmung)\n"
        "  bericht DATEI_A DATEI_B -o BERICHT.pdf\n"
        "  bericht ORDNER|DATEI... -o BERICHT.pdf\n"
        "      Bericht zum Abgeben (PDF, A4, auch in Graustufen lesbar) für ein Paar oder\n"
        "      eine Studie: Kennwerte mit Intervallen, Kreuztabelle als schattiertes\n"
        "      Raster, Zeitleiste und ein Absatz für den Methodenteil\n"
        "  bland-altman ORDNER|DATEI... -o BILD.png|BILD.svg\n"
        "      Bland-Altman-Bilder einer Studie für die ersten zwei Rater jeder Sitzung:\n"
        "      Sinneinheiten, bewertete Dauer, TL/(TL+TNL) und KL/(KL+KNL), 17 cm breit\n"
        "  untertitel DATEI... -o DATEI.vtt|DATEI.srt|DATEI.ass\n"
        "      die Kategorien der Rater als Untertitel, die jeder Player zum Video zeigt:\n"
        "      eine Zeile je Rater (\"anna: KL\"), Abweichungen mit ≠ markiert; spätere\n"
        "      Dateien verschoben wie bei uebereinstimmung (--versatz nur bei zwei)\n"
        "  eaf DATEI... -o DATEI.eaf [--video VIDEO]\n"
        "      Annotationsdokument (EAF 3.0): eine zeitgebundene Ebene je Rater, die\n"
        "      sieben Kategorien als kontrolliertes Vokabular, das Video verknüpft\n"
        "\n"
        "Optionen:\n"
        "  --csv                  Ausgabe als CSV (UTF-8, Komma als Trenner, Dezimalpunkt,\n"
        "                         eine Kopfzeile; Anteile als Werte von 0 bis 1)\n"
        "  -o DATEI               schreibt in DATEI statt auf die Standardausgabe; bei\n"
        "                         zeitleiste PNG oder SVG, bei bericht PDF\n"
        "  --schritt SEKUNDEN     Länge der Zeitscheiben (Standard 0.1)\n"
        "  --toleranz SEKUNDEN    größter Abstand zweier gepaarter Enden (Standard 2)\n"
        "  --versatz SEKUNDEN     verschiebt alle Zeitpunkte von Rater B um diesen Wert;\n"
        "                         drückt B im Mittel 0.8 s später als A, passt -0.8\n"
        "  --versatz auto         sucht den Versatz (im Raster von --schritt), der die\n"
        "                         zeitbasierte Übereinstimmung maximiert, und gibt ihn an\n"
        "  --suchbereich SEKUNDEN Bereich dieser Suche: ±SEKUNDEN (Standard 3, höchstens\n"
        "                         600); liegt der beste Versatz am Rand, folgt eine Warnung\n"
        "  --bootstrap N          Wiederholungen des Bootstraps über ganze Sinneinheiten\n"
        "                         für die zeitbasierten Intervalle (Standard 1000, 0: keine)\n"
        "  --startwert N          Startwert seines Zufallsgenerators (Standard 1); gleicher\n"
        "                         Startwert, gleiche Intervalle\n"
        "  --block N              zieht Blöcke aus N aufeinanderfolgenden Sinneinheiten\n"
        "                         (Standard 1)\n"
        "  --titel TEXT           Überschrift der Zeitleiste oder des Berichts\n"
        "  --namen A,B,...        Namen der Bänder der Zeitleiste, der Untertitelzeilen\n"
        "                         oder Ebenen (Standard: Rater aus dem Dateinamen), einer\n"
        "                         je Datei\n"
        "  --von ZEIT, --bis ZEIT Zeitfenster der Zeitleiste, als mm:ss oder Sekunden\n"
        "  --video VIDEO          das Video, das das EAF-Dokument als Medium nennt\n"
        "  --dezimalkomma         Zahlen in Text, PDF und Bild mit Dezimalkomma (die CSV\n"
        "                         behält den Punkt)\n"
        "  -h, --help             diese Hilfe\n"
        "  --version              gibt die Versionsnummer aus\n"
        "\n"
        "Zahlen stehen mit Dezimalpunkt, außer mit --dezimalkomma. Warnungen gehen auf die\n"
        "Standardfehlerausgabe. Rückgabewert: 0 bei Erfolg, 1 wenn eine Datei unlesbar\n"
        "oder beschädigt ist oder die Ausgabe nicht geschrieben werden kann (dann gibt es\n"
        "keine Ergebnisse), 2 bei falschem Aufruf.\n");
}

bool Befehlszeile::malt() const
{
    return befehl_ == befehlZeitleiste || befehl_ == befehlBericht || befehl_ == befehlBlandAltman;
}

bool Befehlszeile::studienbericht() const
{
    if (befehl_ == befehlStudie || befehl_ == befehlBlandAltman)
        return true;
    if (befehl_ != befehlBericht || dateien_.size() != 2)
        return befehl_ == befehlBericht;
    return QFileInfo(dateien_[0]).isDir() || QFileInfo(dateien_[1]).isDir();
}

bool Befehlszeile::lesen(const QStringList &argumente)
{
    for (int i = 0; i < argumente.size(); ++i) {
        const QString &arg = argumente[i];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help") ||
            arg == QLatin1String("--hilfe")) {
            hilfe_ = true;
            return true;
        }
        QString name = arg;
        QString wert;
        const int gleich = int(arg.indexOf(QLatin1Char('=')));
        if (arg.startsWith(QLatin1String("--")) && gleich > 0) {
            name = arg.left(gleich);
            wert = arg.mid(gleich + 1);
        } else if (brauchtWert(arg)) {
            if (i + 1 >= argumente.size())
                return scheitern(QStringLiteral("%1 braucht einen Wert").arg(arg));
            wert = argumente[++i];
        }
        if (name.startsWith(QLatin1Char('-')) && name.size() > 1) {
            if (!optionLesen(name, wert))
                return false;
        } else if (befehl_.isEmpty()) {
            if (!befehle.contains(arg))
                return scheitern(QStringLiteral("unbekannter Befehl \"%1\"").arg(arg));
            befehl_ = arg;
        } else {
            dateien_.append(arg);
        }
    }
    if (befehl_.isEmpty())
        return scheitern(QStringLiteral("kein Befehl angegeben"));
    return passtZumBefehl();
}

bool Befehlszeile::optionLesen(const QString &name, const QString &wert)
{
    optionen_.append(name);
    qint64 zahl = 0;
    if (name == optCsv) {
        csv_ = true;
    } else if (name == optDezimalkomma) {
        dezimalkomma_ = true;
    } else if (name == optSchritt) {
        return sekundenLesen(name, wert, 0.001, 1e6, vergleich_.schritt);
    } else if (name == optToleranz) {
        return sekundenLesen(name, wert, 0.0, 1e6, vergleich_.toleranz);
    } else if (name == optVersatz && wert == QLatin1String("auto")) {
        vergleich_.versatzAutomatisch = true;
    } else if (name == optVersatz) {
        return sekundenLesen(name, wert, -1e6, 1e6, vergleich_.versatz);
    } else if (name == optSuchbereich) {
        return sekundenLesen(name, wert, 0.0, 600.0, vergleich_.suchbereich);
    } else if (name == optBootstrap) {
        if (!ganzzahlLesen(name, wert, 0, 100000, zahl))
            return false;
        vergleich_.wiederholungen = int(zahl);
    } else if (name == optStartwert) {
        if (!ganzzahlLesen(name, wert, 0, std::numeric_limits<qint64>::max(), zahl))
            return false;
        vergleich_.startwert = quint64(zahl);
    } else if (name == optBlock) {
        if (!ganzzahlLesen(name, wert, 1, 100000, zahl))
            return false;
        vergleich_.block = int(zahl);
    } else if (name == optAusgabe) {
        ausgabe_ = wert;
    } else if (name == optTitel) {
        zeitleiste_.titel = wert;
    } else if (name == optNamen) {
        zeitleiste_.namen.clear();
        for (const QString &n : wert.split(QLatin1Char(',')))
            zeitleiste_.namen << n.trimmed();
        if (zeitleiste_.namen.contains(QString()))
            return scheitern(
                QStringLiteral("--namen \"%1\": erwartet werden Namen, durch Komma getrennt")
                    .arg(wert));
    } else if (name == optVon) {
        return zeitLesen(name, wert, zeitleiste_.von);
    } else if (name == optBis) {
        return zeitLesen(name, wert, zeitleiste_.bis);
    } else if (name == optVideo) {
        video_ = wert;
    } else {
        return scheitern(QStringLiteral("unbekannte Option %1").arg(name));
    }
    return true;
}

bool Befehlszeile::sekundenLesen(const QString &name, const QString &wert, double minimum,
                                 double maximum, qint64 &ziel)
{
    QString text = wert;
    text.replace(QLatin1Char(','), QLatin1Char('.')); // "0,1" is how many here write it
    bool ok = false;
    const double sekunden = text.toDouble(&ok);
    if (!ok || !std::isfinite(sekunden) || sekunden < minimum || sekunden > maximum) {
        QString bereich;
        if (minimum >= 0 && maximum < 1e6)
            bereich = QStringLiteral(" von %1 bis %2").arg(minimum).arg(maximum);
        else if (minimum >= 0)
            bereich = QStringLiteral(" ab %1").arg(minimum);
        return scheitern(QStringLiteral("%1 \"%2\": erwartet wird eine Zahl in Sekunden%3")
                             .arg(name, wert, bereich));
    }
    ziel = std::llround(sekunden * 1e6);
    return true;
}

bool Befehlszeile::zeitLesen(const QString &name, const QString &wert, qint64 &ziel)
{
    if (!wert.contains(QLatin1Char(':')))
        return sekundenLesen(name, wert, 0.0, 1e6, ziel);
    Zeitpunkt t;
    const QByteArray wort = wert.toLatin1();
    if (!t.ausWort(wort))
        return scheitern(QStringLiteral("%1 \"%2\": erwartet wird eine Zeit wie 12:30 oder "
                                        "12:30.5, oder Sekunden")
                             .arg(name, wert));
    ziel = std::llround(t.inSekunden() * 1e6);
    return true;
}

bool Befehlszeile::ganzzahlLesen(const QString &name, const QString &wert, qint64 minimum,
                                 qint64 maximum, qint64 &ziel)
{
    bool ok = false;
    const qint64 zahl = wert.toLongLong(&ok);
    if (!ok || zahl < minimum || zahl > maximum)
        return scheitern(QStringLiteral("%1 \"%2\": erwartet wird eine ganze Zahl von %3 bis %4")
                             .arg(name, wert)
                             .arg(minimum)
                             .arg(maximum));
    ziel = zahl;
    return true;
}

bool Befehlszeile::passtZumBefehl()
{
    for (const QString &o : std::as_const(optionen_)) {
        if (!geltung().value(o).contains(befehl_))
            return scheitern(QStringLiteral("die Option %1 gilt nicht für %2").arg(o, befehl_));
    }
    if (dateien_.isEmpty())
        return scheitern(QStringLiteral("%1: keine Datei angegeben").arg(befehl_));
    if (befehl_ == befehlUebereinstimmung && dateien_.size() != 2)
        return scheitern(QStringLiteral("uebereinstimmung vergleicht genau zwei Dateien, "
                                        "angegeben sind %1")
                             .arg(dateien_.size()));
    if (befehl_ == befehlZeitleiste && dateien_.size() != 2 && optionen_.contains(optVersatz))
        return scheitern(QStringLiteral("zeitleiste: --versatz verschiebt die zweite von genau "
                                        "zwei Dateien"));
    if (optionen_.contains(optSuchbereich) && !vergleich_.versatzAutomatisch)
        return scheitern(
            QStringLiteral("%1: --suchbereich gilt nur mit --versatz auto").arg(befehl_));
    if (!zeitleiste_.namen.isEmpty() &&
        (studienbericht() || zeitleiste_.namen.size() != dateien_.size()))
        return scheitern(QStringLiteral("%1: --namen braucht genau einen Namen je Datei (%2 "
                                        "Namen, %3 Dateien)")
                             .arg(befehl_)
                             .arg(zeitleiste_.namen.size())
                             .arg(dateien_.size()));
    if (zeitleiste_.bis >= 0 && zeitleiste_.bis <= zeitleiste_.von)
        return scheitern(QStringLiteral("%1: --bis muss nach --von liegen").arg(befehl_));
    return ausgabePasst();
}

bool Befehlszeile::ausgabePasst()
{
    const bool bild = befehl_ == befehlZeitleiste || befehl_ == befehlBlandAltman;
    const bool pdf = befehl_ == befehlBericht;
    if (bild && ausgabe_.isEmpty())
        return scheitern(QStringLiteral("%1: die Bilddatei fehlt (-o BILD.png oder "
                                        "-o BILD.svg)")
                             .arg(befehl_));
    if (pdf && ausgabe_.isEmpty())
        return scheitern(QStringLiteral("bericht: die PDF-Datei fehlt (-o BERICHT.pdf)"));
    if (bild && !ausgabe_.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !ausgabe_.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return scheitern(
            QStringLiteral("%1: \"%2\" endet weder auf .png noch auf .svg").arg(befehl_, ausgabe_));
    if (pdf && !ausgabe_.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return scheitern(QStringLiteral("bericht: \"%1\" endet nicht auf .pdf").arg(ausgabe_));
    if (!exportPasst())
        return false;
    if (ausgabe_.isEmpty())
        return true;
    // A slip of the finger must never overwrite what a rater made.
    for (const QString &endung : {QStringLiteral("_Verlauf.dat"), QStringLiteral("_Info.dat")}) {
        if (ausgabe_.endsWith(endung, Qt::CaseInsensitive))
            return scheitern(QStringLiteral("-o \"%1\": so heißen die Dateien der "
                                            "Ratingkonsole; bitte einen anderen Namen wählen")
                                 .arg(ausgabe_));
    }
    const QFileInfo ziel(ausgabe_);
    for (const QString &d : std::as_const(dateien_)) {
        if (ziel.exists() && QFileInfo(d).canonicalFilePath() == ziel.canonicalFilePath())
            return scheitern(QStringLiteral("-o \"%1\" ist eine der Eingabedateien").arg(ausgabe_));
    }
    return true;
}

bool Befehlszeile::exportPasst()
{
    if (befehl_ != befehlUntertitel && befehl_ != befehlEaf)
        return true;
    // Searched shifts move each file onto the first; a fixed one is meant for the second.
    if (dateien_.size() != 2 && optionen_.contains(optVersatz) && !vergleich_.versatzAutomatisch)
        return scheitern(QStringLiteral("%1: --versatz SEKUNDEN verschiebt die zweite von genau "
                                        "zwei Dateien; bei mehr Dateien --versatz auto")
                             .arg(befehl_));
    if (!video_.isEmpty() && !QFileInfo(video_).isFile())
        return scheitern(QStringLiteral("--video \"%1\": keine Datei").arg(video_));
    if (ausgabe_.isEmpty())
        return scheitern(QStringLiteral("%1: die Ausgabedatei fehlt (-o %2)")
                             .arg(befehl_, befehl_ == befehlEaf ? QStringLiteral("DATEI.eaf")
                                                                : QStringLiteral("DATEI.vtt")));
    Untertitel::Format format;
    if (befehl_ == befehlUntertitel && !Untertitel::formatErkennen(ausgabe_, format))
        return scheitern(QStringLiteral("untertitel: \"%1\" endet nicht auf .vtt, .srt oder .ass "
                                        "(-o DATEI.vtt)")
                             .arg(ausgabe_));
    if (befehl_ == befehlEaf && !ausgabe_.endsWith(QLatin1String(".eaf"), Qt::CaseInsensitive))
        return scheitern(
            QStringLiteral("eaf: \"%1\" endet nicht auf .eaf (-o DATEI.eaf)").arg(ausgabe_));
    return true;
}

bool Befehlszeile::scheitern(const QString &meldung)
{
    fehler_ = meldung;
    return false;
}
