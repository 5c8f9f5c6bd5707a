#ifndef SKRIPTRUECKFRAGE_H
#define SKRIPTRUECKFRAGE_H

#include "datenspeichern.h"

#include <QList>
#include <QStringList>

#include <functional>

// Answers the retry prompt from a script and remembers every prompt; with the script used
// up it answers Abort. `vorher` runs before each answer (e.g. to remove an obstacle).
class SkriptRueckfrage
{
public:
    explicit SkriptRueckfrage(QList<int> antworten, std::function<void(int)> vorher = {});
    ~SkriptRueckfrage();
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

// The retry prompt's text for the history saver ("Rating Verlauf").
QString erwarteterPromptText(const QString &verb, const QString &dateiName, const QString &grund);

#endif
