#include "sitzungskonfigurationdialog.h"

#include "wanduhr.h"

#include <QApplication>
#include <QColor>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

SitzungsKonfigurationDialog::SitzungsKonfigurationDialog(QWidget *parent, const char *name,
                                                         bool modal, Qt::WindowFlags fl)
    : SitzungsKonfigurationDialogBase(parent, name, modal, fl)
{
    LineEditInfodatei->setReadOnly(true);
    buttonOk->setEnabled(false);
    // A label paints no background of its own; the blue marking of a missing entry needs one.
    TextLabelKlient->setAutoFillBackground(true);
    TextLabelRater->setAutoFillBackground(true);

    const QPalette palette = elternPalette();
    LineEditInfodatei->setPalette(palette);
    LineEditDatum->setPalette(palette);
    LineEditUhrzeit->setPalette(palette);

    connect(PushButtonFertig, &QPushButton::clicked, this,
            &SitzungsKonfigurationDialog::showTheFilename);
    connect(LineEditRater, &QLineEdit::textChanged, this, &SitzungsKonfigurationDialog::disableOK);
    connect(LineEditKlient, &QLineEdit::textChanged, this, &SitzungsKonfigurationDialog::disableOK);
    connect(ButtonGroupJaNein, &QButtonGroup::idClicked, this,
            &SitzungsKonfigurationDialog::disableOK);
}

QString SitzungsKonfigurationDialog::theFilename() const
{
    return (LineEditKlient->text() + "_" + LineEditRater->text() + "_info.dat").toLower();
}

void SitzungsKonfigurationDialog::ordnerZeigen(const QString &ordner, const QString &problem)
{
    // A long path keeps its end, the folder's own name; the tooltip has it whole.
    const QString vorsatz = tr("im Ordner ");
    const QFontMetrics masse = TextLabelOrdner->fontMetrics();
    const int platz = TextLabelOrdner->width() - masse.horizontalAdvance(vorsatz);
    TextLabelOrdner->setText(vorsatz +
                             masse.elidedText(heimGekuerzt(ordner), Qt::ElideLeft, platz));
    QString tipp = tr("Die Sitzungsdateien werden im Ordner %1 gespeichert.")
                       .arg(QDir::toNativeSeparators(ordner));
    if (!problem.isEmpty())
        tipp += QLatin1Char('\n') + problem;
    TextLabelOrdner->setToolTip(tipp);
    TextLabelOrdner->show();
}

// "~/Morvanto" for a folder in the home folder, as a shell would write it.
QString SitzungsKonfigurationDialog::heimGekuerzt(const QString &ordner)
{
    const QString heim = QDir::homePath();
    if (ordner == heim)
        return QStringLiteral("~");
    if (ordner.startsWith(heim + QLatin1Char('/')))
        return QLatin1Char('~') + QDir::toNativeSeparators(ordner.mid(heim.size()));
    return QDir::toNativeSeparators(ordner);
}

void SitzungsKonfigurationDialog::showTheFilename()
{
    buttonOk->setEnabled(true);
    const bool klientDa = eintragPruefen(LineEditKlient, TextLabelKlient);
    const bool raterDa = eintragPruefen(LineEditRater, TextLabelRater);
    if (!klientDa || !raterDa)
        buttonOk->setEnabled(false);

    const QString name = theFilename();
    LineEditInfodatei->setText(name);
    LineEditDatum->setText(Wanduhr::lesen().date().toString());
    TextLabelExistiert->setText(infoDateiLesbar(name) ? tr("schon") : tr("noch nicht"));
}

void SitzungsKonfigurationDialog::disableOK()
{
    buttonOk->setEnabled(false);
}

// The disabled date, time and file name fields follow the main window's colours but keep their
// values in full text colour: the rater is meant to read and check them.
QPalette SitzungsKonfigurationDialog::elternPalette() const
{
    QPalette palette = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    return palette;
}

// Marks the caption of a missing or unusable entry blue; true when the entry can be used.
bool SitzungsKonfigurationDialog::eintragPruefen(const QLineEdit *feld, QLabel *beschriftung)
{
    const bool gueltig = nameGueltig(feld->text());
    beschriftung->setPalette(gueltig ? QPalette() : QPalette(QColor(80, 80, 255)));
    return gueltig;
}

// The names become parts of file names in the working directory: anything that could lead
// outside it or make the name unusable counts as missing.
bool SitzungsKonfigurationDialog::nameGueltig(const QString &name)
{
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    for (const QChar c : name) {
        if (c == '/' || c == '\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// Session files are written with the names' own capitals, the shown name is lower case: look
// for any entry of the working directory whose lower-cased name matches.
bool SitzungsKonfigurationDialog::infoDateiLesbar(const QString &kleinName)
{
    const QStringList eintraege = QDir::current().entryList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::System | QDir::NoDotAndDotDot);
    for (const QString &eintrag : eintraege) {
        if (eintrag.toLower() != kleinName)
            continue;
        // An entry that cannot be opened (a directory, say) just means "noch nicht".
        QFile datei(eintrag);
        if (datei.open(QIODevice::ReadOnly))
            return true;
    }
    return false;
}
