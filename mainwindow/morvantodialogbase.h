#ifndef MORVANTODIALOGBASE_H
#define MORVANTODIALOGBASE_H

#include "ui_morvantodialogbase.h"

#include <QDialog>

class QAbstractButton;
class QButtonGroup;

// The rating console's widgets, built from the designer form. Every widget is a public
// member named like its object name; this class adds only what the form file cannot
// express: the rating button group, the plain-key shortcuts and the font-change handler.
class MorvantoDialogBase : public QDialog, public Ui::MorvantoDialogBase
{
    Q_OBJECT

public:
    explicit MorvantoDialogBase(QWidget *parent = nullptr, const char *name = nullptr,
                                bool modal = false, Qt::WindowFlags fl = {});

    // The seven rating buttons under their category ids 1 to 7; idPressed(int) reports
    // a press. The widget BtGrpRating is only their (invisible) container.
    QButtonGroup *BtGrpRatingGruppe;

    // A plain character key without modifier as the button's shortcut. Setting a
    // button's text replaces its shortcut, so this must follow every text change.
    static void klartasteSetzen(QAbstractButton *knopf, QChar taste);

protected:
    bool event(QEvent *e) override;

private:
    void ratingGruppeAufbauen();
    void ueberschriftenSchriftSetzen();
};

#endif
