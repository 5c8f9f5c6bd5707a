#ifndef NAEHERUNGSINTERVALL_H
#define NAEHERUNGSINTERVALL_H

#include "schaetzung.h"

class Kreuztabelle;

// Large-sample standard errors (delta method) for independent pairs of codes, such as the
// paired units of the event-based view, with the 95 % interval estimate ± 1.96 SE cut to
// the figure's range [-1, 1].
//
// Both figures are (po - pe) / (1 - pe). A pair in cell (k, l) contributes
// z = [k = l] - (1 - figure) * d pe / d p_kl, and Var = (mean z^2 - (mean z)^2) /
// (n (1 - pe)^2). For kappa d pe / d p_kl = p_.k + p_l. (the usual large-sample variance
// of Cohen's kappa); for AC1 (2 - pi_k - pi_l) / (q - 1) with pi the mean marginal shares,
// the form of Gwet's variance (the constant part of z does not change the variance).
Schaetzung kappaMitNaeherung(const Kreuztabelle &t);
Schaetzung ac1MitNaeherung(const Kreuztabelle &t);
// The same for kappa with linear weights (a pair counts 1 - |k - l| / (q - 1) as
// agreement) and for PABAK, whose variance is that of the share of agreement.
Schaetzung gewichtetesKappaMitNaeherung(const Kreuztabelle &t);
Schaetzung pabakMitNaeherung(const Kreuztabelle &t);

// estimate ± 1.96 se, cut to [-1, 1].
Intervall normalIntervall(double wert, double standardfehler);

#endif
