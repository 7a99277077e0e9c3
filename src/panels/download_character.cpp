#include "panels/download_character.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

namespace kvx {

namespace {

// The code typed as hexadecimal digits; an empty or non-hexadecimal text reads 0.
double codeValue(const QString &codeText)
{
    return numericValue(QStringLiteral("&h") + codeText);
}

QString sizeLogText(int option)
{
    switch (option) {
    case DownloadCharacterPanel::Size5x7: return QStringLiteral(" 5X7dot");
    case DownloadCharacterPanel::Size7x8: return QStringLiteral(" 7x8dot");
    default: return QStringLiteral(" 6x8dot");
    }
}

} // namespace

void DotGrid::toggle(int i)
{
    if (i >= 0 && i < Count)
        m_dots[std::size_t(i)] = !m_dots[std::size_t(i)];
}

quint8 DotGrid::columnByte(int column) const
{
    quint8 b = 0;
    for (int r = 0; r < Rows; ++r) {
        if (lit(column * Rows + r))
            b |= quint8(1u << r);
    }
    return b;
}

bool DownloadCharacterPanel::dotVisible(int option, int i)
{
    switch (option) {
    case Size5x7: return i < 40 && i % 8 != 0;
    case Size7x8: return true;
    default: return i < 48;
    }
}

int DownloadCharacterPanel::widthOf(int option)
{
    switch (option) {
    case Size5x7: return 5;
    case Size7x8: return 7;
    case Size6x8: return 6;
    default: return 0;
    }
}

QByteArray DownloadCharacterPanel::characterData(const DotGrid &grid, int option)
{
    const int x = widthOf(option);
    QByteArray data(1, char(x));
    for (int c = 0; c < x; ++c)
        data.append(char(grid.columnByte(c)));
    return data;
}

QString DownloadCharacterPanel::defineHelp(int width)
{
    QString help = QStringLiteral("---OpCode--- c1  c2   x ");
    for (int n = 1; n <= width; ++n)
        help += QStringLiteral(" d%1 ").arg(n);
    return help
        + QStringLiteral(" (x:XSize 5-5X7dotFont,7-7X8dotFont)(c1:StartCode c2:EndCode "
                         "&h20<=c1<=c2<=&hff)(d:BmpData)");
}

int DownloadCharacterPanel::FontSizeOption_Click(int index)
{
    if (index >= Size8x16) {
        m_size = Size6x8;
        m_ctx.dialogs.message(
            m_ctx.state.tr(QStringLiteral("This format is not supported by this tool.\r\n"
                                          "Please refer to a specification for detail of the format."),
                           QStringLiteral("このフォーマットはこのソフトでサポートされていません。\r\n"
                                          "フォーマットの詳細は仕様書を参照してください。")));
    } else if (index >= 0) {
        m_size = index;
    }
    return m_size;
}

SendResult DownloadCharacterPanel::FontDefineCommandButton_Click(const QString &codeText)
{
    const double code = codeValue(codeText);
    const int x = widthOf(m_size);
    const QByteArray data = characterData(m_grid, m_size);
    const QString c = decimalText(code);
    return m_ctx.run(
        [&](VX5200 &e) {
            const int whole = int(toWhole(code, IntWidth::Int16));
            return e.DownloadCharacterDefine(whole, whole, data);
        },
        QStringLiteral("DownloadCharacterDefine startCode=") + c + QStringLiteral(" endCode=") + c + sizeLogText(m_size)
            + QStringLiteral(" fontData"),
        defineHelp(x));
}

SendResult DownloadCharacterPanel::FontDeleteCommandButton_Click(const QString &codeText)
{
    const double code = codeValue(codeText);
    return m_ctx.run([&](VX5200 &e) { return e.DownloadCharacterDelete(int(toWhole(code, IntWidth::Int16))); },
                     QStringLiteral("DownloadCharacterDelete code=") + decimalText(code),
                     QStringLiteral("---OpCode---  c  (c:Code &h20<=c<=&hff)"));
}

} // namespace kvx
