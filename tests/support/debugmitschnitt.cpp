#include "debugmitschnitt.h"

#include <QMutex>

namespace {

// Debug lines may come from a worker thread.
QMutex &sperre()
{
    static QMutex m;
    return m;
}

} // namespace

DebugMitschnitt::DebugMitschnitt()
{
    zeilen().clear();
    vorher = qInstallMessageHandler(&DebugMitschnitt::fangen);
}

DebugMitschnitt::~DebugMitschnitt()
{
    qInstallMessageHandler(vorher);
    zeilen().clear();
}

QStringList &DebugMitschnitt::zeilen()
{
    static QStringList z;
    return z;
}

void DebugMitschnitt::fangen(QtMsgType, const QMessageLogContext &, const QString &text)
{
    QMutexLocker halten(&sperre());
    zeilen().append(text);
}
