#ifndef STUARTMAXWELL_H
#define STUARTMAXWELL_H

#include "kennwert.h"

class Kreuztabelle;

// Stuart-Maxwell test of marginal homogeneity: do both raters use the categories equally
// often? Over the categories the raters ever disagree on, d = row sums - column sums
// without the last, S_kk = n_k. + n_.k - 2 n_kk, S_kl = -(n_kl + n_lk), chi^2 = d' S^-1 d with one
// degree of freedom fewer than categories. Assumes independent pairs (paired units).
class StuartMaxwell
{
public:
    explicit StuartMaxwell(const Kreuztabelle &t);

    const Kennwert &chiQuadrat() const { return chi_; }
    int freiheitsgrade() const { return df_; }
    // p from the chi-square distribution; undefined with the statistic.
    const Kennwert &p() const { return p_; }
    // The category with the largest difference of the two raters' counts (first minus
    // second), 0 for none.
    int groessteAbweichung() const { return kategorie_; }
    qint64 abweichung() const { return abweichung_; }

    // Upper tail of the chi-square distribution with df degrees of freedom.
    static double oberesEnde(double x, int df);

private:
    Kennwert chi_;
    Kennwert p_;
    int df_ = 0;
    int kategorie_ = 0;
    qint64 abweichung_ = 0;
};

#endif
