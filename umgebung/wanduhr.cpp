#include "wanduhr.h"

namespace {

const Wanduhr *eingesetzt = nullptr;

} // namespace

QDateTime Wanduhr::jetzt() const
{
    return QDateTime::currentDateTime();
}

QDateTime Wanduhr::lesen()
{
    return eingesetzt ? eingesetzt->jetzt() : QDateTime::currentDateTime();
}

const Wanduhr *Wanduhr::einsetzen(const Wanduhr *uhr)
{
    const Wanduhr *vorher = eingesetzt;
    eingesetzt = uhr;
    return vorher;
}
