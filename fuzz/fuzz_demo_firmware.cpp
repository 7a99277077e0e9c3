#include "macro_editor/demo_firmware.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (auto board : {kvx::HexVariant::KdbT640, kvx::HexVariant::Pic, kvx::HexVariant::Tq})
        kvx::checkDemoFirmware(board, bytes);
    return 0;
}
