#ifndef ZAEHLWERKUHR_H
#define ZAEHLWERKUHR_H

#include <QElapsedTimer>

// Time base of the counter: milliseconds on a monotonic clock since an arbitrary fixed
// origin, so that a change of the wall clock never moves the counter. Virtual so that a
// test can set the time instead of waiting for it.
class ZaehlwerkUhr
{
public:
    ZaehlwerkUhr();
    virtual ~ZaehlwerkUhr() = default;

    virtual qint64 jetzt() const;

private:
    QElapsedTimer timer;
};

#endif
