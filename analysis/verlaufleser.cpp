#include "verlaufleser.h"

#include "einschaetzung.h"
#include "verlauf.h"
#include "zeitpunkt.h"

#include <QFile>
#include <QHash>

#include <climits>
#include <cmath>

namespace {

const char tab = '\t';
const char lf = '\n';
const char cr = '\r';

bool nurLeerraum(const QByteArray &zeile)
{
    for (const char c : zeile) {
        if (c != ' ' && c != tab)
            return false;
    }
    return true;
}

bool hatLeerraum(const QByteArray &feld)
{
    for (const char c : feld) {
        if (c == ' ' || c == tab || c == cr || c == '\v' || c == '\f')
            return true;
    }
    return false;
}

QString latin1(const QByteArray &b)
{
    return QString::fromLatin1(b);
}

} // namespace

bool VerlaufLeser::lesen(const QString &datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return fehlschlagen(datei, 0,
                            QStringLiteral("kann nicht gelesen werden (%1)").arg(f.errorString()));
    const QByteArray inhalt = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return fehlschlagen(datei, 0, QStringLiteral("Lesefehler (%1)").arg(f.errorString()));
    return lesen(datei, inhalt);
}

bool VerlaufLeser::lesen(const QString &datei, const QByteArray &inhalt)
{
    fehler_.clear();
    sitzung_ = Sitzung();
    if (inhalt.isEmpty())
        return fehlschlagen(datei, 0,
                            QStringLiteral("Datei ist leer (nicht einmal ein Starteintrag)"));

    Verlauf verlauf;
    QHash<qint64, int> zeileVon; // time point -> line, to name both lines of a duplicate
    zeileVon.insert(0, 0);
    int nummer = 0;
    qsizetype pos = 0;
    while (pos < inhalt.size()) {
        ++nummer;
        const qsizetype ende = inhalt.indexOf(lf, pos);
        if (ende < 0)
            return fehlschlagen(datei, nummer,
                                QStringLiteral("letzte Zeile ohne Zeilenende (LF); die Datei "
                                               "ist wohl abgeschnitten"));
        const QByteArray zeile = inhalt.mid(pos, ende - pos);
        pos = ende + 1;

        Zeitpunkt t;
        int kategorie = 0;
        bool eintrag = false;
        if (!zeilePruefen(zeile, t, kategorie, eintrag))
            return fehlschlagen(datei, nummer, meldung_);
        if (!eintrag)
            continue;
        const qint64 us = Sitzung::mikrosekunden(t);
        const auto schon = zeileVon.constFind(us);
        if (schon != zeileVon.constEnd()) {
            if (us == 0 && kategorie == Null)
                continue; // the start entry itself
            return fehlschlagen(datei, nummer,
                                schon.value() == 0
                                    ? QStringLiteral("bei 00:00.000 ist nur der Starteintrag "
                                                     "(Kategorie 0) erlaubt")
                                    : QStringLiteral("Zeitpunkt %1 steht schon in Zeile %2")
                                          .arg(t.toString())
                                          .arg(schon.value()));
        }
        zeileVon.insert(us, nummer);
        verlauf.eintragen(t, kategorie);
    }
    sitzung_ = Sitzung(datei, verlauf);
    return true;
}

bool VerlaufLeser::zeilePruefen(const QByteArray &zeile, Zeitpunkt &t, int &kategorie,
                                bool &eintrag)
{
    eintrag = false;
    if (zeile.endsWith(cr)) {
        meldung_ = QStringLiteral("Zeile endet mit CR LF (Windows-Zeilenende); erwartet wird "
                                  "nur LF");
        return false;
    }
    if (nurLeerraum(zeile))
        return true;

    const QList<QByteArray> felder = zeile.split(tab);
    for (int i = 0; i < felder.size(); ++i) {
        if (hatLeerraum(felder[i])) {
            meldung_ = QStringLiteral("Feld %1 enthält ein Leerzeichen; die Felder müssen "
                                      "durch TAB getrennt sein")
                           .arg(i + 1);
            return false;
        }
        if (felder[i].isEmpty()) {
            meldung_ = QStringLiteral("Feld %1 ist leer").arg(i + 1);
            return false;
        }
    }
    if (!zeitPruefen(felder[0], t))
        return false;
    if (felder.size() == 1)
        return true; // a bare time point: the console skips it as well
    if (felder.size() != 9 && felder.size() != 6) {
        meldung_ = QStringLiteral("%1 Felder statt 9 (oder 6)").arg(felder.size());
        return false;
    }
    if (!kategoriePruefen(felder[1], t, kategorie))
        return false;
    eintrag = true;
    return true;
}

bool VerlaufLeser::zeitPruefen(const QByteArray &feld, Zeitpunkt &t)
{
    // The same rules as Zeitpunkt::einlesen, which needs a stream per word.
    meldung_ = QStringLiteral("Zeitpunkt \"%1\" ist ungültig (erwartet Minuten:Sekunden, "
                              "z. B. 01:10.003)")
                   .arg(latin1(feld));
    const qsizetype doppelpunkt = feld.indexOf(':');
    if (doppelpunkt <= 0)
        return false;
    bool minutenOk = false;
    bool sekundenOk = false;
    const int m = feld.left(doppelpunkt).toInt(&minutenOk, 10);
    const double s = feld.mid(doppelpunkt + 1).toDouble(&sekundenOk);
    if (!minutenOk || !sekundenOk || !std::isfinite(s))
        return false;
    const double gesamt = m * 60.0 + s;
    if (gesamt < 0) {
        meldung_ = QStringLiteral("negativer Zeitpunkt \"%1\"").arg(latin1(feld));
        return false;
    }
    if (gesamt / 60 >= double(INT_MAX))
        return false;
    t = Zeitpunkt(m, s, 0);
    return true;
}

bool VerlaufLeser::kategoriePruefen(const QByteArray &feld, const Zeitpunkt &t, int &kategorie)
{
    bool ok = false;
    kategorie = feld.toInt(&ok, 10);
    if (!ok) {
        meldung_ = QStringLiteral("Kategorie \"%1\" ist keine ganze Zahl").arg(latin1(feld));
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
    fehler_ = zeile > 0 ? QStringLiteral("%1, Zeile %2: %3").arg(datei).arg(zeile).arg(meldung)
                        : QStringLiteral("%1: %2").arg(datei, meldung);
    sitzung_ = Sitzung();
    return false;
}
