#include "zaehlwerkuhr.h"

ZaehlwerkUhr::ZaehlwerkUhr()
{
    timer.start();
}

qint64 ZaehlwerkUhr::jetzt() const
{
    return timer.elapsed();
}
