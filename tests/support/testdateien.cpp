#include "testdateien.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

QByteArray dateiInhalt(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<nicht lesbar>");
    return f.readAll();
}

bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() && f.flush();
}

QStringList eintraege(const QString &verzeichnis)
{
    return QDir(verzeichnis)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

QByteArray verlaufZeilen(const QString &klient, const QString &rater, int n)
{
    const QByteArray namen = "\t" + klient.toUtf8() + "\t" + rater.toUtf8() + "\t";
    const QByteArray zeilen[] = {"00:00.000\t0\t0\t0" + namen + "0\t0\t0\n",
                                 "00:04.250\t4\t0\t4.25" + namen + "0\t4\t250\n",
                                 "01:10.003\t2\t4\t65.753" + namen + "1\t10\t3\n",
                                 "01:35.500\t7\t2\t25.497" + namen + "1\t35\t500\n"};
    QByteArray verlauf;
    for (int i = 0; i < n && i < 4; ++i)
        verlauf += zeilen[i];
    return verlauf;
}

QString arbeitsordnerBetreten(const QTemporaryDir &basis)
{
    const QString pfad = basis.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                                        QString::fromLatin1(QTest::currentDataTag()));
    if (!QDir().mkpath(pfad) || !QDir::setCurrent(pfad))
        return {};
    return pfad;
}

void infoVergleichen(const QString &name, const QList<QByteArray> &ohneDatumZeit)
{
    const QByteArray inhalt = dateiInhalt(name);
    QVERIFY2(inhalt.endsWith('\n'), inhalt.constData());
    QList<QByteArray> zeilen = inhalt.split('\n');
    zeilen.removeLast();
    QCOMPARE(zeilen.size(), 9);
    QVERIFY2(QRegularExpression(QStringLiteral("^Datum:\\t\\w{3} \\w{3} \\d{1,2} \\d{4}$"))
                 .match(QString::fromLatin1(zeilen[2]))
                 .hasMatch(),
             zeilen[2].constData());
    QVERIFY2(QRegularExpression(QStringLiteral("^Zeit:\\t\\d\\d:\\d\\d:\\d\\d$"))
                 .match(QString::fromLatin1(zeilen[3]))
                 .hasMatch(),
             zeilen[3].constData());
    zeilen.remove(2, 2);
    QCOMPARE(zeilen, ohneDatumZeit);
}
