#include "shell/settings_files.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    kvx::ConfigSettings settings = kvx::defaultConfigSettings();
    kvx::parseConfig(bytes).applyTo(settings);
    kvx::configBytes(settings);
    kvx::parseTextMemo(bytes);
    return 0;
}
