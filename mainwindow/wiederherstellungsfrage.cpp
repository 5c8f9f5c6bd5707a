#include "wiederherstellungsfrage.h"

#include "journalfund.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

WiederherstellungsFrage::Antwort &eingesetzteAntwort()
{
    static WiederherstellungsFrage::Antwort antwort;
    return antwort;
}

} // namespace

bool WiederherstellungsFrage::stellen(QWidget *eltern, const JournalFund &fund)
{
    if (const Antwort &antwort = eingesetzteAntwort())
        return antwort(titel(), text(fund));

    QMessageBox box(QMessageBox::Question, titel(), text(fund), QMessageBox::NoButton, eltern);
    QPushButton *ja = box.addButton(tr("Wiederherstellen"), QMessageBox::AcceptRole);
    QPushButton *nein = box.addButton(tr("Nicht wiederherstellen"), QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
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

WiederherstellungsFrage::Antwort WiederherstellungsFrage::antwortSetzen(Antwort antwort)
{
    Antwort vorher = std::move(eingesetzteAntwort());
    eingesetzteAntwort() = std::move(antwort);
    return vorher;
}
