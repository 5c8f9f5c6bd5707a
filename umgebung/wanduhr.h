#ifndef WANDUHR_H
#define WANDUHR_H

#include <QDateTime>

#include <utility>

// The one wall clock of the program, for dates and backup names (the counter has its own,
// monotonic one). Replaceable for the whole process, so that a test fixes the instant.
class Wanduhr
{
public:
    virtual ~Wanduhr() = default;
    virtual QDateTime jetzt() const;

    // The installed clock's reading; the system's clock while none is installed.
    static QDateTime lesen();
    // Installs uhr (not owned; nullptr: the system's clock). Returns the one before.
    static const Wanduhr *einsetzen(const Wanduhr *uhr);
};

// A clock standing at one instant.
class FesteWanduhr : public Wanduhr
{
public:
    explicit FesteWanduhr(QDateTime zeit) : zeit(std::move(zeit)) {}
    QDateTime jetzt() const override { return zeit; }

    QDateTime zeit;
};

#endif
