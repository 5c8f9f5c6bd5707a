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
    // Answers the retry prompt in place of the warning box: receives the box's caption and
    // text, returns 1 (Retry), 0 (Abort) or -1 (any other answer).
    using Rueckfrage = std::function<int(const QString &titel, const QString &text)>;

    explicit DatenSpeichern(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags f = {});

    virtual bool DatenSpeicherStream(QTextStream &stream);
    virtual bool DatenLeseStream(QTextStream &stream);
    virtual QString DateiName(QString erster, QString zweiter);

    bool DateiSpeichern(QString dateiName, QString bezeichnung);
    bool DateiLesen(QString dateiName, QString bezeichnung);
    // 1 = try again, 0 = give up, -1 = any other answer.
    int NochMalVersuchen(QString dateiName, QString verb, QString grund);

    // Test seam for every saver in the process: replaces the warning box (modal
    // QMessageBox::warning, parent the saver, caption "Morvanto Festplattenzugriff?",
    // Retry as default button, Abort as escape button). An empty function restores the
    // box. Returns the function set before, so that a test can put it back.
    static Rueckfrage rueckfrageSetzen(Rueckfrage rueckfrage);

protected:
    // For the subclasses' DateiName: remembers both parts, returns erster_zweiter + endung.
    QString namenMerken(const QString &erster, const QString &zweiter, const QString &endung);

    QString klient;
    QString rater;

private:
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
    int warnungZeigen(const QString &titel, const QString &text);
};

#endif
