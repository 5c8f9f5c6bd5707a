// Linked into both start-up probes: as soon as the first dialog has been painted, prints
// one line and closes that dialog, so that the measuring process sees the moment the
// window was shown.
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QMetaObject>

#include <cstdio>

namespace {

class StartMarke : public QObject
{
public:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *dialog = qobject_cast<QDialog *>(o);
        if (e->type() == QEvent::Paint && dialog && dialog->isWindow()) {
            std::printf("gezeigt\n");
            std::fflush(stdout);
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(dialog, "done", Qt::QueuedConnection, Q_ARG(int, 0));
        }
        return false;
    }
};

void startMarkeSetzen()
{
    qApp->installEventFilter(new StartMarke);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startMarkeSetzen)
