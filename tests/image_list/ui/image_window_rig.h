#pragma once

#include "image_list/bmp_builder.h"
#include "image_list/image_list.h"
#include "image_list/ui/image_list_window.h"
#include "support/started_window.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

namespace kvx::test {

inline ImageListWindow *imageWindow(MainWindow &w)
{
    return w.findChild<ImageListWindow *>(QStringLiteral("FrmImage"));
}

// A bitmap of the given size, all white, in dir.
inline QString makeBitmap(const QTemporaryDir &dir, const QString &name, int width, int height)
{
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    const QString path = dir.filePath(name);
    writeFile(path, buildBmp(layout, [](int, int) { return 0xffffffu; }));
    return path;
}

inline ImageListEntry bitmapEntry(const QString &path, int x, int y, const QString &memory = QStringLiteral("FROM"))
{
    ImageListEntry e;
    e.imgLabel = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).section(QLatin1Char('.'), 0, 0);
    e.imgPath = path;
    e.imgFileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    e.imgX = x;
    e.imgY = y;
    e.imgCheck = 1;
    e.imgMemory = memory;
    return e;
}

// Files dropped on a widget as the desktop drops them.
inline void dropFiles(QWidget *target, const QStringList &files)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &f : files)
        urls << QUrl::fromLocalFile(f);
    mime.setUrls(urls);
    // A drop reaches only a widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

} // namespace kvx::test
