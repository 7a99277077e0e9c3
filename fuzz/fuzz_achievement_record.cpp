#include "tutorial/achievement_record.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto counts =
        kvx::achievement_record::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    kvx::achievement_record::format(counts);
    return 0;
}
