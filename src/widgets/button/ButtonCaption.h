#pragma once

#include <QChar>
#include <QString>

namespace tidecopy {

// A caption is read as runs of "&&" (one ampersand shown) and single "&" marks, pairs
// taken from the left; "||" breaks the line.

// The character after the last single "&", or a null character.
QChar accessKeyOf(const QString& caption);

// What a screen reader says: no marks, one ampersand per pair, a space for a line break.
QString spokenCaption(const QString& caption);

// The text to draw with the toolkit's mnemonic rules, which underline the first "&":
// the last mark is the one kept, line breaks are "\n".
QString drawnCaption(const QString& caption);

} // namespace tidecopy
