#pragma once

#include "link/byte_sink.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace kvx {

class PanelContext;

// The dot pattern of one downloaded character: 7 columns of 8 dots. Dot i is column
// i / 8 and row i % 8; row 0 is the bottom row, so bit r of a column byte is row r.
class DotGrid
{
public:
    static constexpr int Columns = 7;
    static constexpr int Rows = 8;
    static constexpr int Count = Columns * Rows;

    bool lit(int i) const { return i >= 0 && i < Count && m_dots[std::size_t(i)]; }
    void toggle(int i);
    void clear() { m_dots.fill(false); }
    // Every row of the column is read, rows a smaller size hides included.
    quint8 columnByte(int column) const;

private:
    std::array<bool, Count> m_dots{};
};

// The download-character editor: a character drawn dot by dot, defined in or deleted
// from the module's downloaded characters.
class DownloadCharacterPanel
{
public:
    // FontSizeOption indices.
    enum SizeOption { Size5x7 = 0, Size7x8 = 1, Size6x8 = 2, Size8x16 = 3, Size16x32 = 4, Size12x24 = 5 };
    static constexpr int SizeOptionCount = 6;

    explicit DownloadCharacterPanel(PanelContext &ctx) : m_ctx(ctx) {}

    const DotGrid &grid() const { return m_grid; }
    int sizeOption() const { return m_size; }

    // Whether dot button i shows for the size.
    static bool dotVisible(int option, int i);
    // The width code x of a size this editor sends (5, 7 or 6); 0 for the others.
    static int widthOf(int option);
    // x followed by the x column bytes.
    static QByteArray characterData(const DotGrid &grid, int option);
    static QString defineHelp(int width);

    void FontCommandButton_Click(int index) { m_grid.toggle(index); }
    void FontClearCommandButton_Click() { m_grid.clear(); }
    // Chooses a size and returns the option selected afterwards: the larger sizes are
    // sent from user-font files, so they fall back to 6x8 after a message.
    int FontSizeOption_Click(int index);
    // codeText is the text of FontCodeTextBox (hexadecimal digits).
    SendResult FontDefineCommandButton_Click(const QString &codeText);
    SendResult FontDeleteCommandButton_Click(const QString &codeText);

private:
    PanelContext &m_ctx;
    DotGrid m_grid;
    int m_size = Size5x7;
};

} // namespace kvx
