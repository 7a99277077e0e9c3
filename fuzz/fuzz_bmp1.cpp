#include "link/bmp1_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kvx::ReadBmpToImage(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
