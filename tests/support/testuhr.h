#ifndef TESTUHR_H
#define TESTUHR_H

#include "zaehlwerkuhr.h"

// Time base driven by the test: jetzt() is what the test set. With proLesung > 0 every
// reading moves the clock on by that much, as a real clock does between two readings.
class TestUhr : public ZaehlwerkUhr
{
public:
    qint64 jetzt() const override;

    mutable qint64 ms = 0;
    qint64 proLesung = 0;
};

#endif
