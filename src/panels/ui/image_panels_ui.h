#pragma once

#include "panels/ui/bitmap_files_ui.h"
#include "panels/ui/memory_images_ui.h"
#include "panels/ui/test_patterns_ui.h"

#include <QObject>

namespace kvx {

class MainWindow;

// The three pages of SSTab1 that draw pictures: bitmap files, memory images and test
// patterns.
class ImagePanelsUi : public QObject
{
    Q_OBJECT
public:
    explicit ImagePanelsUi(MainWindow &window);

    BitmapFilesPanelUi *bitmapFiles;
    MemoryImagesPanelUi *memoryImages;
    TestPatternPanelUi *testPatterns;
};

} // namespace kvx
