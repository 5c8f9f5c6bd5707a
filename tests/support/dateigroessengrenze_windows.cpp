#include "dateigroessengrenze.h"

bool DateigroessenGrenze::moeglich()
{
    return false;
}

DateigroessenGrenze::DateigroessenGrenze(std::uint64_t) {}

void DateigroessenGrenze::aufheben()
{
    aktiv = false;
}
