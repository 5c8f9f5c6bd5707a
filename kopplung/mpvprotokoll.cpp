#include "mpvprotokoll.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

bool sinnvollePosition(double s)
{
    return std::isfinite(s) && s >= 0.0 && s <= MpvProtokoll::hoechstePosition;
}

// A title is shown in one label: no control characters, no novel.
QString titelBereinigen(const QString &roh)
{
    QString titel;
    for (const QChar c : roh) {
        if (!c.isNonCharacter() && c.category() != QChar::Other_Control &&
            c.category() != QChar::Other_Format && !c.isSurrogate())
            titel.append(c);
        if (titel.size() >= 200)
            break;
    }
    return titel.trimmed();
}

MpvNachricht eigenschaftDeuten(const QJsonObject &o, bool &verstanden)
{
    MpvNachricht n;
    const QString name = o.value(QLatin1String("name")).toString();
    const QJsonValue daten = o.value(QLatin1String("data"));
    if (name == QLatin1String("playback-time")) {
        n.art = MpvNachricht::Art::Position;
        // null: no file, so no position.
        verstanden = daten.isNull() || daten.isUndefined() ||
                     (daten.isDouble() && sinnvollePosition(daten.toDouble()));
        if (daten.isDouble() && verstanden)
            n.sekunden = daten.toDouble();
        if (!verstanden)
            n.art = MpvNachricht::Art::Unbekannt;
    } else if (name == QLatin1String("pause")) {
        verstanden = daten.isBool();
        n.art = verstanden ? MpvNachricht::Art::Pause : MpvNachricht::Art::Unbekannt;
        n.pausiert = daten.toBool();
    } else if (name == QLatin1String("media-title")) {
        verstanden = daten.isString() || daten.isNull();
        n.art = verstanden ? MpvNachricht::Art::Titel : MpvNachricht::Art::Unbekannt;
        n.titel = titelBereinigen(daten.toString());
    }
    return n;
}

MpvNachricht tasteDeuten(const QJsonObject &o, bool &verstanden)
{
    MpvNachricht n;
    const QJsonArray args = o.value(QLatin1String("args")).toArray();
    // Other programs' client messages reach every client: not ours, not malformed.
    if (args.isEmpty() || args.at(0).toString() != QLatin1String(MpvProtokoll::tastenNachricht))
        return n;
    const QString taste = args.size() > 1 ? args.at(1).toString() : QString();
    verstanden =
        taste.size() == 1 && QByteArray(MpvProtokoll::tasten).contains(taste.at(0).toLatin1());
    if (!verstanden)
        return n;
    n.art = MpvNachricht::Art::Taste;
    n.taste = taste.at(0);
    bool zahl = false;
    const double s = args.size() > 2 ? args.at(2).toString().toDouble(&zahl) : 0.0;
    if (zahl && sinnvollePosition(s))
        n.sekunden = s;
    return n;
}

} // namespace

QList<MpvNachricht> MpvProtokoll::aufnehmen(const QByteArray &daten)
{
    QList<MpvNachricht> nachrichten;
    qsizetype anfang = 0;
    while (anfang < daten.size()) {
        const qsizetype ende = daten.indexOf('\n', anfang);
        const QByteArray stueck = daten.mid(anfang, ende < 0 ? -1 : ende - anfang);
        anfang = ende < 0 ? daten.size() : ende + 1;
        if (!ueberlang)
            rest.append(stueck);
        if (rest.size() > zeilenGrenze && !ueberlang) {
            ueberlang = true;
            ++verworfen;
            rest.clear();
        }
        if (ende < 0)
            break;
        if (!ueberlang)
            zeileAufnehmen(rest, nachrichten);
        rest.clear();
        ueberlang = false;
    }
    return nachrichten;
}

void MpvProtokoll::zeileAufnehmen(const QByteArray &zeile, QList<MpvNachricht> &nachrichten)
{
    bool verstanden = false;
    const MpvNachricht n = deuten(zeile, &verstanden);
    if (!verstanden)
        ++verworfen;
    if (n.art != MpvNachricht::Art::Unbekannt)
        nachrichten.append(n);
}

// Replies and events of no interest are understood and ignored; only what claims to be a
// message of interest and is not well-formed counts as not understood.
MpvNachricht MpvProtokoll::deuten(const QByteArray &zeile, bool *verstanden)
{
    bool ok = true;
    MpvNachricht n;
    QJsonParseError fehler;
    const QJsonDocument doc = QJsonDocument::fromJson(zeile, &fehler);
    if (fehler.error != QJsonParseError::NoError || !doc.isObject()) {
        ok = zeile.trimmed().isEmpty();
    } else {
        const QJsonObject o = doc.object();
        const QString ereignis = o.value(QLatin1String("event")).toString();
        if (ereignis == QLatin1String("property-change"))
            n = eigenschaftDeuten(o, ok);
        else if (ereignis == QLatin1String("client-message"))
            n = tasteDeuten(o, ok);
        else if (ereignis == QLatin1String("shutdown"))
            n.art = MpvNachricht::Art::Ende;
    }
    if (verstanden)
        *verstanden = ok;
    return n;
}

QByteArray MpvProtokoll::beobachtungsBefehle()
{
    return QByteArrayLiteral("{\"command\":[\"observe_property\",1,\"playback-time\"]}\n"
                             "{\"command\":[\"observe_property\",2,\"pause\"]}\n"
                             "{\"command\":[\"observe_property\",3,\"media-title\"]}\n");
}

QByteArray MpvProtokoll::pauseBefehl(bool pause)
{
    return pause ? QByteArrayLiteral("{\"command\":[\"set_property\",\"pause\",true]}\n")
                 : QByteArrayLiteral("{\"command\":[\"set_property\",\"pause\",false]}\n");
}
