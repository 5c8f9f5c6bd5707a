#ifndef DEBUGMITSCHNITT_H
#define DEBUGMITSCHNITT_H

#include <QStringList>
#include <QtGlobal>

// Collects every debug line written while it lives; starts and ends with an empty list.
class DebugMitschnitt
{
public:
    DebugMitschnitt();
    ~DebugMitschnitt();
    DebugMitschnitt(const DebugMitschnitt &) = delete;
    DebugMitschnitt &operator=(const DebugMitschnitt &) = delete;

    static QStringList &zeilen();
    static int anzahl(const QString &zeile) { return int(zeilen().count(zeile)); }

private:
    static void fangen(QtMsgType, const QMessageLogContext &, const QString &text);
    QtMessageHandler vorher;
};

#endif
