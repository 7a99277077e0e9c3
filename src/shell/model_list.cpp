#include "shell/model_list.h"

namespace kvx {

const QStringList &ModelList()
{
    static const QStringList models = {
        QStringLiteral("VX112X16_52K"),  QStringLiteral("VX128X32_52K"),  QStringLiteral("VX128X64_52K"),
        QStringLiteral("VX128x128_52K"), QStringLiteral("VX140X16_52K"),  QStringLiteral("VX140X32_52K"),
        QStringLiteral("VX160X32_52K"),  QStringLiteral("VX160X80_52K"),  QStringLiteral("VX256X64_52K"),
        QStringLiteral("VX280X16_52K"),  QStringLiteral("VX128X128_21K"), QStringLiteral("VX240X64_21K"),
        QStringLiteral("VX256X16_21K"),  QStringLiteral("VX256X32_21K"),  QStringLiteral("VX256x64_21K"),
        QStringLiteral("VX256X128_21K"), QStringLiteral("VX320x32_21K"),  QStringLiteral("VX384x32_21K"),
        QStringLiteral("VX512x32_21K"),
    };
    return models;
}

} // namespace kvx
