#ifndef ICC_H
#define ICC_H

#include "kennwert.h"

#include <vector>

// Intraclass correlation ICC(A,1) of McGraw and Wong (1996): two-way model, absolute
// agreement, single rater. werte[i][j]: subject i (a session), rater j; every subject
// needs a value of every rater.
//   ICC(A,1) = (MSR - MSE) / (MSR + (k - 1) MSE + k / n (MSC - MSE))
// with the mean squares of rows (MSR), columns (MSC) and error (MSE) of the two-way
// analysis of variance without replication.
class Icc
{
public:
    explicit Icc(const std::vector<std::vector<double>> &werte);

    const Kennwert &wert() const { return wert_; }
    double msr() const { return msr_; }
    double msc() const { return msc_; }
    double mse() const { return mse_; }

private:
    Kennwert wert_;
    double msr_ = 0;
    double msc_ = 0;
    double mse_ = 0;
};

#endif
