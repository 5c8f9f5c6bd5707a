#include "hinweis.h"

#include <QMessageBox>

#include <utility>

namespace {

Hinweis::Anzeige &eingesetzteAnzeige()
{
    static Hinweis::Anzeige anzeige;
    return anzeige;
}

} // namespace

void Hinweis::zeigen(QWidget *eltern, const QString &titel, const QString &text)
{
    if (const Anzeige &anzeige = eingesetzteAnzeige())
        anzeige(titel, text);
    else
        QMessageBox::warning(eltern, titel, text);
}

Hinweis::Anzeige Hinweis::anzeigeSetzen(Anzeige anzeige)
{
    Anzeige vorher = std::move(eingesetzteAnzeige());
    eingesetzteAnzeige() = std::move(anzeige);
    return vorher;
}
