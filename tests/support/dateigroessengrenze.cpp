#include "dateigroessengrenze.h"

#include <csignal>

DateigroessenGrenze::DateigroessenGrenze(rlim_t bytes)
{
    alterSignalwert = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit neu = alt;
    neu.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &neu);
}

void DateigroessenGrenze::aufheben()
{
    if (!aktiv)
        return;
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, alterSignalwert);
    aktiv = false;
}
