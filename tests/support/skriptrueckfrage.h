#ifndef SKRIPTRUECKFRAGE_H
#define SKRIPTRUECKFRAGE_H

#include "rueckfrage.h"

#include <QList>
#include <QStringList>

#include <functional>

// Answers every message box of the process while it lives, and remembers each. Retry
// prompts are answered from the script, and with Abort once it is used up; `vorher` runs
// before each of their answers (e.g. to remove an obstacle). A recovery question gets
// `wiederherstellen`; the boxes that only inform are just remembered.
class SkriptRueckfrage : public Rueckfrage
{
public:
    explicit SkriptRueckfrage(QList<int> antworten = {}, std::function<void(int)> vorher = {});
    ~SkriptRueckfrage() override;
    SkriptRueckfrage(const SkriptRueckfrage &) = delete;
    SkriptRueckfrage &operator=(const SkriptRueckfrage &) = delete;

    int fragen(Art art, QObject *eltern, const QString &titel, const QString &text) override;

    // The retry prompts' captions and texts.
    const QStringList &titel() const { return titel_; }
    const QStringList &texte() const { return texte_; }
    // Every other box of that kind, as caption + "|" + text.
    QStringList meldungen(Art art) const;

    // The parent widget of the latest box.
    QObject *eltern() const { return eltern_; }

    int wiederherstellen = Nein;

private:
    QList<int> antworten_;
    std::function<void(int)> vorher_;
    Rueckfrage *alt_;
    QObject *eltern_ = nullptr;
    QStringList titel_;
    QStringList texte_;
    QList<std::pair<Art, QString>> meldungen_;
};

// The retry prompt's text for the history saver ("Rating Verlauf").
QString erwarteterPromptText(const QString &verb, const QString &dateiName, const QString &grund);

#endif
