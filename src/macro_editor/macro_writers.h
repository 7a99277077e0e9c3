#pragma once

#include "macro_editor/demo_firmware.h"
#include "shell/macro_tokenizer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kvx {

// The formats a macro is saved in; the file name's extension chooses one.
enum class MacroFormat { Text, CSource, Assembler, IntelHex };

// One entry of the save dialog's filter list.
struct SaveFilter
{
    QString entry;      // "C code(*.c)"
    QString extension;  // added to a name that has none: ".c"
    HexVariant variant; // the image an Intel HEX file saved under this entry holds
};

// The save dialog's entries: text, command sequence, Intel HEX, assembler and C; while
// the demo entries are asked for (Ctrl and Shift held as the save starts), after them
// the entry of each board in `boards` (those whose firmware file is usable).
QList<SaveFilter> saveFilters(bool demoEntries, const QList<HexVariant> &boards);
// The entry chosen first: the command-sequence files.
inline constexpr int DefaultSaveFilter = 1;

// The chosen name with the filter's extension added when its file name has none: it has
// one when it ends in ".c" or when the fourth character from its end is ".".
QString completeFileName(const QString &path, const QString &filterExtension);

// The writer the (completed) name asks for: ".sei" and ".txt" text, ".c" C source,
// ".asm" assembler, ".hex" Intel HEX (any case, except ".c" exactly), anything else text.
MacroFormat formatForFileName(const QString &path);

// The C names' stem: the file name cut before its first ".", every character outside
// [A-Za-z0-9_] replaced by "_".
QString cNameForFile(const QString &path);

// Every file ends with one CR LF behind its content.

// The macro text as it stands.
QString textFile(const QString &macroText);

// The C and assembler writers take the lines as readMacroForWriting gives them and
// write each byte with its two digits as typed.

// A C program that holds the bytes in an array _name_code of _name_leng bytes and
// prints them; comment lines become C comments.
QString cSourceFile(const QList<MacroLine> &lines, const QString &cName);

// Assembler source: comment lines as ";***" lines, one ".db" directive per command line.
QString assemblerFile(const QList<MacroLine> &lines);

// The macro's bytes preceded by their count, high byte first.
QByteArray macroDataBlock(const QByteArray &macroBytes);

// Where the data block starts in every Intel HEX image.
inline constexpr int MacroBlockAddress = 0x0400;

// Largest macro data block a board takes (PIC 3328, TQ 13310; 0: no limit).
int demoBoardCapacity(HexVariant variant);

struct HexFile
{
    QString content;         // empty when the macro cannot be written
    QString refusal;         // why it cannot be written
    QString capacityMessage; // the board's remaining memory or its overflow, shown before writing
};

// Intel HEX: the board's firmware records (when any), then the data block at 0x0400 in
// records of up to 16 bytes (for the PIC board each block byte b as b, 0x34), then the
// end record. A block that would reach an address the firmware fills (the PIC's
// configuration word) or pass address 0xFFFF is refused: the file could not hold it.
HexFile intelHexFile(const QByteArray &macroBytes, HexVariant variant, const DemoFirmware &firmware, bool japanese);

} // namespace kvx
