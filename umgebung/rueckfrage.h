#ifndef RUECKFRAGE_H
#define RUECKFRAGE_H

#include <QString>

class QObject;

// The one way the program asks or tells the rater something in a message box. The real
// boxes are Meldungsfenster's; a test installs a scripted answer for the whole process.
class Rueckfrage
{
public:
    enum class Art
    {
        // "Noch mal versuchen?" of file access: Wiederholen or Aufgeben
        Wiederholen,
        // A warning that only informs (one OK button)
        Hinweis,
        // Whether to continue the session a journal holds: Ja or Nein
        Wiederherstellen,
        // The same for a journal older than the session's saved history: Nein by default
        WiederherstellenAelter,
        // The scolding box of a forbidden close (one OK button)
        VerbotenesBeenden
    };
    enum Antwort
    {
        Anders = -1,
        Aufgeben = 0,
        Nein = 0,
        Wiederholen = 1,
        Ja = 1,
    };

    virtual ~Rueckfrage() = default;
    // eltern: the widget the box belongs to (may be nullptr).
    virtual int fragen(Art art, QObject *eltern, const QString &titel, const QString &text) = 0;

    // The installed prompt, nullptr while the real boxes answer.
    static Rueckfrage *eingesetzt();
    // Installs rueckfrage (not owned; nullptr: the real boxes). Returns the one before.
    static Rueckfrage *einsetzen(Rueckfrage *rueckfrage);
};

// While it lives, every prompt is answered at once with Aufgeben (Nein): nobody may be there
// to answer (the system is ending the program).
class NiemandDa : public Rueckfrage
{
public:
    NiemandDa() : vorher(einsetzen(this)) {}
    ~NiemandDa() override { einsetzen(vorher); }
    NiemandDa(const NiemandDa &) = delete;
    NiemandDa &operator=(const NiemandDa &) = delete;

    int fragen(Art, QObject *, const QString &, const QString &) override { return Aufgeben; }

private:
    Rueckfrage *vorher;
};

#endif
