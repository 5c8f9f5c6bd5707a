#ifndef MEHRRATERZAEHLUNG_H
#define MEHRRATERZAEHLUNG_H

#include "kennwert.h"

#include <QtGlobal>

#include <array>
#include <vector>

// Codes of several raters per unit, kept only as the sums that Fleiss' kappa and
// Krippendorff's alpha (nominal) need, so that the slices of a whole study fit in a few
// numbers. A unit is given as the number of raters per category.
class Mehrraterzaehlung
{
public:
    // At most HoechstensKategorien.
    explicit Mehrraterzaehlung(int kategorien = 7);
    static constexpr int HoechstensKategorien = 8;

    // anzahl[k - 1]: raters who gave category k; gewicht: so many equal units at once.
    void einheit(const std::vector<int> &anzahl, qint64 gewicht = 1);
    // Inline: a bootstrap over units adds up hundreds of millions.
    Mehrraterzaehlung &operator+=(const Mehrraterzaehlung &andere)
    {
        if (andere.einheiten_ == 0)
            return *this;
        if (einheiten_ == 0)
            rater_ = andere.rater_;
        raterGleich_ = raterGleich_ && andere.raterGleich_ && andere.rater_ == rater_;
        einheiten_ += andere.einheiten_;
        for (size_t i = 0; i < summen_.size(); ++i)
            summen_[i] += andere.summen_[i];
        return *this;
    }

    qint64 einheiten() const { return einheiten_; }
    // The number of raters, when every unit has the same; otherwise 0.
    int rater() const { return raterGleich_ ? rater_ : 0; }

    // Fleiss' kappa: mean agreement of the rater pairs within a unit against the agreement
    // expected from the overall category shares. Needs the same number of raters (at least
    // two) for every unit.
    Kennwert fleissKappa() const;
    // Krippendorff's alpha for nominal data, from the coincidence matrix; units with fewer
    // than two codes count for nothing.
    Kennwert krippendorffAlpha() const;

private:
    int q_;
    qint64 einheiten_ = 0;
    int rater_ = 0;
    bool raterGleich_ = true;
    // All sums in one row, so that a bootstrap adds up units quickly: the sum over units of
    // sum_k n_k (n_k - 1), the off-diagonal sum of the coincidence matrix, then per
    // category the codes and the coincidence matrix's row sum.
    // Of fixed size: a bootstrap adds up hundreds of millions of them.
    std::array<double, 2 + 2 * HoechstensKategorien> summen_{};
    double &paareGleich() { return summen_[0]; }
    double &abweichend() { return summen_[1]; }
    double *kategorieSumme() { return summen_.data() + 2; }
    double *koinzidenzRand() { return summen_.data() + 2 + q_; }
};

#endif
