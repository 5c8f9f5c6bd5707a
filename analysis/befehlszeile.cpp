#include "befehlszeile.h"

#include <cmath>

namespace {

const QStringList befehle = {QStringLiteral("zusammenfassung"), QStringLiteral("uebereinstimmung"),
                             QStringLiteral("sequenzen"), QStringLiteral("zeitleiste")};

const QString optCsv = QStringLiteral("--csv");
const QString optSchritt = QStringLiteral("--schritt");
const QString optToleranz = QStringLiteral("--toleranz");
const QString optVersatz = QStringLiteral("--versatz");
const QString optBild = QStringLiteral("-o");

bool brauchtWert(const QString &name)
{
    return name == optSchritt || name == optToleranz || name == optVersatz || name == optBild;
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
        "      Übereinstimmung zweier Rater desselben Videos: zeitbasiert (Zeitscheiben;\n"
        "      Cohens Kappa, prozentuale Übereinstimmung, Gwets AC1, Kreuztabelle) und\n"
        "      ereignisbasiert (Enden der Einheiten innerhalb der Toleranz gepaart)\n"
        "  sequenzen DATEI...\n"
        "      Übergänge zwischen aufeinanderfolgenden Einheiten (Lag 1), über alle\n"
        "      Dateien zusammengefasst: Anzahlen, Übergangswahrscheinlichkeiten,\n"
        "      adjustierte Residuen nach Haberman\n"
        "  zeitleiste DATEI... -o BILD.png|BILD.svg [--versatz SEKUNDEN|auto]\n"
        "      ein Band je Datei über der Zeit (mm:ss), Einheiten nach Kategorie gefärbt;\n"
        "      bei zwei Dateien ein drittes Band mit den Abweichungen (B verschoben wie\n"
        "      bei uebereinstimmung)\n"
        "\n"
        "Optionen:\n"
        "  --csv                  Ausgabe als CSV (UTF-8, Komma als Trenner, Dezimalpunkt,\n"
        "                         eine Kopfzeile; Anteile als Werte von 0 bis 1)\n"
        "  --schritt SEKUNDEN     Länge der Zeitscheiben (Standard 0.1)\n"
        "  --toleranz SEKUNDEN    größter Abstand zweier gepaarter Enden (Standard 2)\n"
        "  --versatz SEKUNDEN     verschiebt alle Zeitpunkte von Rater B um diesen Wert;\n"
        "                         drückt B im Mittel 0.8 s später als A, passt -0.8\n"
        "  --versatz auto         sucht den Versatz im Bereich ±3 s (im Raster von\n"
        "                         --schritt), der die zeitbasierte Übereinstimmung\n"
        "                         maximiert, und gibt ihn an\n"
        "  -o BILD                Bilddatei der Zeitleiste, PNG oder SVG\n"
        "  -h, --help             diese Hilfe\n"
        "  --version              gibt die Versionsnummer aus\n"
        "\n"
        "Zahlen stehen immer mit Dezimalpunkt. Rückgabewert: 0 bei Erfolg, 1 wenn eine\n"
        "Datei unlesbar oder beschädigt ist (dann gibt es keine Ergebnisse), 2 bei\n"
        "falschem Aufruf.\n");
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
        const int gleich = arg.indexOf(QLatin1Char('='));
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
    if (name == optCsv)
        csv_ = true;
    else if (name == optSchritt)
        return sekundenLesen(name, wert, 0.001, vergleich_.schritt);
    else if (name == optToleranz)
        return sekundenLesen(name, wert, 0.0, vergleich_.toleranz);
    else if (name == optVersatz && wert == QLatin1String("auto"))
        vergleich_.versatzAutomatisch = true;
    else if (name == optVersatz)
        return sekundenLesen(name, wert, -1e6, vergleich_.versatz);
    else if (name == optBild)
        bild_ = wert;
    else
        return scheitern(QStringLiteral("unbekannte Option %1").arg(name));
    return true;
}

bool Befehlszeile::sekundenLesen(const QString &name, const QString &wert, double minimum,
                                 qint64 &ziel)
{
    QString text = wert;
    text.replace(QLatin1Char(','), QLatin1Char('.')); // "0,1" is how many here write it
    bool ok = false;
    const double sekunden = text.toDouble(&ok);
    if (!ok || !std::isfinite(sekunden) || sekunden < minimum || sekunden > 1e6)
        return scheitern(QStringLiteral("%1 \"%2\": erwartet wird eine Zahl in Sekunden%3")
                             .arg(name, wert,
                                  minimum > 0    ? QStringLiteral(" ab %1").arg(minimum)
                                  : minimum == 0 ? QStringLiteral(" ab 0")
                                                 : QString()));
    ziel = std::llround(sekunden * 1e6);
    return true;
}

bool Befehlszeile::passtZumBefehl()
{
    const bool vergleich = befehl_ == QLatin1String("uebereinstimmung");
    const bool bild = befehl_ == QLatin1String("zeitleiste");
    for (const QString &o : std::as_const(optionen_)) {
        // The picture takes the shift too, so that its band of differences matches the
        // agreement figures.
        const bool erlaubt = o == optCsv        ? !bild
                             : o == optBild     ? bild
                             : o == optToleranz ? vergleich
                                                : vergleich || bild;
        if (!erlaubt)
            return scheitern(QStringLiteral("die Option %1 gilt nicht für %2").arg(o, befehl_));
    }
    if (dateien_.isEmpty())
        return scheitern(QStringLiteral("%1: keine Datei angegeben").arg(befehl_));
    if (vergleich && dateien_.size() != 2)
        return scheitern(QStringLiteral("uebereinstimmung vergleicht genau zwei Dateien, "
                                        "angegeben sind %1")
                             .arg(dateien_.size()));
    if (bild && dateien_.size() != 2 && optionen_.contains(optVersatz))
        return scheitern(QStringLiteral("zeitleiste: --versatz verschiebt die zweite von genau "
                                        "zwei Dateien"));
    if (bild && bild_.isEmpty())
        return scheitern(QStringLiteral("zeitleiste: die Bilddatei fehlt (-o BILD.png oder "
                                        "-o BILD.svg)"));
    if (bild && !bild_.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !bild_.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return scheitern(
            QStringLiteral("zeitleiste: \"%1\" endet weder auf .png noch auf .svg").arg(bild_));
    return true;
}

bool Befehlszeile::scheitern(const QString &meldung)
{
    fehler_ = meldung;
    return false;
}
