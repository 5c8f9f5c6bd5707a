#include "raterspuren.h"

#include "angleichung.h"
#include "spurnamen.h"
#include "studienaufbau.h"
#include "uebereinstimmungbericht.h"

Raterspuren::Raterspuren(std::vector<Sitzung> sitzungen, const Vergleichseinstellungen &e,
                         const QStringList &namen)
    : sitzungen_(std::move(sitzungen))
{
    for (size_t i = 1; i < sitzungen_.size(); ++i) {
        const QString klienten = Studienaufbau::klientenWarnung(sitzungen_[0], sitzungen_[i]);
        if (!klienten.isEmpty())
            warnungen_ << klienten;
    }
    if (Angleichung(sitzungen_, e).amRand())
        warnungen_ << UebereinstimmungBericht::randWarnung(e);
    namen_ = spurNamen(sitzungen_, namen);
}
