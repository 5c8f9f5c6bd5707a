#ifndef EINGABEART_H
#define EINGABEART_H

#include <QByteArray>
#include <QString>

// Recognises input that cannot be a history file of the console (Latin-1 text without a
// byte-order mark) by its first bytes, and says in German what it is instead: a UTF-8 or
// UTF-16 text, a picture, a video, an office document, binary data. Empty when the bytes
// may well be a history file; the line checks then take over.
QString fremdesFormat(const QByteArray &inhalt);

#endif
