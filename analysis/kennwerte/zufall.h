#ifndef ZUFALL_H
#define ZUFALL_H

#include <QtGlobal>

#include <array>
#include <cstddef>

// xoshiro256**: a small, fast generator of good quality; a bootstrap draws millions of
// numbers. Each resample gets a generator of its own, seeded from the seed and its number,
// so that resamples may run on any number of threads in any order with the same result.
class Zufall
{
public:
    Zufall(quint64 startwert, quint64 wiederholung)
    {
        quint64 z = startwert ^ (0xd1b54a32d192ed03ULL * (wiederholung + 1));
        for (quint64 &s : s_)
            s = splitmix64(z);
    }

    quint64 operator()()
    {
        const quint64 ergebnis = drehen(s_[1] * 5, 7) * 9;
        const quint64 t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = drehen(s_[3], 45);
        return ergebnis;
    }

    // Uniform in 0 .. n-1 by multiplying instead of dividing: fast, the same on every
    // platform (unlike the standard distributions), with a bias below n / 2^64.
    size_t bis(size_t n)
    {
        __extension__ using u128 = unsigned __int128;
        return size_t((u128((*this)()) * u128(n)) >> 64);
    }

private:
    static quint64 splitmix64(quint64 &zustand)
    {
        quint64 z = (zustand += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    static quint64 drehen(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }

    std::array<quint64, 4> s_;
};

#endif
