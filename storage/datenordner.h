#ifndef DATENORDNER_H
#define DATENORDNER_H

#include <QString>

// The rater's own data folder for what belongs to no session folder: copies kept while a
// file is rewritten in place, marks on journals, locks of folders that take no file.
// Created when missing; empty when it cannot be.
QString datenordner(const QString &unterordner = QString());

#endif
