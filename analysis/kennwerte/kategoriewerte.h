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
// Of that 2 x 2 table (a: both k, b: only the first, c: only the second, d: neither), the
// indices of Byrt, Bishop and Carlin (1993): prevalence (a - d) / n, bias (b - c) / n.
Kennwert praevalenzIndex(const Kreuztabelle &t, int kategorie);
Kennwert biasIndex(const Kreuztabelle &t, int kategorie);

// Kappa with linear weights for ordered categories 1 < 2 < ... < q: disagreement weight
// |k - l| / (q - 1), kappa_w = 1 - sum w p_kl / sum w p_k. p_.l.
Kennwert linearGewichtetesKappa(const Kreuztabelle &t);
// Within one speaker (0: therapist, 1: client): the units both raters gave to that speaker
// on the ordered scale solution-focused < unclear < not solution-focused (L, U, NL).
Kreuztabelle innerhalbSprecher(const Kreuztabelle &t, int sprecher);

#endif
