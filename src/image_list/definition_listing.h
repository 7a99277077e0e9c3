#pragma once

#include "image_list/image_entry.h"

#include <QList>
#include <QString>

namespace kvx {

// Listings of each image's flash page and address for firmware sources.
enum class ListingForm { Text, C, Assembler };

struct ListingTarget
{
    QString path;
    ListingForm form = ListingForm::Text;
};

// The form follows the extension: ".txt" (any case), ".c" (lower case only), ".asm"
// (any case). A name without one of these gets the extension of the chosen filter
// appended (0 ".txt", 1 ".c", 2 ".asm", others ".txt").
ListingTarget listingTarget(const QString &path, int filterIndex);

// The whole listing, lines ended by CR LF.
QString definitionListing(const QList<ImageListEntry> &entries, ListingForm form);

} // namespace kvx
