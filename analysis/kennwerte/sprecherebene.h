#ifndef SPRECHEREBENE_H
#define SPRECHEREBENE_H

#include "kreuztabelle.h"

// The seven codes collapsed to who speaks: T (TL, TNL, TU), K (KL, KNL, KU) and NIX for the
// pause; a segmentation table keeps its "ohne" category as a fourth.
Kreuztabelle sprecherebene(const Kreuztabelle &t);

#endif
