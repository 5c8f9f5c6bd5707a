#include "sitzungsdateien.h"

#include "infospeichern.h"
#include "sitzung.h"
#include "verlaufspeichern.h"

#include <QDebug>

namespace {

const QString datenBezeichnung = QStringLiteral("Rating Verlauf");

} // namespace

SitzungsDateien::Ergebnis SitzungsDateien::speichern(Sitzung &sitzung, const QString &teil1,
                                                     const QString &teil2, const QString &anzahl,
                                                     const QString &dauer,
                                                     const char *verlaufMeldung)
{
    Ergebnis e;
    auto *verlaufSpeicher = new VerlaufSpeichern(fenster);
    verlaufSpeicher->verlauf = sitzung.verlaufZeiger();
    verlaufSpeicher->ordnerSetzen(sitzung.ordner());
    e.verlaufName = verlaufSpeicher->DateiName(teil1, teil2);
    const QString verlaufPfad = sitzung.dateiPfad(e.verlaufName);
    if (sitzung.verlaufSichern(verlaufPfad, &e.grund)) {
        e.aufbewahrt = sitzung.aufbewahrt();
        e.verlaufOk = verlaufSpeicher->DateiSpeichern(e.verlaufName, datenBezeichnung);
        e.grund = verlaufSpeicher->fehlerGrund();
    } else {
        e.grund =
            QStringLiteral("%1 geändert und nicht aufzubewahren: %2").arg(e.verlaufName, e.grund);
    }
    if (e.verlaufOk)
        sitzung.verlaufGeschrieben(verlaufPfad);
    delete verlaufSpeicher;
    qDebug("%s%d", verlaufMeldung, int(e.verlaufOk));

    auto *infoSpeicher = new InfoSpeichern(fenster);
    infoSpeicher->InfoDatenSetzen(anzahl, dauer, sitzung.verlauf().letzterZeitpunkt(),
                                  sitzung.weitergefuehrt(), sitzung.pauseGedrueckt());
    infoSpeicher->ordnerSetzen(sitzung.ordner());
    e.infoName = infoSpeicher->DateiName(teil1, teil2);
    e.infoOk = infoSpeicher->DateiSpeichern(e.infoName, datenBezeichnung);
    if (e.grund.isEmpty())
        e.grund = infoSpeicher->fehlerGrund();
    delete infoSpeicher;
    qDebug("InfoSpeichern war erfolgreich: %d", int(e.infoOk));
    return e;
}

SitzungsDateien::Gelesen SitzungsDateien::einlesen(Sitzung &sitzung, const QString &name)
{
    auto *leser = new VerlaufSpeichern(fenster);
    leser->verlauf = sitzung.verlaufZeiger();
    leser->ordnerSetzen(sitzung.ordner());
    Gelesen g;
    g.ok = leser->DateiLesen(name, datenBezeichnung);
    g.stopp = leser->lesestopp;
    delete leser;
    return g;
}

QStringList SitzungsDateien::namen(const QString &teil1, const QString &teil2)
{
    VerlaufSpeichern verlaufSpeicher(fenster);
    InfoSpeichern infoSpeicher(fenster);
    return {verlaufSpeicher.DateiName(teil1, teil2), infoSpeicher.DateiName(teil1, teil2)};
}

QString SitzungsDateien::verbotenText(int anzahl, const QString &dauer, const QString &info,
                                      const QString &verlauf)
{
    return tr("Vor dem Beenden dieses Programmes müssen die Daten IMMER manuell per 'Ende'-Taste "
              "abge-SPEICHER-t werden.\n\nFast wären die wertvollen %1 Sinneinheiten verloren "
              "gewesen, die in mühseliger %2 dauernden Arbeitszeit eingegeben wurden.\nAlso: "
              "Bitte immer als letztes 'Ende' drücken, dann erst das Programm schliessen!\n\nIch "
              "werde nun versuchen, eine Sicherheitskopie der Daten abzuspeichern unter: "
              "\n%3\n%4\n\nNach Kopieren und manuellem Umbenennen ins normale Schema können die "
              "Daten dann einfach\nmittels 'angefangene Sitzung weiterführen' eingelesen und neu "
              "abgespeichert werden.\n\nVielleicht nochmal Glück gehabt? Schaun wir mal, ob das "
              "Speichern nun klappt ...")
        .arg(QString::number(anzahl), dauer, info, verlauf);
}

QString SitzungsDateien::einlesenVerweigertText(const QString &name)
{
    return tr("Daten wurden NICHT aus %1 eingelesen: sonst wären die seit dem letzten Speichern "
              "eingegebenen Sinneinheiten verloren gewesen.\n\nDie Sitzung geht mit den Daten "
              "im Speicher weiter.")
        .arg(name);
}
