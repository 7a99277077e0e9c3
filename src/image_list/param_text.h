#pragma once

#include <QString>

namespace kvx {

// Removes blanks (character 32 only) from both ends of text, in place; tabs stay.
QString &trimSpaces(QString &text);

// Takes the next token off the front of text: leading blanks and control characters
// are skipped; the token ends at a blank, a control character or a comma. A character
// at or below the double quote opens a quoted run that the next such character closes
// (blanks and '!' included: list files and macro lines written so far rely on this).
// text keeps the rest, starting with the character that ended the token. A text that
// starts with a comma gives an empty token and stays as it was.
QString normalizeParamText(QString &text);

} // namespace kvx
