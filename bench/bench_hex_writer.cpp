// The Intel HEX writer on the largest macro a HEX file holds, against srec_cat
// converting the same data block: a macro text of "PRT" lines is read into bytes,
// written as the plain Intel HEX image (data block at 0x0400), and the raw block is
// given to `srec_cat raw -binary -offset 0x0400 -o out.hex -intel`. Both files are
// then compared by data with srec_cmp.
//
//   bench_hex_writer [runs]     (default 7; medians are printed)

#include "macro_editor/macro_writers.h"
#include "shell/macro_tokenizer.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace kvx;
using WallClock = std::chrono::steady_clock;

namespace {

double msSince(WallClock::time_point start)
{
    return std::chrono::duration<double, std::milli>(WallClock::now() - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// count bytes as "PRT" lines of 16 bytes ("PRT 00h 07h ...;"), CR LF between lines.
QString macroText(int count)
{
    QString text;
    text.reserve(count * 4 + count / 16 * 6);
    for (int i = 0; i < count; ++i) {
        if (i % 16 == 0)
            text += i == 0 ? QStringLiteral("PRT") : QStringLiteral(";\r\nPRT");
        text += QStringLiteral(" %1h").arg(uint((i * 7 + i / 256) & 0xff), 2, 16, QLatin1Char('0'));
    }
    return text + QLatin1Char(';');
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// Runs a program, returns its exit code (-1 when it did not run) and the wall time.
int run(const QString &program, const QStringList &args, double &ms, QByteArray *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    const auto start = WallClock::now();
    p.start(program, args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(60000)) {
        ms = msSince(start);
        return -1;
    }
    ms = msSince(start);
    if (output)
        *output = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::printf("no temporary folder\n");
        return 1;
    }

    // A block of 2 + n bytes must end at 0xFFFF at the latest.
    const int largest = 0x10000 - MacroBlockAddress - 2;
    {
        const MacroReading full = MacroTokenizer().read(macroText(0xFFFF));
        const HexFile refused = intelHexFile(full.bytes(), HexVariant::Plain, {}, false);
        std::printf("macro of 65535 bytes: %s\n",
                    refused.content.isEmpty() ? qPrintable(QStringLiteral("refused (\"%1\")").arg(refused.refusal))
                                              : "written");
    }

    const QString text = macroText(largest);
    std::printf("macro: %d bytes in %lld \"PRT\" lines, text %lld characters\n", largest,
                static_cast<long long>((largest + 15) / 16), static_cast<long long>(text.size()));

    std::vector<double> readMs, hexMs, utfMs, saveMs, srecMs;
    QByteArray bytes;
    QByteArray hex;
    const QString ours = dir.filePath(QStringLiteral("ours.hex"));
    for (int r = 0; r < runs; ++r) {
        auto start = WallClock::now();
        const MacroReading reading = MacroTokenizer().read(text);
        bytes = reading.bytes();
        readMs.push_back(msSince(start));

        start = WallClock::now();
        const HexFile file = intelHexFile(bytes, HexVariant::Plain, {}, false);
        hexMs.push_back(msSince(start));
        if (file.content.isEmpty()) {
            std::printf("writer refused: %s\n", qPrintable(file.refusal));
            return 1;
        }

        start = WallClock::now();
        hex = file.content.toUtf8();
        utfMs.push_back(msSince(start));
        start = WallClock::now();
        if (!writeFile(ours, hex)) {
            std::printf("cannot write %s\n", qPrintable(ours));
            return 1;
        }
        saveMs.push_back(msSince(start));
    }
    if (bytes.size() != largest) {
        std::printf("reader gave %lld bytes\n", static_cast<long long>(bytes.size()));
        return 1;
    }
    std::printf("reading the text (tokenizer):   median %8.2f ms\n", median(readMs));
    std::printf("Intel HEX writer:               median %8.2f ms, %lld bytes of HEX\n", median(hexMs),
                static_cast<long long>(hex.size()));
    std::printf("UTF-8 conversion:               median %8.2f ms\n", median(utfMs));
    std::printf("file write:                     median %8.2f ms\n", median(saveMs));
    std::printf("kvx bytes to .hex file:                %8.2f ms (writer, UTF-8, write)\n",
                median(hexMs) + median(utfMs) + median(saveMs));

    const QString srecCat = QStandardPaths::findExecutable(QStringLiteral("srec_cat"));
    const QString srecCmp = QStandardPaths::findExecutable(QStringLiteral("srec_cmp"));
    if (srecCat.isEmpty() || srecCmp.isEmpty()) {
        std::printf("srec_cat / srec_cmp not found: no comparison\n");
        return 0;
    }
    const QString raw = dir.filePath(QStringLiteral("block.bin"));
    const QString theirs = dir.filePath(QStringLiteral("srec.hex"));
    writeFile(raw, macroDataBlock(bytes));
    const QStringList catArgs{
        raw,    QStringLiteral("-binary"), QStringLiteral("-offset"), QStringLiteral("0x0400"), QStringLiteral("-o"),
        theirs, QStringLiteral("-intel")};
    for (int r = 0; r < runs; ++r) {
        double ms = 0;
        if (run(srecCat, catArgs, ms) != 0) {
            std::printf("srec_cat failed\n");
            return 1;
        }
        srecMs.push_back(ms);
    }
    double trueMs = 0;
    std::vector<double> spawnMs;
    for (int r = 0; r < runs; ++r) {
        run(QStringLiteral("/bin/true"), {}, trueMs);
        spawnMs.push_back(trueMs);
    }
    std::printf("srec_cat raw block to .hex:     median %8.2f ms, %lld bytes of HEX\n", median(srecMs),
                static_cast<long long>(QFile(theirs).size()));
    std::printf("  of which process start:       median %8.2f ms (QProcess running /bin/true)\n", median(spawnMs));

    QByteArray cmpOut;
    double cmpMs = 0;
    const int same = run(srecCmp, {ours, QStringLiteral("-intel"), theirs, QStringLiteral("-intel")}, cmpMs, &cmpOut);
    std::printf("srec_cmp kvx vs srec_cat: %s%s\n", same == 0 ? "same data" : "DIFFERENT",
                same == 0 ? "" : qPrintable(QStringLiteral(" (") + QString::fromLocal8Bit(cmpOut).trimmed() + ')'));
    return same == 0 ? 0 : 1;
}
