#include "rueckfrage.h"

namespace {

Rueckfrage *installiert = nullptr;

} // namespace

Rueckfrage *Rueckfrage::eingesetzt()
{
    return installiert;
}

Rueckfrage *Rueckfrage::einsetzen(Rueckfrage *rueckfrage)
{
    Rueckfrage *vorher = installiert;
    installiert = rueckfrage;
    return vorher;
}
