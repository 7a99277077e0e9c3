#pragma once

#include "shell/stored_text.h"
#include "tutorial/tutorial_steps.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace kvx {

// Checkpoints achieved per topic, kept from one run to the next in enma.tmp: a
// header line, then one count per topic as " n " (a blank in the place of the sign,
// one after), each line ended by CR LF.
using TopicCounts = std::array<int, tutorial::TopicCount>;

namespace achievement_record {

// The file's place in the program's own per-user folder.
QString defaultPath();

QByteArray format(const TopicCounts &counts);

// Reads the counts; reading stops at the first missing or unreadable line and the
// counts not read stay 0. Each count is held to 0..its topic's checkpoints, so a
// hand-edited file cannot push the progress past its end. LF or CR LF line ends.
TopicCounts parse(const QByteArray &content);

// A missing or unreadable file gives all zeros.
TopicCounts load(const QString &path);
// Writes through a save file, so a failed write leaves the old record whole.
FileWriteResult save(const QString &path, const TopicCounts &counts);

} // namespace achievement_record

} // namespace kvx
