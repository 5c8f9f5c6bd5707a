#ifndef ZAEHLWERKUHR_H
#define ZAEHLWERKUHR_H

#include <QElapsedTimer>

// Time base of the running counter: milliseconds since the last restart, on a monotonic
// clock, so that a change of the wall clock never moves the counter. Virtual so that a
// test can drive the counter without waiting.
class ZaehlwerkUhr
{
public:
    virtual ~ZaehlwerkUhr() = default;

    virtual void restart();
    // Not meaningful before the first restart().
    virtual qint64 elapsed() const;

private:
    QElapsedTimer timer;
};

#endif
