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
    e.verlaufName = verlaufSpeicher->DateiName(teil1, teil2);
    e.verlaufOk = verlaufSpeicher->DateiSpeichern(e.verlaufName, datenBezeichnung);
    delete verlaufSpeicher;
    qDebug("%s%d", verlaufMeldung, int(e.verlaufOk));

    auto *infoSpeicher = new InfoSpeichern(fenster);
    infoSpeicher->InfoDatenSetzen(anzahl, dauer, sitzung.verlauf().letzterZeitpunkt(),
                                  sitzung.weitergefuehrt(), sitzung.pauseGedrueckt());
    e.infoName = infoSpeicher->DateiName(teil1, teil2);
    e.infoOk = infoSpeicher->DateiSpeichern(e.infoName, datenBezeichnung);
    delete infoSpeicher;
    qDebug("InfoSpeichern war erfolgreich: %d", int(e.infoOk));
    return e;
}

SitzungsDateien::Gelesen SitzungsDateien::einlesen(Sitzung &sitzung, const QString &name)
{
    auto *leser = new VerlaufSpeichern(fenster);
    leser->verlauf = sitzung.verlaufZeiger();
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
