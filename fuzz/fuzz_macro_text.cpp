#include "shell/macro_tokenizer.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    using Rules = kvx::MacroTokenizer::Rules;
    for (auto page : {kvx::SystemCodePage::Windows1252, kvx::SystemCodePage::Cp932}) {
        for (auto rules : {Rules::Player, Rules::Strict}) {
            const kvx::MacroReading r = kvx::MacroTokenizer(page, rules).read(text);
            if (r.ok())
                r.bytes();
            else
                kvx::dataErrorMessage(*r.error);
        }
    }
    return 0;
}
