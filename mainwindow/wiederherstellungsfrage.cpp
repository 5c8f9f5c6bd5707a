#include "wiederherstellungsfrage.h"

#include "journalfund.h"

#include "meldungsfenster.h"

#include <QWidget>

bool WiederherstellungsFrage::stellen(QWidget *eltern, const JournalFund &fund)
{
    const Rueckfrage::Art art = fund.aelterAlsVerlauf() ? Rueckfrage::Art::WiederherstellenAelter
                                                        : Rueckfrage::Art::Wiederherstellen;
    return rueckfragen(art, eltern, titel(), text(fund)) == Rueckfrage::Ja;
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
                    fund.letzterZeitpunkt.toString(), fund.dateiName) +
           aelter(fund);
}

// An older journal over a newer saved session: recovering it is rarely meant.
QString WiederherstellungsFrage::aelter(const JournalFund &fund)
{
    if (!fund.aelterAlsVerlauf())
        return QString();
    return tr("\n\nACHTUNG: Der gespeicherte Verlauf %1 (%2 Sinneinheiten) ist NEUER als "
              "dieses Journal. Wird es trotzdem wiederhergestellt, bleibt er beim 'Ende' als "
              "datierte Kopie erhalten.")
        .arg(fund.verlaufDatei, QString::number(fund.verlaufEinheiten));
}
