#ifndef EINTRAGINFO_H
#define EINTRAGINFO_H

// Result of Verlauf::eintragInfo.
struct EintragInfo
{
    int einschaetzung = -1;          // category at the asked time point
    int vorherigeEinschaetzung = -1; // category of the entry before
    double dauer = -1.0;             // seconds from the entry before; -1 unless both found
};

#endif
