#include "panels/ui/image_panels_ui.h"

#include "shell/ui/panel_host.h"

#include <QWidget>

namespace kvx {

ImagePanelsUi::ImagePanelsUi(PanelHost &host)
    : QObject(host.hostWindow()), bitmapFiles(new BitmapFilesPanelUi(host)),
      memoryImages(new MemoryImagesPanelUi(host)), testPatterns(new TestPatternPanelUi(host))
{
    setObjectName(QStringLiteral("ImagePanelsUi"));
}

} // namespace kvx
