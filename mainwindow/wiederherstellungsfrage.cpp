#include "wiederherstellungsfrage.h"

#include "journalfund.h"

#include "meldungsfenster.h"

#include <QWidget>

bool WiederherstellungsFrage::stellen(QWidget *eltern, const JournalFund &fund)
{
    return rueckfragen(Rueckfrage::Art::Wiederherstellen, eltern, titel(), text(fund)) ==
           Rueckfrage::Ja;
}

QString WiederherstellungsFrage::titel()
{
    return tr("Morvanto - Sitzung wiederherstellen?");
}

QString WiederherstellungsFrage::text(const JournalFund &fund)
{
    return tr("Hier liegt das Journal einer Sitzung, die nie mit 'Ende' gespeichert wurde "
              "(Absturz? Stromausfall?):\n\n"
              "Klient: %1\nRater: %2\nAnzahl Sinneinheiten: %3\nletzte Sinneinheit bei: %4\n"
              "Datei: %5\n\n"
              "'Wiederherstellen' führt diese Sitzung weiter wie mit 'ja': das Zählwerk steht "
              "bei der letzten Sinneinheit, dann das Video dorthin bringen und weiter "
              "einschätzen.\nSonst bleibt das Journal unverändert liegen.")
        .arg(fund.klient, fund.rater, QString::number(fund.sinneinheiten),
             fund.letzterZeitpunkt.toString(), fund.dateiName);
}
