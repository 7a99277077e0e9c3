#pragma once

#include <QByteArray>
#include <QString>

namespace kvx {

// The command macro text the recorder writes for one command:
//   *** name ***
//   *** help ***
//   PRT 1bh 40h;
//   (empty line)
// with at most 16 byte tokens per "PRT" line; after every 16th byte the line is
// closed and a new "PRT" line opened, so 16 bytes end with a line "PRT;". Lines end
// with CR LF.
QString prtMacroBlock(const QString &name, const QString &help, const QByteArray &bytes);

// "*** text ***" lines for a comment; a text with line breaks gives one marked line
// per text line, so no continuation line can ever be read as a "PRT" line.
QString prtCommentLines(const QString &text);

} // namespace kvx
