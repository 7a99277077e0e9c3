#include "panels/touch_switches.h"

#include "link/vx5200.h"
#include "shell/panel_context.h"

namespace kvx {

namespace {
const QString ReadHelp = QStringLiteral("---OpCode-- ");
const QString ModeHelp = QStringLiteral("---OpCode-- Mode");
} // namespace

QStringList autoTransmitItems(bool japanese)
{
    if (japanese)
        return {QStringLiteral("解除"), QStringLiteral("自動（全スイッチ）"), QStringLiteral("自動（個別スイッチ）")};
    return {QStringLiteral("Auto:OFF"), QStringLiteral("Auto: All SWs"), QStringLiteral("Auto: One SW")};
}

QString touchNoteInitial(bool japanese)
{
    return japanese ? QStringLiteral("このタブは、VX-K4xxS用です。") : QStringLiteral("This Tab is for VX-K4xxS.");
}

QString touchNoteCancelled(bool japanese)
{
    return japanese ? QStringLiteral("このタブはVX-K4xxS用です。") : QStringLiteral("This Tab support VX-K4xxS.");
}

QString touchNoteAutoTransmit(bool japanese)
{
    return japanese ? QStringLiteral("自動送信設定中は読出コマンドは無効です。")
                    : QStringLiteral("Auto-Trans disable switch read commands.");
}

std::optional<TouchControls> updateTouchControls(int modeIndex, bool japanese)
{
    if (modeIndex == 0)
        return TouchControls{true, std::nullopt};
    if (modeIndex >= 1 && modeIndex <= 3)
        return TouchControls{false, touchNoteAutoTransmit(japanese)};
    return std::nullopt;
}

QString appendTouchText(const QString &text, const QString &added, int limit)
{
    QString all = text + added;
    if (all.size() <= limit)
        return all;
    const qsizetype excess = all.size() - limit;
    // The newest data: the last line, or, when that holds only the prompt ">" of a
    // closed burst, the line before it.
    qsizetype newest = all.lastIndexOf(QLatin1Char('\n')) + 1;
    if (newest >= 2 && QStringView(all).mid(newest) == QLatin1String(">"))
        newest = all.lastIndexOf(QLatin1Char('\n'), newest - 2) + 1;
    // Whole oldest lines go: the cut moves on to the start of the line after the one
    // the excess falls in, as long as that does not cut into the newest data. Else the
    // newest data alone is longer than the box, and its newest end stays.
    const qsizetype nextLine = all.indexOf(QLatin1Char('\n'), excess - 1) + 1;
    all.remove(0, nextLine > 0 && nextLine <= newest ? nextLine : excess);
    return all;
}

std::optional<int> TouchSwitchPanel::modeForButton(int index)
{
    switch (index) {
    case 3: return 0;
    case 5: return 1;
    case 6: return 2;
    default: return std::nullopt;
    }
}

SendResult TouchSwitchPanel::cmdTouch_Click(int index, int switchIndex)
{
    switch (index) {
    case 0:
        return m_ctx.run([](VX5200 &e) { return e.ReadAllSwitches(); }, QStringLiteral("Read All Switches"), ReadHelp);
    case 1:
        return m_ctx.run([&](VX5200 &e) { return e.ReadOneSwitch(switchIndex); },
                         QStringLiteral("Read Switch No.%1").arg(switchIndex), QStringLiteral("---OpCode-- SW"));
    case 2:
        return m_ctx.run([](VX5200 &e) { return e.ReadAllSwitcheLevel(); }, QStringLiteral("Read All Switches"),
                         ReadHelp);
    case 3:
        return m_ctx.run([](VX5200 &e) { return e.SetReadSwitch(0); }, QStringLiteral("Cancel Auto Switch mode "),
                         ModeHelp);
    case 5:
        return m_ctx.run([](VX5200 &e) { return e.SetReadSwitch(1); }, QStringLiteral("Send All SW data when touched"),
                         ModeHelp);
    case 6:
        return m_ctx.run([](VX5200 &e) { return e.SetReadSwitch(2); }, QStringLiteral("Send One SW data when touched"),
                         ModeHelp);
    default: return SendResult::Skipped;
    }
}

// ---------------------------------------------------------------- parameters

const std::array<TouchParameterRange, 4> &touchParameterRanges()
{
    static const std::array<TouchParameterRange, 4> ranges = {{{0, 7, 7}, {1, 254, 3}, {1, 254, 6}, {0, 64, 10}}};
    return ranges;
}

QString touchParameterToolTip(int value)
{
    return QString::number(value, 16).toUpper() + QLatin1Char('h');
}

int touchParameterStep(int index, int value)
{
    const int k = index / 2;
    if (k < 0 || k > 3)
        return value;
    const TouchParameterRange &r = touchParameterRanges()[size_t(k)];
    if (index % 2 == 0) {
        if (value > 0)
            --value;
    } else if (value < r.maximum) {
        ++value;
    }
    return qBound(r.minimum, value, r.maximum);
}

TouchParaTexts touchParaTexts(bool japanese)
{
    TouchParaTexts t;
    if (japanese) {
        t.title = QStringLiteral("タッチパラメータ");
        t.label2 = {QStringLiteral("高感度　<<=======>>　耐ノイズ"), QStringLiteral("高速　　<<=======>>　耐ノイズ"),
                    QStringLiteral("高速　　<<=======>>　耐ノイズ"), QStringLiteral("高頻度　<<=======>>　低頻度")};
        t.frames = {QStringLiteral("しきい値"), QStringLiteral("ON-サンプル回数"), QStringLiteral("OFFサンプル回数"),
                    QStringLiteral("キャリブレーション頻度"), QStringLiteral("その他")};
        t.command1 = {QStringLiteral("送信"), QStringLiteral("送信"),         QStringLiteral("送信"),
                      QStringLiteral("送信"), QStringLiteral("工場設定送信"), QStringLiteral("閉じる")};
        t.label1 = QStringLiteral("現在の設定を読み出すことはできません。\r\n"
                                  "メモリスイッチの変更は行いません。\r\n"
                                  "メモリスイッチでリセット後の状態を変更できます。");
        t.fontFamily = QStringLiteral("IPAPGothic");
    } else {
        t.title = QStringLiteral("Touch Parameters");
        t.label2 = {
            QStringLiteral("Sensitive <<==>> Noize resistant"), QStringLiteral("Fast <<======>>　Noize resistant"),
            QStringLiteral("Fast <<======>>　Noize resistant"), QStringLiteral("Frequent <<=====>> Less Frequent")};
        t.frames = {QStringLiteral("Threshold"), QStringLiteral("Number of sampling - ON"),
                    QStringLiteral("Number of sampling - OFF"), QStringLiteral("Calibration time"),
                    QStringLiteral("General")};
        t.command1 = {QStringLiteral("Send"),
                      QStringLiteral("Send"),
                      QStringLiteral("Send"),
                      QStringLiteral("Send"),
                      QStringLiteral("Send Factory Settings"),
                      QStringLiteral("Close")};
        t.label1 = QStringLiteral("Current settings cannot be read.\r\n"
                                  "No changes are made for memory switch.\r\n"
                                  "Memory switch can change settings after reset/ power up.");
        t.fontFamily = QStringLiteral("Times New Roman");
    }
    return t;
}

SendResult TouchParameterSender::send(int parameter, int value)
{
    return m_ctx.run([&](VX5200 &e) { return e.TouchParameter(parameter, value); },
                     QStringLiteral("Touch SW paramter setting"), QStringLiteral("---OpCode--- a,   b"));
}

SendResult TouchParameterSender::sendFactorySettings()
{
    SendResult r = SendResult::Skipped;
    for (int p = 0; p < 4; ++p) {
        r = send(p, touchParameterRanges()[size_t(p)].factory);
        if (!wentOut(r))
            break;
    }
    return r;
}

} // namespace kvx
