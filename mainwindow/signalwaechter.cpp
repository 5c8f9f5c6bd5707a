#include "signalwaechter.h"

#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t schreibEnde = -1;

} // namespace

SignalWaechter::SignalWaechter(std::initializer_list<int> signale, QObject *parent)
    : QObject(parent)
{
    if (::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) {
        qDebug("ERROR: no pipe for signals (%s)", std::strerror(errno));
        return;
    }
    schreibEnde = rohr[1];
    melder = new QSocketNotifier(rohr[0], QSocketNotifier::Read, this);
    connect(melder, &QSocketNotifier::activated, this, &SignalWaechter::lesen);

    struct sigaction neu = {};
    neu.sa_handler = &SignalWaechter::behandeln;
    sigemptyset(&neu.sa_mask);
    neu.sa_flags = SA_RESTART;
    for (const int signal : signale) {
        struct sigaction alt = {};
        if (::sigaction(signal, &neu, &alt) == 0)
            vorher.emplace_back(signal, alt);
    }
}

SignalWaechter::~SignalWaechter()
{
    for (const auto &[signal, alt] : vorher)
        ::sigaction(signal, &alt, nullptr);
    if (schreibEnde == rohr[1])
        schreibEnde = -1;
    for (const int fd : rohr) {
        if (fd >= 0)
            ::close(fd);
    }
}

// Async-signal-safe: a write() and nothing else (errno kept for the interrupted code).
void SignalWaechter::behandeln(int signal)
{
    const int gesichert = errno;
    const unsigned char nummer = static_cast<unsigned char>(signal);
    if (schreibEnde >= 0 && ::write(schreibEnde, &nummer, 1) < 0) {
        // A full pipe already holds signals waiting to be handled.
    }
    errno = gesichert;
}

void SignalWaechter::lesen()
{
    unsigned char nummern[16];
    ssize_t n;
    while ((n = ::read(rohr[0], nummern, sizeof nummern)) > 0) {
        for (ssize_t i = 0; i < n; ++i)
            emit signalEmpfangen(nummern[i]);
    }
}
