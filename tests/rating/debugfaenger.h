#ifndef DEBUGFAENGER_H
#define DEBUGFAENGER_H

#include <QStringList>
#include <QtGlobal>

// Collects the debug lines written while it lives.
class DebugFaenger
{
public:
    DebugFaenger()
    {
        vorher = qInstallMessageHandler(&DebugFaenger::fangen);
        zeilen().clear();
    }
    ~DebugFaenger() { qInstallMessageHandler(vorher); }
    static QStringList &zeilen()
    {
        static QStringList z;
        return z;
    }

private:
    static void fangen(QtMsgType, const QMessageLogContext &, const QString &text)
    {
        zeilen().append(text);
    }
    QtMessageHandler vorher;
};

#endif
