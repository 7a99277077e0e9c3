#pragma once

#include <QStringList>

namespace kvx {

// The models the main window offers, in list order: ten of the newer series, then
// nine of the older series. The spelling (including the case of the "x") is part of
// the name the settings file stores.
const QStringList &ModelList();

inline constexpr const char *DefaultModel = "VX140X32_52K";

} // namespace kvx
