#include "link/codepage.h"
#include "panels/user_font.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = kvx::decodeFileText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    kvx::UserFontFile::parse(text);
    return 0;
}
