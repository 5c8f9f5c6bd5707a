#ifndef MENUESTART_H
#define MENUESTART_H

#include <QString>

// A start from the application menu comes with no working directory the rater chose (mostly
// the home folder, sometimes "/"). The menu entry therefore passes an option, and the session
// files then go into one fixed folder in the rater's home. A start from a terminal, without the
// option, keeps its working directory.
class MenueStart
{
public:
    // The option of the menu entry.
    static QString option();
    // Name of the session folder inside the home folder.
    static QString ordnerName();

    // Takes the option out of argv, so that the toolkit gets the arguments otherwise
    // unchanged; true when it was given.
    static bool optionEntnehmen(int &argc, char **argv);

    // Makes <heim>/<ordnerName()> the working directory and creates it when missing. On
    // failure the working directory stays as it was and fehler says why.
    static bool ordnerEinrichten(const QString &heim, QString &fehler);
};

#endif
