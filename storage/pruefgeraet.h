#ifndef PRUEFGERAET_H
#define PRUEFGERAET_H

#include <QIODevice>

// Passes every write on to a file and remembers when one was taken short. On a full disk a
// large write comes back short without any error of the file's own, and writers that
// stream into a device (text streams, picture and PDF writers) accept that silently.
class PruefGeraet : public QIODevice
{
public:
    explicit PruefGeraet(QIODevice *ziel);

    bool kurzGeschrieben() const { return kurz; }
    void zielSetzen(QIODevice *neu) { ziel = neu; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *daten, qint64 laenge) override;

private:
    QIODevice *ziel;
    bool kurz = false;
};

#endif
