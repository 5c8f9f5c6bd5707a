#include "einschaetzung.h"

const QString EinschaetzungKuerzel[EinschaetzungAnzahl] = {
    QStringLiteral("null"), QStringLiteral("TL"),  QStringLiteral("TNL"), QStringLiteral("TU"),
    QStringLiteral("KL"),   QStringLiteral("KNL"), QStringLiteral("KU"),  QStringLiteral("NIX")};

const QString EinschaetzungName[EinschaetzungAnzahl] = {
    QStringLiteral("null"),
    QStringLiteral("Therapeut lösungsfokussiert"),
    QStringLiteral("Therapeut nicht lösungsfokussiert"),
    QStringLiteral("Therapeut unklar"),
    QStringLiteral("Klient Lösungssprache"),
    QStringLiteral("Klient keine Lösungssprache"),
    QStringLiteral("Klient unklar"),
    QStringLiteral("Pause")};
