#include "meldungsfenster.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("WiederherstellungsFrage", text);
}

} // namespace

int Meldungsfenster::fragen(Art art, QObject *eltern, const QString &titel, const QString &text)
{
    const std::unique_ptr<QMessageBox> box =
        bauen(art, qobject_cast<QWidget *>(eltern), titel, text);
    box->exec();
    return antwort(art, *box);
}

std::unique_ptr<QMessageBox> Meldungsfenster::bauen(Art art, QWidget *eltern, const QString &titel,
                                                    const QString &text)
{
    std::unique_ptr<QMessageBox> box;
    switch (art) {
    case Art::Wiederholen:
        // What QMessageBox::warning builds, with Abort named as the escape button instead of
        // left to the box's guess.
        box = std::make_unique<QMessageBox>(QMessageBox::Warning, titel, text,
                                            QMessageBox::Retry | QMessageBox::Abort, eltern);
        box->setDefaultButton(QMessageBox::Retry);
        box->setEscapeButton(QMessageBox::Abort);
        break;
    case Art::Wiederherstellen:
    case Art::WiederherstellenAelter: {
        box = std::make_unique<QMessageBox>(QMessageBox::Question, titel, text,
                                            QMessageBox::NoButton, eltern);
        QPushButton *ja = box->addButton(tr("Wiederherstellen"), QMessageBox::AcceptRole);
        QPushButton *nein = box->addButton(tr("Nicht wiederherstellen"), QMessageBox::RejectRole);
        box->setDefaultButton(art == Art::Wiederherstellen ? ja : nein);
        box->setEscapeButton(nein);
        break;
    }
    case Art::Hinweis:
    case Art::VerbotenesBeenden:
        // What QMessageBox::warning and QMessageBox::critical build.
        box = std::make_unique<QMessageBox>(art == Art::Hinweis ? QMessageBox::Warning
                                                                : QMessageBox::Critical,
                                            titel, text, QMessageBox::Ok, eltern);
        break;
    }
    return box;
}

int Meldungsfenster::antwort(Art art, const QMessageBox &box)
{
    if (art == Art::Wiederherstellen || art == Art::WiederherstellenAelter)
        return box.clickedButton() && box.buttonRole(box.clickedButton()) == QMessageBox::AcceptRole
                   ? Ja
                   : Nein;
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Retry:
    case QMessageBox::Ok:
        return Wiederholen;
    case QMessageBox::Abort:
        return Aufgeben;
    default:
        return Anders;
    }
}

int rueckfragen(Rueckfrage::Art art, QObject *eltern, const QString &titel, const QString &text)
{
    if (Rueckfrage *eingesetzt = Rueckfrage::eingesetzt())
        return eingesetzt->fragen(art, eltern, titel, text);
    Meldungsfenster echt;
    return echt.fragen(art, eltern, titel, text);
}
