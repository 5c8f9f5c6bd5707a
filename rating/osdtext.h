#ifndef OSDTEXT_H
#define OSDTEXT_H

#include <QString>

// Text from a file or the command line made harmless for the player's subtitle renderer:
// control characters (C0, DEL, C1, line and paragraph separators) become blanks, and the
// characters that open override tags or escapes ({, }, \) give way to look-alikes, so
// that a name can neither restyle nor break the line it stands in.
QString osdText(const QString &text);

#endif
