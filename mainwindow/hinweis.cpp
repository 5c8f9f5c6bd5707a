#include "hinweis.h"

#include "meldungsfenster.h"

#include <QWidget>

void Hinweis::zeigen(QWidget *eltern, const QString &titel, const QString &text)
{
    rueckfragen(Rueckfrage::Art::Hinweis, eltern, titel, text);
}
