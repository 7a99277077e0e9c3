#pragma once

#include <QString>

namespace kvx {

// The macro editor's captions by control name, English or Japanese ("" for a name the
// table does not hold). The English "Macro" item has an empty caption.
QString editFormCaption(const QString &name, bool japanese);

// The macro upload is offered for the older module series only ("2100", "2100B").
bool macroUploadAvailable(const QString &moduleSeri);

} // namespace kvx
