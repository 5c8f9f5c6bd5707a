#ifndef SPEICHERHILFEN_H
#define SPEICHERHILFEN_H

// Helpers shared by the storage tests: debug-line capture, a scripted retry prompt,
// file contents and directory listings.

#include "datenspeichern.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <utility>

// Collects every debug line while it lives.
class DebugMitschnitt
{
public:
    DebugMitschnitt() { vorher_ = qInstallMessageHandler(&DebugMitschnitt::fangen); }
    ~DebugMitschnitt()
    {
        qInstallMessageHandler(vorher_);
        zeilen().clear();
    }
    DebugMitschnitt(const DebugMitschnitt &) = delete;
    DebugMitschnitt &operator=(const DebugMitschnitt &) = delete;

    static QStringList &zeilen()
    {
        static QStringList z;
        return z;
    }
    static int anzahl(const QString &zeile) { return int(zeilen().count(zeile)); }

private:
    static void fangen(QtMsgType, const QMessageLogContext &, const QString &text)
    {
        zeilen().append(text);
    }
    QtMessageHandler vorher_;
};

// Answers the retry prompt from a script and remembers every prompt; with the script used
// up it answers Abort. `vorher` runs before each answer (e.g. to remove an obstacle).
class SkriptRueckfrage
{
public:
    explicit SkriptRueckfrage(QList<int> antworten, std::function<void(int)> vorher = {})
        : antworten_(std::move(antworten)), vorher_(std::move(vorher))
    {
        alt_ = DatenSpeichern::rueckfrageSetzen([this](const QString &titel, const QString &text) {
            titel_.append(titel);
            texte_.append(text);
            if (vorher_)
                vorher_(int(texte_.size()));
            return antworten_.isEmpty() ? 0 : antworten_.takeFirst();
        });
    }
    ~SkriptRueckfrage() { DatenSpeichern::rueckfrageSetzen(std::move(alt_)); }
    SkriptRueckfrage(const SkriptRueckfrage &) = delete;
    SkriptRueckfrage &operator=(const SkriptRueckfrage &) = delete;

    const QStringList &titel() const { return titel_; }
    const QStringList &texte() const { return texte_; }

private:
    QList<int> antworten_;
    std::function<void(int)> vorher_;
    DatenSpeichern::Rueckfrage alt_;
    QStringList titel_;
    QStringList texte_;
};

inline QByteArray dateiInhalt(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<nicht lesbar>");
    return f.readAll();
}

inline bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() && f.flush();
}

// Every entry, hidden ones included, so that a left-over temporary file shows.
inline QStringList eintraege(const QString &verzeichnis)
{
    return QDir(verzeichnis)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

inline QString erwarteterPromptText(const QString &verb, const QString &dateiName,
                                    const QString &grund)
{
    return QStringLiteral("Konnte die Daten nicht %1.\n\n%2\n(Rating Verlauf - Datei nicht zu %3)"
                          "\n\nNoch mal versuchen?")
        .arg(verb, dateiName, grund);
}

#endif
