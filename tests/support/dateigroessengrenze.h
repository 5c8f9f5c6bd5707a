#ifndef DATEIGROESSENGRENZE_H
#define DATEIGROESSENGRENZE_H

#include <sys/resource.h>

// Limits the size of every file the process writes, so that a write fails for real, as on
// a full disk; root is bound by it too. SIGXFSZ is ignored meanwhile, so the write fails
// with an error instead of ending the process.
class DateigroessenGrenze
{
public:
    explicit DateigroessenGrenze(rlim_t bytes);
    ~DateigroessenGrenze() { aufheben(); }
    void aufheben();
    DateigroessenGrenze(const DateigroessenGrenze &) = delete;
    DateigroessenGrenze &operator=(const DateigroessenGrenze &) = delete;

private:
    rlimit alt{};
    void (*alterSignalwert)(int) = nullptr;
    bool aktiv = true;
};

#endif
