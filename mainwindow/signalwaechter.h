#ifndef SIGNALWAECHTER_H
#define SIGNALWAECHTER_H

#include <QObject>

#include <csignal>
#include <initializer_list>
#include <utility>
#include <vector>

class QSocketNotifier;

// Turns termination signals into a Qt signal in the event loop, where the program may save
// its data. The handler itself only write()s the signal's number into a pipe (the self-pipe
// pattern); a QSocketNotifier on the other end delivers it. One watcher per process at a
// time; its destruction restores the handlers it replaced.
class SignalWaechter : public QObject
{
    Q_OBJECT

public:
    explicit SignalWaechter(std::initializer_list<int> signale, QObject *parent = nullptr);
    ~SignalWaechter() override;
    SignalWaechter(const SignalWaechter &) = delete;
    SignalWaechter &operator=(const SignalWaechter &) = delete;

signals:
    void signalEmpfangen(int signal);

private:
    static void behandeln(int signal);
    void lesen();

    int rohr[2] = {-1, -1};
    QSocketNotifier *melder = nullptr;
    std::vector<std::pair<int, struct sigaction>> vorher;
};

#endif
