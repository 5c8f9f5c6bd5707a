#include "icc.h"

Icc::Icc(const std::vector<std::vector<double>> &werte)
{
    const size_t n = werte.size();
    const size_t k = n > 0 ? werte[0].size() : 0;
    if (n < 2 || k < 2) {
        wert_ = Kennwert::ohne(QStringLiteral("weniger als zwei Sitzungen oder Rater"));
        return;
    }
    std::vector<double> zeile(n, 0.0);
    std::vector<double> spalte(k, 0.0);
    double gesamt = 0;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < k; ++j) {
            zeile[i] += werte[i][j] / double(k);
            spalte[j] += werte[i][j] / double(n);
            gesamt += werte[i][j] / double(n * k);
        }
    }
    double ssr = 0;
    double ssc = 0;
    double sst = 0;
    for (size_t i = 0; i < n; ++i)
        ssr += double(k) * (zeile[i] - gesamt) * (zeile[i] - gesamt);
    for (size_t j = 0; j < k; ++j)
        ssc += double(n) * (spalte[j] - gesamt) * (spalte[j] - gesamt);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < k; ++j)
            sst += (werte[i][j] - gesamt) * (werte[i][j] - gesamt);
    }
    msr_ = ssr / double(n - 1);
    msc_ = ssc / double(k - 1);
    mse_ = (sst - ssr - ssc) / double((n - 1) * (k - 1));
    const double nenner = msr_ + double(k - 1) * mse_ + double(k) / double(n) * (msc_ - mse_);
    wert_ = nenner > 0 ? Kennwert::mit((msr_ - mse_) / nenner)
                       : Kennwert::ohne(QStringLiteral("keine Streuung zwischen den Sitzungen"));
}
