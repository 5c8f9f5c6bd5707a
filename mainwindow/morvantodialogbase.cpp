#include "morvantodialogbase.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeySequence>

MorvantoDialogBase::MorvantoDialogBase(QWidget *parent, const char *name, bool modal,
                                       Qt::WindowFlags fl)
    : QDialog(parent, fl), BtGrpRatingGruppe(new QButtonGroup(this))
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    ratingGruppeAufbauen();
    klartasteSetzen(BtRun, QLatin1Char('r'));
    klartasteSetzen(BtKorrigieren, QLatin1Char('0'));
}

void MorvantoDialogBase::ratingGruppeAufbauen()
{
    struct RatingKnopf
    {
        QPushButton *knopf;
        int id;
        char taste;
    };
    const RatingKnopf knoepfe[] = {
        {BtTherapeut_LF, 1, '4'}, {BtTherapeut_NLF, 2, '6'}, {BtTherapeut_U, 3, '5'},
        {BtKlient_LF, 4, '1'},    {BtKlient_NLF, 5, '3'},    {BtKlient_U, 6, '2'},
        {PushButton12, 7, '7'},
    };
    BtGrpRatingGruppe->setObjectName(QStringLiteral("BtGrpRatingGruppe"));
    BtGrpRatingGruppe->setExclusive(false);
    for (const RatingKnopf &k : knoepfe) {
        BtGrpRatingGruppe->addButton(k.knopf, k.id);
        klartasteSetzen(k.knopf, QLatin1Char(k.taste));
    }
}

void MorvantoDialogBase::klartasteSetzen(QAbstractButton *knopf, QChar taste)
{
    knopf->setShortcut(QKeySequence(QString(taste)));
}

bool MorvantoDialogBase::event(QEvent *e)
{
    const bool ergebnis = QDialog::event(e);
    if (e->type() == QEvent::ApplicationFontChange)
        ueberschriftenSchriftSetzen();
    return ergebnis;
}

// Re-applies the three explicitly styled label fonts after the application font changed.
void MorvantoDialogBase::ueberschriftenSchriftSetzen()
{
    QFont doppelpunkt = TextLabelDoppelpunkt->font();
    doppelpunkt.setFamilies({QStringLiteral("Arial")});
    doppelpunkt.setPointSize(16);
    TextLabelDoppelpunkt->setFont(doppelpunkt);

    QFont klient = TextLabelTherapeut_2->font();
    klient.setPointSize(9);
    klient.setWeight(QFont::Bold);
    klient.setUnderline(true);
    TextLabelTherapeut_2->setFont(klient);

    QFont therapeut = TextLabelTherapeut->font();
    therapeut.setWeight(QFont::Bold);
    therapeut.setUnderline(true);
    TextLabelTherapeut->setFont(therapeut);
}
