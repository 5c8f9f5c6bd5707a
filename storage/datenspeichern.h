#ifndef DATENSPEICHERN_H
#define DATENSPEICHERN_H

#include <QString>
#include <QWidget>

#include <functional>

class QTextStream;

// Base of the session-file savers: gets at the file, hands a text stream to the subclass
// and asks the rater "Noch mal versuchen?" for as long as an attempt fails and the answer
// is Retry. Never shown; a widget only so that it can parent its warning box.
//
// Files are Latin-1 without byte-order mark, LF line ends. A save goes through AtomareDatei:
// the target is replaced only by complete content, so when the rater gives up, the old
// file stays as it was and no temporary file is left.
class DatenSpeichern : public QWidget
{
    Q_OBJECT

public:
    explicit DatenSpeichern(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags f = {});

    virtual bool DatenSpeicherStream(QTextStream &stream);
    virtual bool DatenLeseStream(QTextStream &stream);
    virtual QString DateiName(QString erster, QString zweiter);

    bool DateiSpeichern(QString dateiName, QString bezeichnung);
    bool DateiLesen(QString dateiName, QString bezeichnung);
    // 1 = try again, 0 = give up, -1 = any other answer; asked through the prompt seam
    // (caption "Morvanto Festplattenzugriff?", Retry as default, Abort as escape button).
    int NochMalVersuchen(QString dateiName, QString verb, QString grund);

    // The folder the file names are taken in (by its absolute path); the process's working
    // folder while none is set. The names shown stay as given.
    void ordnerSetzen(const QString &ordner) { this->ordner = ordner; }
    // Why the last attempt failed, in German (a missing folder, a full disk); empty after
    // success. The prompt's own texts stay as they are.
    QString fehlerGrund() const { return letzterGrund; }

protected:
    // For the subclasses' DateiName: remembers both parts, returns erster_zweiter + endung.
    QString namenMerken(const QString &erster, const QString &zweiter, const QString &endung);

    QString klient;
    QString rater;

private:
    QString pfad(const QString &dateiName) const;

    QString ordner;
    QString letzterGrund;

    enum class Versuch
    {
        Gelungen,
        NichtGeoeffnet,
        Fehlgeschlagen
    };

    bool wiederholen(const QString &dateiName, const QString &bezeichnung, const QString &verb,
                     const char *fehlerText, const std::function<Versuch()> &versuch);
    Versuch speicherVersuch(const QString &dateiName);
    Versuch leseVersuch(const QString &dateiName);
};

#endif
