#ifndef HINWEIS_H
#define HINWEIS_H

#include <QString>

class QWidget;

// A warning box that only informs (one OK button): something the rater must not miss and
// that does not fit an information line. Shown through the prompt seam.
class Hinweis
{
public:
    static void zeigen(QWidget *eltern, const QString &titel, const QString &text);
};

#endif
