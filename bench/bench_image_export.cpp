// Export of a full image list (1000 entries) in both layouts: the memory-rewrite layout
// (series option 1, sixteen flash pages of 32768 bytes) and the user-set layout (series
// option 3, the older series: RAM and five pages). 1000 small bitmaps (32 x 32 dots,
// alternately 1 and 24 bits per pixel) are written to a temporary folder first; every
// entry goes where it fits ("FROM"), and every area that can be ticked is ticked
// ("Check All"). Printed: time and bytes written per layout, and the conversion of the
// written text into the module's bytes.
//
//   bench_image_export [runs]     (default 5; medians are printed)

#include "../tests/image_list/bmp_builder.h"
#include "image_list/image_export.h"
#include "image_list/memory_map.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace kvx;
using WallClock = std::chrono::steady_clock;

namespace {

constexpr int kEntries = 1000;
constexpr int kSide = 32;

double msSince(WallClock::time_point start)
{
    return std::chrono::duration<double, std::milli>(WallClock::now() - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Counts the notices an export shows (none are expected).
class CountingNotifier : public Notifier
{
public:
    void notify(const QString &text) override { messages << text; }
    QStringList messages;
};

QList<ImageListEntry> writeBitmaps(const QString &folder)
{
    QList<ImageListEntry> entries;
    for (int i = 0; i < kEntries; ++i) {
        test::BmpLayout layout;
        layout.width = kSide;
        layout.height = kSide;
        layout.bitCount = i % 2 == 0 ? 1 : 24;
        if (layout.bitCount == 1)
            layout.palette = {0x000000, 0xffffff};
        // A different pattern per image: diagonal stripes shifted by the index.
        const QByteArray bytes = test::buildBmp(layout, [&](int x, int y) -> quint32 {
            const bool lit = (x + y + i) % 5 < 2;
            return layout.bitCount == 1 ? (lit ? 1u : 0u) : (lit ? 0x000000u : 0xffffffu);
        });
        ImageListEntry e;
        e.imgFileName = QStringLiteral("img%1.bmp").arg(i, 4, 10, QLatin1Char('0'));
        e.imgPath = folder + QLatin1Char('/') + e.imgFileName;
        e.imgLabel = QStringLiteral("Image%1").arg(i, 4, 10, QLatin1Char('0'));
        e.imgX = kSide;
        e.imgY = kSide;
        e.imgCheck = i % 3 == 0 ? 1 : 0;
        e.imgMemory = QStringLiteral("FROM");
        if (!test::writeFile(e.imgPath, bytes))
            return {};
        entries << e;
    }
    return entries;
}

ExportContext makeContext(QList<ImageListEntry> entries, int option)
{
    ExportContext c;
    c.map = assignImageAddresses(entries, int(entries.size()), option, QStringLiteral("2100"));
    c.entries = entries;
    c.seriesOption = option;
    c.language = QStringLiteral("English");
    c.areas = checkAllAreas(exportAreaStates(c.map, option, QStringLiteral("2100")));
    return c;
}

void runLayout(const char *name, const QList<ImageListEntry> &entries, int option, const QString &path, int runs)
{
    std::vector<double> mapMs, exportMs, bytesMs;
    qint64 chars = 0;
    qint64 fileBytes = 0;
    qint64 moduleBytes = 0;
    int pages = 0;
    int images = 0;
    QStringList messages;
    for (int r = 0; r < runs; ++r) {
        auto start = WallClock::now();
        const ExportContext context = makeContext(entries, option);
        mapMs.push_back(msSince(start));
        pages = int(std::count(context.areas.chkFROM.begin(), context.areas.chkFROM.end(), 1));

        CountingNotifier notifier;
        ImageExporter exporter(notifier);
        images = 0;
        exporter.imageWritten = [&images] { ++images; };
        start = WallClock::now();
        chars = exporter.writeExportFile(path, context);
        exportMs.push_back(msSince(start));
        messages = notifier.messages;
        fileBytes = QFile(path).size();

        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(f.readAll());
        start = WallClock::now();
        const ModuleBytes bytes = exportTextToBytes(text);
        bytesMs.push_back(msSince(start));
        moduleBytes = bytes.ok ? bytes.bytes.size() : -1;
    }
    const double ms = median(exportMs);
    std::printf("%s (series option %d): %d images on %d ticked pages\n", name, option, images, pages);
    std::printf("  memory map:                median %8.2f ms\n", median(mapMs));
    std::printf("  writeExportFile:           median %8.2f ms, %lld bytes written (%lld characters), %.1f MB/s\n", ms,
                static_cast<long long>(fileBytes), static_cast<long long>(chars), fileBytes / ms / 1000.0);
    std::printf("  text to module bytes:      median %8.2f ms, %lld bytes for the module\n", median(bytesMs),
                static_cast<long long>(moduleBytes));
    for (const QString &m : messages)
        std::printf("  message: %s\n", qPrintable(m));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::printf("no temporary folder\n");
        return 1;
    }
    const auto start = WallClock::now();
    const QList<ImageListEntry> entries = writeBitmaps(dir.path());
    if (entries.size() != kEntries) {
        std::printf("cannot write the bitmaps\n");
        return 1;
    }
    std::printf("%d bitmaps of %dx%d dots (1 and 24 bits) written in %.1f ms\n", kEntries, kSide, kSide,
                msSince(start));
    runLayout("memory-rewrite layout", entries, 1, dir.filePath(QStringLiteral("rewrite.txt")), runs);
    runLayout("user-set layout", entries, 3, dir.filePath(QStringLiteral("userset.txt")), runs);
    return 0;
}
