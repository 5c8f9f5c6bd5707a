#ifndef DATEIGROESSENGRENZE_H
#define DATEIGROESSENGRENZE_H

#include <cstdint>

// Limits the size of every file the process writes, so that a write fails for real, as on
// a full disk; root is bound by it too. SIGXFSZ is ignored meanwhile, so the write fails
// with an error instead of ending the process. Windows has no such limit: there moeglich()
// is false, the limit does nothing, and the tests of a full disk skip.
class DateigroessenGrenze
{
public:
    static constexpr std::uint64_t unbegrenzt = ~std::uint64_t(0);
    static bool moeglich();

    explicit DateigroessenGrenze(std::uint64_t bytes);
    ~DateigroessenGrenze() { aufheben(); }
    void aufheben();
    DateigroessenGrenze(const DateigroessenGrenze &) = delete;
    DateigroessenGrenze &operator=(const DateigroessenGrenze &) = delete;

private:
    std::uint64_t alt = unbegrenzt;
    void (*alterSignalwert)(int) = nullptr;
    bool aktiv = true;
};

// For a test (or a row of one) that needs the disk full.
#define VOLLE_PLATTE_ODER_UEBERSPRINGEN(voll)                                                      \
    if ((voll) && !DateigroessenGrenze::moeglich())                                                \
    QSKIP("no file size limit on Windows: a full disk cannot be simulated")

#endif
