#ifndef KATEGORIEWERTE_H
#define KATEGORIEWERTE_H

#include "kennwert.h"

class Kreuztabelle;

// Is one category reliable on its own?
// Specific (positive) agreement: 2 n_kk / (n_k. + n_.k), the share of the uses of k by
// either rater that the other rater matched.
Kennwert spezifischeUebereinstimmung(const Kreuztabelle &t, int kategorie);
// Cohen's kappa of the table collapsed to "k" against "every other category".
Kennwert kappaEineGegenRest(const Kreuztabelle &t, int kategorie);

#endif
