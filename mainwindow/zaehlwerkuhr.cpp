#include "zaehlwerkuhr.h"

void ZaehlwerkUhr::restart()
{
    timer.start();
}

qint64 ZaehlwerkUhr::elapsed() const
{
    return timer.isValid() ? timer.elapsed() : 0;
}
