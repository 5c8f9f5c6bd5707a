#include "stuartmaxwell.h"

#include "kreuztabelle.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Regularised lower incomplete gamma P(a, x) by its series, upper Q(a, x) by Lentz's
// continued fraction where the series converges slowly.
double gammaUnten(double a, double x)
{
    double summe = 1.0 / a;
    double glied = summe;
    for (int n = 1; n < 1000 && std::abs(glied) > std::abs(summe) * 1e-15; ++n) {
        glied *= x / (a + n);
        summe += glied;
    }
    return summe * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

double gammaOben(double a, double x)
{
    const double winzig = 1e-300;
    double b = x + 1 - a;
    double c = 1 / winzig;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::abs(d) < winzig ? winzig : d;
        c = b + an / c;
        c = std::abs(c) < winzig ? winzig : c;
        d = 1 / d;
        const double schritt = d * c;
        h *= schritt;
        if (std::abs(schritt - 1) < 1e-15)
            break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

// Solves S y = d by Gaussian elimination with pivoting; false when S is singular.
bool loesen(std::vector<std::vector<double>> s, std::vector<double> d, std::vector<double> &y)
{
    const size_t n = d.size();
    for (size_t i = 0; i < n; ++i) {
        size_t best = i;
        for (size_t r = i + 1; r < n; ++r)
            best = std::abs(s[r][i]) > std::abs(s[best][i]) ? r : best;
        if (std::abs(s[best][i]) < 1e-9)
            return false;
        std::swap(s[i], s[best]);
        std::swap(d[i], d[best]);
        for (size_t r = i + 1; r < n; ++r) {
            const double f = s[r][i] / s[i][i];
            for (size_t c = i; c < n; ++c)
                s[r][c] -= f * s[i][c];
            d[r] -= f * d[i];
        }
    }
    y.assign(n, 0.0);
    for (size_t i = n; i-- > 0;) {
        double summe = d[i];
        for (size_t c = i + 1; c < n; ++c)
            summe -= s[i][c] * y[c];
        y[i] = summe / s[i][i];
    }
    return true;
}

} // namespace

double StuartMaxwell::oberesEnde(double x, int df)
{
    if (x <= 0)
        return 1.0;
    const double a = df / 2.0;
    const double h = x / 2.0;
    return h < a + 1 ? 1.0 - gammaUnten(a, h) : gammaOben(a, h);
}

StuartMaxwell::StuartMaxwell(const Kreuztabelle &t)
{
    std::vector<int> benutzt;
    for (int k = 1; k <= t.kategorien(); ++k) {
        const qint64 d = t.zeilensumme(k) - t.spaltensumme(k);
        if (std::abs(d) > std::abs(abweichung_)) {
            abweichung_ = d;
            kategorie_ = k;
        }
        // A category the raters always agree on has no difference and no variance: it
        // would only make S singular.
        if (t.zeilensumme(k) + t.spaltensumme(k) - 2 * t.anzahl(k, k) > 0)
            benutzt.push_back(k);
    }
    df_ = int(benutzt.size()) - 1;
    if (df_ < 1) {
        chi_ = p_ = Kennwert::ohne(QStringLiteral("keine Abweichungen zwischen den Ratern"));
        return;
    }
    std::vector<std::vector<double>> s(size_t(df_), std::vector<double>(size_t(df_), 0.0));
    std::vector<double> d(size_t(df_), 0.0);
    for (size_t i = 0; i < size_t(df_); ++i) {
        const int k = benutzt[i];
        d[i] = double(t.zeilensumme(k) - t.spaltensumme(k));
        for (size_t j = 0; j < size_t(df_); ++j) {
            const int l = benutzt[j];
            s[i][j] = i == j ? double(t.zeilensumme(k) + t.spaltensumme(k) - 2 * t.anzahl(k, k))
                             : -double(t.anzahl(k, l) + t.anzahl(l, k));
        }
    }
    std::vector<double> y;
    if (!loesen(s, d, y)) {
        chi_ = p_ = Kennwert::ohne(QStringLiteral("Kovarianzmatrix singulär"));
        return;
    }
    double chi = 0;
    for (size_t i = 0; i < d.size(); ++i)
        chi += d[i] * y[i];
    chi_ = Kennwert::mit(chi);
    p_ = Kennwert::mit(oberesEnde(chi, df_));
}
