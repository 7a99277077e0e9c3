#include "image_list/list_files.h"
#include "link/codepage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = kvx::decodeFileText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    kvx::parseImageList(text, QStringLiteral("/tmp/lists"), 1000);
    return 0;
}
