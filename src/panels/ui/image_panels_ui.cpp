#include "panels/ui/image_panels_ui.h"

#include "shell/ui/main_window.h"

namespace kvx {

ImagePanelsUi::ImagePanelsUi(MainWindow &window)
    : QObject(&window)
    , bitmapFiles(new BitmapFilesPanelUi(window))
    , memoryImages(new MemoryImagesPanelUi(window))
    , testPatterns(new TestPatternPanelUi(window))
{
    setObjectName(QStringLiteral("ImagePanelsUi"));
}

} // namespace kvx
