#ifndef ZEICHENLESER_H
#define ZEICHENLESER_H

#include <QString>

class QTextStream;

// Reads a text stream as the history reader needs it: single characters, and words (white
// space skipped before a word; the white space that ends it stays unread). Counts the line
// ends it has passed, so that a rejected line can be named. Reads ahead in large pieces:
// the stream is not to be read by anyone else meanwhile.
class ZeichenLeser
{
public:
    explicit ZeichenLeser(QTextStream &stream) : stream(stream) {}

    bool amEnde() { return !nachfuellen(); }
    // QChar(0) at the end, which is neither TAB nor LF.
    QChar zeichen();
    // Empty at the end.
    QString wort();
    // Reads the rest; true when it holds nothing but white space.
    bool nurNochLeerraum();
    // Line of the next unread character, counted from 1.
    int zeile() const { return zeile_; }

private:
    bool nachfuellen();

    QTextStream &stream;
    QString puffer;
    qsizetype pos = 0;
    int zeile_ = 1;
};

#endif
