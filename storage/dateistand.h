#ifndef DATEISTAND_H
#define DATEISTAND_H

#include <QByteArray>
#include <QString>

// What a file held when this program last read or wrote it, to tell whether someone else has
// written it since. By content, so that a copy or a clock going wrong cannot fool it.
struct DateiStand
{
    bool vorhanden = false;
    qint64 groesse = 0;
    QByteArray pruefsumme;

    // An unreadable file counts as changed against every state.
    static DateiStand lesen(const QString &pfad);

    bool operator==(const DateiStand &andere) const
    {
        return vorhanden == andere.vorhanden && groesse == andere.groesse &&
               pruefsumme == andere.pruefsumme;
    }
    bool operator!=(const DateiStand &andere) const { return !(*this == andere); }
};

#endif
