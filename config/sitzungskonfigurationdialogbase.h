#ifndef SITZUNGSKONFIGURATIONDIALOGBASE_H
#define SITZUNGSKONFIGURATIONDIALOGBASE_H

#include "ui_sitzungskonfigurationdialogbase.h"

#include <QDialog>

class QEvent;

// The session configuration form: builds the widgets, nothing more. Every widget is a public
// member named like its object name; the yes/no choice is the group box
// `ButtonGroupWeiterfuehren` with the exclusive button group `ButtonGroupJaNein` (ids: nein 0,
// ja 1).
class SitzungsKonfigurationDialogBase : public QDialog, public Ui_SitzungsKonfigurationDialogBase
{
    Q_OBJECT

public:
    explicit SitzungsKonfigurationDialogBase(QWidget *parent = nullptr, const char *name = nullptr,
                                             bool modal = false, Qt::WindowFlags fl = {});

protected:
    bool event(QEvent *e) override;

private:
    void existiertSchriftSetzen();
};

#endif
