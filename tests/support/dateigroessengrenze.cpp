#include "dateigroessengrenze.h"

#include <csignal>
#include <sys/resource.h>

bool DateigroessenGrenze::moeglich()
{
    return true;
}

DateigroessenGrenze::DateigroessenGrenze(std::uint64_t bytes)
{
    alterSignalwert = std::signal(SIGXFSZ, SIG_IGN);
    rlimit neu{};
    getrlimit(RLIMIT_FSIZE, &neu);
    alt = neu.rlim_cur;
    neu.rlim_cur = bytes == unbegrenzt ? RLIM_INFINITY : rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &neu);
}

void DateigroessenGrenze::aufheben()
{
    if (!aktiv)
        return;
    rlimit neu{};
    getrlimit(RLIMIT_FSIZE, &neu);
    neu.rlim_cur = rlim_t(alt);
    setrlimit(RLIMIT_FSIZE, &neu);
    std::signal(SIGXFSZ, alterSignalwert);
    aktiv = false;
}
