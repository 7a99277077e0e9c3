#include "link/numbers.h"
#include "link/serial_settings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double v = kvx::numericValue(text);
    try {
        kvx::toWhole(v, kvx::IntWidth::Int16);
    } catch (const kvx::EncodeError &) {
    }
    kvx::SerialSettings::parse(text);
    kvx::serialDevicePath(text);
    return 0;
}
