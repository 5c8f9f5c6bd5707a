#ifndef HINWEIS_H
#define HINWEIS_H

#include <QString>

#include <functional>

class QWidget;

// A warning box that only informs (one OK button): something the rater must not miss and
// that does not fit an information line.
class Hinweis
{
public:
    using Anzeige = std::function<void(const QString &titel, const QString &text)>;

    static void zeigen(QWidget *eltern, const QString &titel, const QString &text);

    // Test seam for the whole process: receives caption and text instead of the box. An
    // empty function restores the box. Returns the function set before.
    static Anzeige anzeigeSetzen(Anzeige anzeige);
};

#endif
