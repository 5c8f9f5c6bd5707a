#ifndef MELDUNGSFENSTER_H
#define MELDUNGSFENSTER_H

#include "rueckfrage.h"

#include <memory>

class QMessageBox;
class QWidget;

// The real message boxes behind the prompt seam, modal on their parent widget.
class Meldungsfenster : public Rueckfrage
{
public:
    int fragen(Art art, QObject *eltern, const QString &titel, const QString &text) override;

    // The box for the kind of prompt, ready to run: icon, buttons, default and escape button.
    static std::unique_ptr<QMessageBox> bauen(Art art, QWidget *eltern, const QString &titel,
                                              const QString &text);
    // The answer for the button clicked in the box.
    static int antwort(Art art, const QMessageBox &box);
};

// Asks through the installed prompt, else through the real box.
int rueckfragen(Rueckfrage::Art art, QObject *eltern, const QString &titel, const QString &text);

#endif
