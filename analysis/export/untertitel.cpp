#include "untertitel.h"

#include "einschaetzung.h"
#include "formatierung.h"
#include "osdtext.h"

#include <algorithm>

namespace {

const QString zeichenAbweichung = QStringLiteral("≠ ");

// hh:mm:ss plus the fraction with its separator; ASS (two fraction digits) pads no hours.
QString zeit(qint64 us, QChar trenner, int stellen)
{
    const qint64 ms = std::max<qint64>(us, 0) / 1000;
    const qint64 s = ms / 1000;
    const QString bruch = dreistellig(int(ms % 1000)).left(stellen);
    const QString stunden = stellen == 2 ? QString::number(s / 3600) : zweistellig(int(s / 3600));
    return stunden + QLatin1Char(':') + zweistellig(int(s / 60 % 60)) + QLatin1Char(':') +
           zweistellig(int(s % 60)) + trenner + bruch;
}

QString kuerzel(int kategorie)
{
    if (kategorie >= 1 && kategorie < EinschaetzungAnzahl)
        return EinschaetzungKuerzel[kategorie];
    return kategorie == Raterabschnitte::keine ? QStringLiteral("–") : QString::number(kategorie);
}

QString nameFuer(const QString &name, Untertitel::Format format)
{
    QString s = osdText(name);
    if (format == Untertitel::Format::WebVtt) {
        s.replace(QLatin1Char('&'), QLatin1String("&amp;"));
        s.replace(QLatin1Char('<'), QLatin1String("&lt;"));
        s.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    } else if (format == Untertitel::Format::Srt) {
        s.replace(QLatin1Char('<'), QChar(0x2039));
        s.replace(QLatin1Char('>'), QChar(0x203A));
    }
    return s;
}

bool sichtbar(const Raterabschnitte::Abschnitt &a)
{
    return a.ende > 0;
}

} // namespace

bool Untertitel::formatErkennen(const QString &datei, Format &format)
{
    const QString endung = datei.section(QLatin1Char('.'), -1).toLower();
    if (!datei.contains(QLatin1Char('.')))
        return false;
    if (endung == QLatin1String("vtt"))
        format = Format::WebVtt;
    else if (endung == QLatin1String("srt"))
        format = Format::Srt;
    else if (endung == QLatin1String("ass"))
        format = Format::Ass;
    else
        return false;
    return true;
}

Untertitel::Untertitel(const Raterabschnitte &abschnitte, const QStringList &namen)
    : abschnitte_(abschnitte), namen_(namen)
{
}

QString Untertitel::text(Format format) const
{
    switch (format) {
    case Format::WebVtt:
        return vtt();
    case Format::Srt:
        return srt();
    case Format::Ass:
        break;
    }
    return ass();
}

QString Untertitel::zeilen(const Raterabschnitte::Abschnitt &a, Format format) const
{
    const QString umbruch = format == Format::Ass ? QStringLiteral("\\N") : QStringLiteral("\n");
    QStringList z;
    for (size_t i = 0; i < a.kategorien.size(); ++i) {
        const QString name = nameFuer(namen_.value(qsizetype(i)), format);
        z << (a.abweichend ? zeichenAbweichung : QString()) + name + QStringLiteral(": ") +
                 kuerzel(a.kategorien[i]);
    }
    return z.join(umbruch);
}

QString Untertitel::vtt() const
{
    QString s = QStringLiteral("WEBVTT\n");
    for (const Raterabschnitte::Abschnitt &a : abschnitte_.abschnitte()) {
        if (sichtbar(a))
            s += QLatin1Char('\n') + zeit(a.beginn, QLatin1Char('.'), 3) + QStringLiteral(" --> ") +
                 zeit(a.ende, QLatin1Char('.'), 3) + QLatin1Char('\n') + zeilen(a, Format::WebVtt) +
                 QLatin1Char('\n');
    }
    return s;
}

QString Untertitel::srt() const
{
    QString s;
    int nummer = 0;
    for (const Raterabschnitte::Abschnitt &a : abschnitte_.abschnitte()) {
        if (!sichtbar(a))
            continue;
        if (nummer > 0)
            s += QLatin1Char('\n');
        s += QString::number(++nummer) + QLatin1Char('\n') + zeit(a.beginn, QLatin1Char(','), 3) +
             QStringLiteral(" --> ") + zeit(a.ende, QLatin1Char(','), 3) + QLatin1Char('\n') +
             zeilen(a, Format::Srt) + QLatin1Char('\n');
    }
    return s;
}

QString Untertitel::ass() const
{
    // Yellow (ASS colours are &HAABBGGRR) for disagreement, white otherwise, on a dark box
    // at the bottom; the player's own time stays at the top.
    QString s = QStringLiteral(
        "[Script Info]\n"
        "ScriptType: v4.00+\n"
        "PlayResX: 1280\n"
        "PlayResY: 720\n"
        "WrapStyle: 2\n"
        "ScaledBorderAndShadow: yes\n"
        "\n"
        "[V4+ Styles]\n"
        "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
        "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
        "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
        "Style: Rater,Liberation Sans,30,&H00FFFFFF,&H00FFFFFF,&H00000000,&H80000000,"
        "0,0,0,0,100,100,0,0,3,2,0,2,20,20,24,1\n"
        "Style: Abweichung,Liberation Sans,30,&H0000FFFF,&H0000FFFF,&H00000000,&H80000000,"
        "1,0,0,0,100,100,0,0,3,2,0,2,20,20,24,1\n"
        "\n"
        "[Events]\n"
        "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n");
    for (const Raterabschnitte::Abschnitt &a : abschnitte_.abschnitte()) {
        if (sichtbar(a))
            s += QStringLiteral("Dialogue: 0,") + zeit(a.beginn, QLatin1Char('.'), 2) +
                 QLatin1Char(',') + zeit(a.ende, QLatin1Char('.'), 2) + QLatin1Char(',') +
                 (a.abweichend ? QStringLiteral("Abweichung") : QStringLiteral("Rater")) +
                 QStringLiteral(",,0,0,0,,") + zeilen(a, Format::Ass) + QLatin1Char('\n');
    }
    return s;
}
