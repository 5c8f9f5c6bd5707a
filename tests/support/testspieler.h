#ifndef TESTSPIELER_H
#define TESTSPIELER_H

#include <QJsonArray>
#include <QJsonValue>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// For tests that need the real player: without mpv (under Wine there is no mpv.exe) they
// skip.
#define SPIELER_ODER_UEBERSPRINGEN()                                                               \
    if (QStandardPaths::findExecutable(QStringLiteral("mpv")).isEmpty())                           \
    QSKIP("no mpv to couple with (under Wine there is no mpv.exe)")

// A real mpv, started through morvanto-video, headless, playing a generated picture, with
// a private socket folder of its own; and a second connection through which the test
// drives the player as a rater would and asks it for its position.
class TestSpieler
{
public:
    // frameRate: frames per second of the generated video; the player reports its position
    // once per frame.
    explicit TestSpieler(const QString &startProgramm, int frameRate = 100);
    ~TestSpieler();
    TestSpieler(const TestSpieler &) = delete;
    TestSpieler &operator=(const TestSpieler &) = delete;

    QString sockel() const;
    // Starts the player and connects the test's own connection; false with the player's
    // output when it did not come up.
    bool starten(QString *ausgabe = nullptr);
    // Sends one command and returns its reply's data (undefined on error or timeout).
    QJsonValue befehl(const QJsonArray &befehl);
    double position();
    bool pausiert();
    void pausieren(bool pause);
    // Seeks exactly and waits until the player shows that frame.
    bool springen(double sekunden);
    // A key pressed in the player's window, as its input configuration binds it.
    void taste(const QString &name);
    // Quits the player and waits for it to end.
    void beenden();

    QProcess prozess;
    // Arguments of the start program that come before the player's own (a review's files).
    QStringList vorne;

private:
    QString programm;
    int bilder;
    QTemporaryDir ordner;
    QLocalSocket steuerung;
    QByteArray gelesen;
    int naechsteAnfrage = 1;
};

#endif
