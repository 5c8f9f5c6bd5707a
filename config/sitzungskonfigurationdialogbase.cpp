#include "sitzungskonfigurationdialogbase.h"

#include <QEvent>
#include <QFont>

SitzungsKonfigurationDialogBase::SitzungsKonfigurationDialogBase(QWidget *parent, const char *name,
                                                                 bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    ButtonGroupJaNein->setId(nein, 0);
    ButtonGroupJaNein->setId(ja, 1);
}

bool SitzungsKonfigurationDialogBase::event(QEvent *e)
{
    const bool ergebnis = QDialog::event(e);
    if (e->type() == QEvent::ApplicationFontChange)
        existiertSchriftSetzen();
    return ergebnis;
}

// Only family and weight are set, so the size keeps following the dialog's font.
void SitzungsKonfigurationDialogBase::existiertSchriftSetzen()
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("@Batang")});
    schrift.setBold(true);
    TextLabelExistiert->setFont(schrift);
}
