#include "verlauf.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>

// Random and mutated history files: reading must always return, whatever the bytes.
class TstVerlaufFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void zufaelligeDateien();
    void grosseEingaben();

private:
    QByteArray gueltigeDatei(QRandomGenerator &zufall) const;
    QByteArray mutieren(QByteArray bytes, QRandomGenerator &zufall) const;
    static void lesen(const QByteArray &bytes);
};

static void stumm(QtMsgType, const QMessageLogContext &, const QString &) {}

void TstVerlaufFuzz::initTestCase()
{
    qInstallMessageHandler(stumm);
}

QByteArray TstVerlaufFuzz::gueltigeDatei(QRandomGenerator &zufall) const
{
    Verlauf v;
    const int n = zufall.bounded(12);
    for (int i = 0; i < n; ++i)
        v.eintragen(Zeitpunkt(zufall.bounded(80), zufall.bounded(60.0)), zufall.bounded(8));
    QByteArray bytes;
    QTextStream out(&bytes, QIODevice::WriteOnly);
    v.ausgeben(out, QStringLiteral("k17"), QStringLiteral("elmaro"));
    out.flush();
    return bytes;
}

QByteArray TstVerlaufFuzz::mutieren(QByteArray bytes, QRandomGenerator &zufall) const
{
    static const QByteArray bausteine[] = {
        "\t",    "\n",  "\r\n",  " ",           ":",        ".", "-", "\0", "99999999999999999999",
        "1e308", "nan", "-1:30", "00:07.000\n", "\xfc\xff", "4x"};
    const int schritte = 1 + zufall.bounded(6);
    for (int i = 0; i < schritte; ++i) {
        const int pos = bytes.isEmpty() ? 0 : zufall.bounded(bytes.size() + 1);
        switch (zufall.bounded(4)) {
        case 0: // flip a byte
            if (!bytes.isEmpty())
                bytes[qMin(pos, int(bytes.size()) - 1)] = char(zufall.bounded(256));
            break;
        case 1: // truncate
            bytes.truncate(pos);
            break;
        case 2: { // insert a piece that parsers trip over
            const QByteArray &b = bausteine[zufall.bounded(int(std::size(bausteine)))];
            bytes.insert(pos, b.isEmpty() ? QByteArray(1, '\0') : b);
            break;
        }
        default: // duplicate a stretch
            bytes.insert(pos, bytes.mid(zufall.bounded(bytes.size() + 1), 40));
        }
    }
    return bytes;
}

void TstVerlaufFuzz::lesen(const QByteArray &bytes)
{
    QByteArray kopie = bytes;
    QTextStream in(&kopie, QIODevice::ReadOnly);
    in.setEncoding(QStringConverter::Latin1);
    Verlauf v;
    v.einlesen(in);
    // Whatever was read must be usable.
    v.letzterZeitpunkt().toString();
    v.eintragInfo(v.letzterZeitpunkt());
    QString aus;
    QTextStream out(&aus);
    v.ausgeben(out, QStringLiteral("a"), QStringLiteral("b"));
}

void TstVerlaufFuzz::zufaelligeDateien()
{
    QRandomGenerator zufall(20261207);
    for (int i = 0; i < 30000; ++i) {
        QByteArray bytes;
        if (i % 5 == 0) {
            bytes.resize(zufall.bounded(300));
            for (char &c : bytes)
                c = char(zufall.bounded(256));
        } else {
            bytes = mutieren(gueltigeDatei(zufall), zufall);
        }
        lesen(bytes);
    }
}

void TstVerlaufFuzz::grosseEingaben()
{
    lesen(QByteArray(1 << 20, '\t'));
    lesen(QByteArray(1 << 20, 'x'));
    lesen(QByteArray(1 << 20, '\0'));
    lesen(QByteArray(1 << 20, '\n'));
    lesen("00:01.000\t" + QByteArray(1 << 20, '7') + "\n");
    lesen("00:01.000\t4\t" + QByteArray(1 << 20, 'a') + "\n");
    lesen(QByteArray(1 << 20, '9') + ":" + QByteArray(1 << 20, '9'));
    QByteArray viele;
    for (int i = 0; i < 20000; ++i)
        viele += "00:07.000\n";
    lesen(viele);
}

QTEST_GUILESS_MAIN(TstVerlaufFuzz)
#include "tst_verlauf_fuzz.moc"
