#ifndef SITZUNGSKONFIGURATIONDIALOG_H
#define SITZUNGSKONFIGURATIONDIALOG_H

#include "sitzungskonfigurationdialogbase.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPalette;

// Lets a session start only with both names entered: "fertig" checks the names, shows the info
// file's name and whether it exists, and enables OK; any later change disables OK again. The
// widgets are the only store of the configuration; the main window reads them.
class SitzungsKonfigurationDialog : public SitzungsKonfigurationDialogBase
{
    Q_OBJECT

public:
    explicit SitzungsKonfigurationDialog(QWidget *parent = nullptr, const char *name = nullptr,
                                         bool modal = false, Qt::WindowFlags fl = {});

    // client + "_" + rater + "_info.dat", all lower case, as shown to the rater
    QString theFilename() const;

    // Names the folder the session files go to, beside the info file's existence; for a start
    // that did not choose the folder itself. A problem in setting it up goes into the tooltip.
    void ordnerZeigen(const QString &ordner, const QString &problem = QString());

private slots:
    void showTheFilename();
    void disableOK();

private:
    QPalette elternPalette() const;
    static QString heimGekuerzt(const QString &ordner);
    static bool eintragPruefen(const QLineEdit *feld, QLabel *beschriftung);
    static bool nameGueltig(const QString &name);
    static bool infoDateiLesbar(const QString &kleinName);
};

#endif
