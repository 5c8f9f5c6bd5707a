#include "durchsicht.h"

#include "atomaredatei.h"
#include "befehlszeile.h"
#include "kapiteldatei.h"
#include "raterabschnitte.h"
#include "raterspuren.h"
#include "untertitel.h"
#include "verlaufleser.h"
#include "videostart.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

const QString spurenDatei = QStringLiteral("rater.ass");
const QString kapitelDatei = QStringLiteral("abweichungen.ffmetadata");
const QString tastenDatei = QStringLiteral("tasten.conf");
// The companion's options that say how the files are shifted.
const QStringList versatzOptionen = {QStringLiteral("--versatz"), QStringLiteral("--suchbereich"),
                                     QStringLiteral("--schritt")};

bool istOption(const QString &a)
{
    return a.startsWith(QLatin1Char('-')) && a.size() > 1;
}

void melden(const QString &text)
{
    std::fprintf(stderr, "morvanto-video: %s\n", text.toLocal8Bit().constData());
}

} // namespace

bool Durchsicht::gewuenscht(const QStringList &argumente)
{
    return argumente.contains(QLatin1String(option));
}

int Durchsicht::ausfuehren(const QStringList &argumente)
{
    Durchsicht d;
    QTemporaryDir ordner;
    QStringList warnungen;
    if (!d.lesen(argumente)) {
        melden(d.fehler());
        return 2;
    }
    if (!ordner.isValid()) {
        melden(QStringLiteral("kein temporärer Ordner (%1)").arg(ordner.errorString()));
        return 1;
    }
    const int rueckgabe = d.vorbereiten(ordner.path(), warnungen);
    for (const QString &w : std::as_const(warnungen))
        melden(QStringLiteral("Warnung: ") + w);
    if (rueckgabe != 0) {
        melden(d.fehler());
        return rueckgabe;
    }
    // mpv's own chapter keys, which the review leaves as they are.
    std::printf("morvanto-video: %d Abweichungen als Kapitel; Bild auf springt zur nächsten, "
                "Bild ab zur vorigen\n",
                d.abweichungen());
    std::fflush(stdout);
    // A child, not a replacement: the temporary folder is removed when the player ends.
    QProcess mpv;
    mpv.setProcessChannelMode(QProcess::ForwardedChannels);
    mpv.setInputChannelMode(QProcess::ForwardedInputChannel);
    mpv.start(QStringLiteral("mpv"), d.mpvArgumente(ordner.path()));
    if (!mpv.waitForStarted(-1)) {
        melden(QStringLiteral("mpv nicht zu starten (%1); ist das Paket mpv installiert?")
                   .arg(mpv.errorString()));
        return 127;
    }
    mpv.waitForFinished(-1);
    return mpv.exitStatus() == QProcess::NormalExit ? mpv.exitCode() : 1;
}

bool Durchsicht::lesen(const QStringList &argumente)
{
    bool verlauf = false;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        const QString name = a.section(QLatin1Char('='), 0, 0);
        if (a == QLatin1String(option)) {
            verlauf = true;
        } else if (versatzOptionen.contains(name)) {
            verlauf = false;
            versatz_ << a;
            if (name == a && i + 1 < argumente.size())
                versatz_ << argumente[++i];
        } else if (verlauf && !istOption(a)) {
            dateien_ << a;
        } else {
            verlauf = false;
            mpv_ << a;
        }
    }
    // "--verlauf A B VIDEO": the last file named is the video, unless one follows.
    if (std::none_of(mpv_.begin(), mpv_.end(), [](const QString &a) { return !istOption(a); }) &&
        !dateien_.isEmpty())
        mpv_ << dateien_.takeLast();
    if (dateien_.isEmpty())
        return scheitern(QStringLiteral("%1 braucht Verlaufsdateien und danach das Video")
                             .arg(QLatin1String(option)));
    return true;
}

bool Durchsicht::pruefen(const QString &ordner, Befehlszeile &b)
{
    // The companion's own checks of the files and the shift, as for its subtitles.
    QStringList befehl = QStringList{QStringLiteral("untertitel")} + versatz_ + dateien_;
    befehl << QStringLiteral("-o") << QDir(ordner).filePath(spurenDatei);
    if (!b.lesen(befehl))
        return scheitern(b.fehler());
    return true;
}

int Durchsicht::vorbereiten(const QString &ordner, QStringList &warnungen)
{
    Befehlszeile b;
    if (!pruefen(ordner, b))
        return 2;
    std::vector<Sitzung> sitzungen;
    for (const QString &datei : dateien_) {
        VerlaufLeser leser;
        if (!leser.lesen(datei)) {
            scheitern(leser.fehler());
            return 1;
        }
        sitzungen.push_back(leser.sitzung());
    }
    const Raterspuren spuren(std::move(sitzungen), b.vergleich());
    warnungen << spuren.warnungen();
    const Raterabschnitte abschnitte(spuren.sitzungen());
    const auto strecken = abschnitte.abweichungen();
    abweichungen_ = int(strecken.size());
    const QString zeilen = Untertitel(abschnitte, spuren.namen()).text(Untertitel::Format::Ass);
    const QByteArray tasten =
        VideoStart::tastenKonfiguration(VideoStart::eigeneTastenKonfiguration(), true);
    const QDir o(ordner);
    const bool geschrieben =
        schreiben(o.filePath(spurenDatei), zeilen.toUtf8()) &&
        schreiben(o.filePath(kapitelDatei), Kapiteldatei::text(strecken).toUtf8()) &&
        schreiben(o.filePath(tastenDatei), tasten);
    return geschrieben ? 0 : 1;
}

QStringList Durchsicht::mpvArgumente(const QString &ordner) const
{
    const QDir o(ordner);
    QStringList a = {QStringLiteral("--input-conf=") + o.filePath(tastenDatei),
                     QStringLiteral("--sub-file=") + o.filePath(spurenDatei),
                     QStringLiteral("--chapters-file=") + o.filePath(kapitelDatei),
                     QStringLiteral("--pause"),
                     QStringLiteral("--start=0"),
                     QStringLiteral("--keep-open=yes"),
                     QStringLiteral("--osd-level=3"),
                     QStringLiteral("--osd-fractions"),
                     QStringLiteral("--title=Morvanto-Durchsicht: ${media-title}")};
    return a + mpv_;
}

bool Durchsicht::schreiben(const QString &datei, const QByteArray &inhalt)
{
    QString grund;
    if (AtomareDatei::schreibenAtomar(datei, inhalt, &grund))
        return true;
    return scheitern(grund);
}

bool Durchsicht::scheitern(const QString &meldung)
{
    fehler_ = meldung;
    return false;
}
