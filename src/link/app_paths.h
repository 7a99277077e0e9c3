#pragma once

#include <QString>

namespace kvx {

// The per-user folder that holds every file the program keeps for itself
// (Config.dat, Tmp.sei, temp.iml, Imgpath.tmp, temp.txt, enma.tmp): the Documents
// folder followed by Telmarin/KVX35P. Created when missing.
QString programFolder();

// The path of one of the program's own files inside programFolder().
QString programFile(const QString &name);

// The program's INI settings file in the user's configuration folder; holds values
// that are set by hand, such as UsbIo/DeviceName and SystemInfo/Path.
QString settingsIniPath();

} // namespace kvx
