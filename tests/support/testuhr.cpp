#include "testuhr.h"

qint64 TestUhr::jetzt() const
{
    const qint64 t = ms;
    ms += proLesung;
    return t;
}
