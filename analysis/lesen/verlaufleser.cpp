#include "verlaufleser.h"

#include "dateifehler.h"
#include "eingabeart.h"
#include "einschaetzung.h"
#include "sichtbar.h"
#include "verlauf.h"
#include "zeitpunkt.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

const char tab = '\t';
const char lf = '\n';
const char cr = '\r';

bool nurLeerraum(QByteArrayView zeile)
{
    for (const char c : zeile) {
        if (c != ' ' && c != tab)
            return false;
    }
    return true;
}

// The first blank or control character of a field, or 0.
uchar fremdesZeichen(QByteArrayView feld)
{
    for (const char c : feld) {
        const uchar u = uchar(c);
        if (u <= ' ' || u == 0x7f)
            return u;
    }
    return 0;
}

QString latin1(QByteArrayView b)
{
    return QString::fromLatin1(b.data(), b.size());
}

} // namespace

bool VerlaufLeser::lesen(const QString &datei)
{
    if (QFileInfo(datei).isDir())
        return fehlschlagen(datei, 0,
                            QStringLiteral("kann nicht gelesen werden (ist ein Ordner, "
                                           "keine Datei)"));
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return fehlschlagen(datei, 0,
                            QStringLiteral("kann nicht gelesen werden (%1)")
                                .arg(dateiFehlerBeschreibung(datei, f.error(), false)));
    const QByteArray inhalt = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return fehlschlagen(datei, 0,
                            QStringLiteral("kann nicht gelesen werden (%1)")
                                .arg(dateiFehlerBeschreibung(datei, f.error(), false)));
    return lesen(datei, inhalt);
}

bool VerlaufLeser::lesen(const QString &datei, const QByteArray &inhalt)
{
    fehler_.clear();
    hinweise_.clear();
    sitzung_ = Sitzung();
    klient_.clear();
    rater_.clear();
    if (inhalt.isEmpty())
        return fehlschlagen(datei, 0,
                            QStringLiteral("Datei ist leer (nicht einmal ein Starteintrag)"));
    const QString fremd = fremdesFormat(inhalt);
    if (!fremd.isEmpty())
        return fehlschlagen(datei, 0, fremd);

    Verlauf verlauf;
    int nummer = 0;
    qsizetype pos = 0;
    while (pos < inhalt.size()) {
        ++nummer;
        qsizetype ende = inhalt.indexOf(lf, pos);
        const bool ohneZeilenende = ende < 0;
        ende = ohneZeilenende ? inhalt.size() : ende;
        const QByteArrayView zeile(inhalt.constData() + pos, ende - pos);
        pos = ende + 1;
        // The console reads a last line without its line end as usual; only a line cut
        // in the middle is damage.
        if (ohneZeilenende && !nurLeerraum(zeile) && !vollstaendig(zeile))
            return fehlschlagen(datei, nummer,
                                QStringLiteral("letzte Zeile mitten abgeschnitten (ohne "
                                               "Zeilenende und unvollständig); die Datei ist wohl "
                                               "nicht ganz geschrieben worden"));
        if (ohneZeilenende)
            hinweise_ << QStringLiteral("%1: letzte Zeile (%2) ohne Zeilenende (LF), aber "
                                        "vollständig; gelesen")
                             .arg(sichtbar(datei))
                             .arg(nummer);

        Zeitpunkt t;
        int kategorie = 0;
        bool eintrag = false;
        if (!zeilePruefen(zeile, t, kategorie, eintrag))
            return fehlschlagen(datei, nummer, meldung_);
        if (!eintrag)
            continue;
        if (Sitzung::mikrosekunden(t) == 0) {
            if (kategorie == Null)
                continue; // the start entry
            return fehlschlagen(datei, nummer,
                                QStringLiteral("bei 00:00.000 ist nur der Starteintrag "
                                               "(Kategorie 0) erlaubt"));
        }
        const int vorher = verlauf.size();
        verlauf.eintragen(t, kategorie);
        if (verlauf.size() == vorher)
            return fehlschlagen(datei, nummer,
                                QStringLiteral("Zeitpunkt %1 steht schon in Zeile %2")
                                    .arg(t.toString())
                                    .arg(ersteZeileMit(inhalt, t)));
    }
    sitzung_ = Sitzung(datei, verlauf);
    sitzung_.namenSetzen(klient_, rater_);
    return true;
}

bool VerlaufLeser::vollstaendig(QByteArrayView zeile)
{
    // Complete: all nine fields, the last three repeating the time point of the first.
    QList<QByteArrayView> felder;
    qsizetype beginn = 0;
    for (qsizetype i = 0; i <= zeile.size(); ++i) {
        if (i < zeile.size() && zeile[i] != tab)
            continue;
        felder.append(zeile.sliced(beginn, i - beginn));
        beginn = i + 1;
    }
    Zeitpunkt t;
    if (felder.size() != 9 || !t.ausWort(felder[0]))
        return false;
    const Zeitpunkt::Anzeige a = t.anzeige();
    bool ok[3] = {false, false, false};
    return felder[6].toInt(&ok[0]) == a.minuten && felder[7].toInt(&ok[1]) == a.sekunden &&
           felder[8].toInt(&ok[2]) == a.millisekunden && ok[0] && ok[1] && ok[2];
}

int VerlaufLeser::ersteZeileMit(const QByteArray &inhalt, const Zeitpunkt &gesucht)
{
    // Only on the error path: the usual read keeps no line numbers.
    int nummer = 0;
    for (qsizetype pos = 0; pos < inhalt.size();) {
        ++nummer;
        qsizetype ende = inhalt.indexOf(lf, pos);
        ende = ende < 0 ? inhalt.size() : ende;
        Zeitpunkt t;
        int kategorie = 0;
        bool eintrag = false;
        if (zeilePruefen(QByteArrayView(inhalt.constData() + pos, ende - pos), t, kategorie,
                         eintrag) &&
            eintrag && t == gesucht)
            return nummer;
        pos = ende + 1;
    }
    return 0;
}

bool VerlaufLeser::zeilePruefen(QByteArrayView zeile, Zeitpunkt &t, int &kategorie, bool &eintrag)
{
    eintrag = false;
    if (zeile.endsWith(cr)) {
        meldung_ = QStringLiteral("Zeile endet mit CR LF (Windows-Zeilenende); erwartet wird "
                                  "nur LF");
        return false;
    }
    if (nurLeerraum(zeile))
        return true;

    // Split by hand: a list of byte arrays per line costs more than all the rest.
    constexpr int maxFelder = 10;
    std::array<QByteArrayView, maxFelder> felder;
    int anzahl = 0;
    qsizetype beginn = 0;
    for (qsizetype i = 0; i <= zeile.size(); ++i) {
        if (i < zeile.size() && zeile[i] != tab)
            continue;
        if (anzahl < maxFelder)
            felder[size_t(anzahl)] = zeile.sliced(beginn, i - beginn);
        ++anzahl;
        beginn = i + 1;
    }
    for (int i = 0; i < std::min(anzahl, maxFelder); ++i) {
        if (!feldPruefen(felder[size_t(i)], i + 1))
            return false;
    }
    if (!zeitPruefen(felder[0], t))
        return false;
    if (anzahl == 1)
        return true; // a bare time point: the console skips it as well
    if (anzahl != 9 && anzahl != 6) {
        meldung_ = QStringLiteral("%1 Felder statt 9 (oder 6)").arg(anzahl);
        return false;
    }
    if (!kategoriePruefen(felder[1], t, kategorie))
        return false;
    namenMerken(felder[4], felder[5]);
    eintrag = true;
    return true;
}

void VerlaufLeser::namenMerken(QByteArrayView klient, QByteArrayView rater)
{
    // Fields are never empty here, so an empty name means none read yet.
    if (!klient_.isEmpty())
        return;
    klient_ = latin1(klient);
    rater_ = latin1(rater);
}

bool VerlaufLeser::feldPruefen(QByteArrayView feld, int nummer)
{
    const uchar zeichen = fremdesZeichen(feld);
    if (zeichen == ' ') {
        meldung_ = QStringLiteral("Feld %1 enthält ein Leerzeichen; die Felder müssen "
                                  "durch TAB getrennt sein")
                       .arg(nummer);
        return false;
    }
    if (zeichen != 0) {
        meldung_ = QStringLiteral("Feld %1 enthält das Steuerzeichen %2 (\"%3\"); ist das "
                                  "eine Verlaufsdatei?")
                       .arg(nummer)
                       .arg(sichtbar(QByteArrayView(reinterpret_cast<const char *>(&zeichen), 1)),
                            sichtbar(feld));
        return false;
    }
    if (feld.isEmpty()) {
        meldung_ = QStringLiteral("Feld %1 ist leer").arg(nummer);
        return false;
    }
    return true;
}

bool VerlaufLeser::zeitPruefen(QByteArrayView feld, Zeitpunkt &t)
{
    bool negativ = false;
    if (t.ausWort(feld, &negativ))
        return true;
    meldung_ = negativ ? QStringLiteral("negativer Zeitpunkt \"%1\"").arg(sichtbar(feld))
                       : QStringLiteral("Zeitpunkt \"%1\" ist ungültig (erwartet "
                                        "Minuten:Sekunden, z. B. 01:10.003)")
                             .arg(sichtbar(feld));
    return false;
}

bool VerlaufLeser::kategoriePruefen(QByteArrayView feld, const Zeitpunkt &t, int &kategorie)
{
    bool ok = false;
    kategorie = feld.toInt(&ok, 10);
    if (!ok) {
        meldung_ = QStringLiteral("Kategorie \"%1\" ist keine ganze Zahl").arg(sichtbar(feld));
        return false;
    }
    if (kategorie == Null) {
        if (Sitzung::mikrosekunden(t) == 0)
            return true;
        meldung_ = QStringLiteral("Kategorie 0 (Starteintrag) ist nur bei 00:00.000 erlaubt");
        return false;
    }
    if (kategorie < TL || kategorie > NIX) {
        meldung_ = QStringLiteral("Kategorie %1 liegt außerhalb von 1 bis 7").arg(kategorie);
        return false;
    }
    return true;
}

bool VerlaufLeser::fehlschlagen(const QString &datei, int zeile, const QString &meldung)
{
    fehler_ = zeile > 0
                  ? QStringLiteral("%1, Zeile %2: %3").arg(sichtbar(datei)).arg(zeile).arg(meldung)
                  : QStringLiteral("%1: %2").arg(sichtbar(datei), meldung);
    sitzung_ = Sitzung();
    return false;
}
