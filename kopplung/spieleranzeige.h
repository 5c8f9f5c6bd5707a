#ifndef SPIELERANZEIGE_H
#define SPIELERANZEIGE_H

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>

class Zeitpunkt;

// Morvanto's answers in the coupled player's picture, at the bottom so that the player's
// own time at the top stays visible: a note for about 1.5 s after each event, and above it
// the lasting lines (a correction waiting, a journal that cannot be written) while they
// hold. Every text passes osdText, so that a name from a file cannot restyle the line.
class SpielerAnzeige : public QObject
{
    Q_OBJECT

public:
    // One command line for the player's socket.
    using Senden = std::function<void(const QByteArray &)>;
    static constexpr int notizMs = 1500;
    enum class Dauer
    {
        Korrektur,
        Journal
    };

    explicit SpielerAnzeige(Senden senden, QObject *parent = nullptr);

    // Whether the rater asked the player for silence; until the player said so, nothing is
    // shown, and what came meanwhile is shown then unless silence was asked.
    void abschalten(bool aus);
    bool abgeschaltet() const { return aus_; }
    void notiz(const QString &text);
    // An empty text takes the line away.
    void dauerzeile(Dauer art, const QString &text);
    // The player went away: nothing is pending for the next one.
    void vergessen();

    // The texts, in the tone of the window's.
    static QString gekoppelt(const QString &klient, const QString &rater);
    static QString bewertung(int kategorie, const Zeitpunkt &t, int nummer);
    static QString korrekturWartet(int kategorie, const Zeitpunkt &t);
    static QString korrigiert(int alt, int neu, const Zeitpunkt &t);
    static QString lauf(bool laeuft);
    static QString wirktNicht(QChar taste, const QString &grund);

private:
    // After the event that asked for it: a press's own work on the GUI thread stays what it
    // was, and what one event changes goes out as one command.
    void zeigen();
    void senden();

    Senden kanal_;
    QTimer notizTakt_;
    QTimer sendeTakt_;
    QString notiz_;
    std::map<Dauer, QString> dauer_;
    bool aus_ = false;
    bool bekannt_ = false;
    bool sichtbar_ = false;
};

#endif
