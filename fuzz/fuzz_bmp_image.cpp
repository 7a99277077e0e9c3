#include "image_list/bmp_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    kvx::BmpHeader header;
    kvx::readBmpHeader(bytes, header);
    kvx::loadBmpBytes(bytes, QStringLiteral("English"));
    return 0;
}
