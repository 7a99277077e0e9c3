#include "shell/captions.h"

#include "shell/settings_files.h"

#include <QRegularExpression>
#include <QSet>

namespace kvx {

namespace {

using P = TextProperty;

// A line break inside a caption or tool tip is "\n", the line break of the
// platform's controls.
const ControlText CaptionTable[] = {
    {"FrmTouch", -1, P::Caption, -1, "Automatic Trans.", "自動読出設定"},
    {"ComboTSW", 1, P::ListItem, 0, "Auto:OFF", "解除"},
    {"ComboTSW", 1, P::ListItem, 1, "Auto: All SWs", "自動（全スイッチ）"},
    {"ComboTSW", 1, P::ListItem, 2, "Auto: One SW", "自動（個別スイッチ）"},
    {"lblTouch", -1, P::BoxText, -1, "This Tab is for VX-K4xxS.", "このタブは、VX-K4xxS用です。"},
    {"cmdTouch", 0, P::Caption, -1, "Read All switch", "全スイッチ読出"},
    {"cmdTouch", 1, P::Caption, -1, "Read one SW", "個別スイッチ読出"},
    {"cmdTouch", 2, P::Caption, -1, "Read All sence level", "全スイッチ反応レベル読出"},
    {"cmdTouch", 3, P::Caption, -1, "Cancell", "自動送信解除"},
    {"cmdTouch", 4, P::Caption, -1, "Set Parameters", "パラメータ設定"},
    {"cmdTouch", 5, P::Caption, -1, "All Switch", "自動・全スイッチ"},
    {"cmdTouch", 6, P::Caption, -1, "One Switch", "自動・個別スイッチ"},
    {"cmdBtn1", 0, P::Caption, -1, "Set", "移動"},
    {"cmdBtn1", 1, P::Caption, -1, "Clear", "クリア"},
    {"cmdBtn1", 2, P::Caption, -1, "Cursor OFF", "カーソルオフ"},
    {"cmdBtn1", 3, P::Caption, -1, "Cursor ON", "カーソルオン"},
    {"cmdBtn1", 4, P::Caption, -1, "Line CLR", "行クリア"},
    {"cmdBtn1", 5, P::Caption, -1, "Clr to end", "行末クリア"},
    {"cmdBtn1", 6, P::Caption, -1, "Home", "ホーム"},
    {"cmdBtn1", 7, P::Caption, -1, "Tab", "タブ"},
    {"cmdBtn1", 8, P::Caption, -1, "BS", "BS"},
    {"cmdBtn1", 9, P::Caption, -1, "CR", "CR"},
    {"cmdBtn1", 10, P::Caption, -1, "LF", "LF"},
    {"cmdBtn1", 11, P::Caption, -1, "Write", "表示"},
    {"Label54", -1, P::Caption, -1, "Line and Box drawing are not supported by this tool.",
     "ドット描画、ライン/ボックス描画はこのTOOLでは未対応です。"},
    {"Label53", -1, P::Caption, -1, "Character", "文字"},
    {"Command8", -1, P::Caption, -1, "con'd", "続き"},
    {"Command9", -1, P::Caption, -1, "Write", "書込み"},
    {"CmdFontExtension", -1, P::Caption, -1, "Extension Font", "拡張フォント"},
    {"Label52", -1, P::Caption, -1, "Display Position", "表示位置"},
    {"Label39", -1, P::Caption, -1, "Timer", "ﾀｲﾏ-"},
    {"CmdDrawFileByDot", -1, P::Caption, -1, "Draw by Dot", "ドット描画"},
    {"OpYByte", 0, P::Caption, -1, "Y:8Dot", "Y:8ドット"},
    {"OpYByte", 1, P::Caption, -1, "Y:1Dot", "Y:1ドット"},
    {"WindowSelectFrame", -1, P::Caption, -1, "User Window Selection", "ウインドウ選択"},
    {"WindowSelectOption", 0, P::Caption, -1, "Base", "ベース"},
    {"WindowSelectOption", 1, P::Caption, -1, "User1", "ﾕｰｻﾞ1"},
    {"WindowSelectOption", 2, P::Caption, -1, "User2", "ﾕｰｻﾞ2"},
    {"WindowSelectOption", 3, P::Caption, -1, "User3", "ﾕｰｻﾞ3"},
    {"WindowSelectOption", 4, P::Caption, -1, "User4", "ﾕｰｻﾞ4"},
    {"DrawFrame", -1, P::Caption, -1, "Drawing", "描画"},
    {"WindowModeFrame", -1, P::Caption, -1, "Windows Action Selection", "ウインドウモード選択"},
    {"WindowModeCommandButton", 0, P::Caption, -1, "Over", "上書き"},
    {"WindowModeCommandButton", 1, P::Caption, -1, "V Scroll", "縦ｽｸﾛｰﾙ"},
    {"WindowModeCommandButton", 2, P::Caption, -1, "H Scroll", "横ｽｸﾛｰﾙ"},
    {"WindowModeCommandButton", 3, P::Caption, -1, "H Scrl Ready", "横ｽｸﾛｰﾙ備"},
    {"Label2", -1, P::Caption, -1, "Cursor X-Y", "カーソル\n位置"},
    {"Label3", -1, P::Caption, -1, "Dots x", "ドット x"},
    {"Label5", -1, P::Caption, -1, " Byte", " バイト"},
    {"FrmASIA", -1, P::SeriesCaption, -1, "Asian Font (521x, 529x Only)", "アジアフォント (521x, 529x のみ)"},
    {"CmdAsiaFont_ON", -1, P::Caption, -1, "Set up", "指定"},
    {"CmdAsiaFont_OFF", -1, P::Caption, -1, "Deactive", "解除"},
    {"BmpFrame", -1, P::Caption, -1, "Graphic Data", "グラフィックデータ"},
    {"SSTab1", -1, P::TabCaption, 0, "File Image", "ファイル"},
    {"SSTab1", -1, P::TabCaption, 1, "Memory", "メモリ"},
    {"SSTab1", -1, P::TabCaption, 2, "Test", "ﾃｽﾄﾊﾟﾀｰﾝ"},
    {"SSTab1", -1, P::TabCaption, 3, "Draw", "描画"},
    {"SSTab4", -1, P::TabCaption, 0, "TEXT Entry", "テキスト入力"},
    {"SSTab4", -1, P::TabCaption, 1, "Text with Adrs", "アドレス付テキスト"},
    {"SSTab4", -1, P::TabCaption, 2, "CJK Font", "漢字フォント"},
    {"FileBmpFrame", -1, P::Caption, -1, "BMP File", "BMPファイル"},
    {"cmdBrowse", -1, P::Caption, -1, "Browse", "参照"},
    {"CmdCursorHome", -1, P::Caption, -1, "Home", "ホーム"},
    {"BmpDrawButton", -1, P::Caption, -1, "Draw", "描画"},
    {"FrmAction", -1, P::Caption, -1, "Action", "アクション"},
    {"OptAction", 0, P::Caption, -1, "None", "なし"},
    {"OptAction", 1, P::Caption, -1, "Scroll", "スクロール"},
    {"OptAction", 2, P::Caption, -1, "Fountain", "湧出"},
    {"OptAction", 3, P::Caption, -1, "Disolve", "ランダム"},
    {"DeviceContextFrame", -1, P::Caption, -1, "User Font Style", "フォント設定"},
    {"Label11", -1, P::Caption, -1, "Font Aspect: ", "拡大表示指定"},
    {"Label36", -1, P::Caption, -1, "x = Width  y = Hight", "X=横 Y=縦"},
    {"Label10", -1, P::Caption, -1, "Fixed/Proportional: ", "等幅/プロポーショナル"},
    {"Label8", -1, P::Caption, -1, "International Font:", "国際文字セット"},
    {"labelSize", -1, P::Caption, -1, "Size", "サイズ"},
    {"Label9", -1, P::Caption, -1, "Char(80-FF) Font:", "キャラクタコード指定"},
    {"CmdUDF", -1, P::Caption, -1, "UDF", "UDF"},
    {"Command1", -1, P::Caption, -1, "Diplay Character Set", "文字順次表示"},
    {"DownloadFontCheck", -1, P::Caption, -1, "Modified ASCII Font", "ダウンロード文字有効"},
    {"DrawModeFrame", -1, P::Caption, -1, "Drawing Mode", "描画モード"},
    {"DrawModeOption", 0, P::Caption, -1, "OVER", "OVER"},
    {"ReverseCommandButton", -1, P::Caption, -1, "Reverse", "反転"},
    {"Label31", -1, P::Caption, -1, "Click here for\nSample codes of Actions.",
     "アクションサンプルは\nここをクリック。"},
    {"Label31", -1, P::ToolTip, -1, "", "操作記録機能を使い特殊効果のサンプルコードを読み込んでください。"},
    {"WindowDefineFrame", -1, P::Caption, -1, "User Window Specification", "ユーザーウインドウ定義"},
    {"BaseWindowWriteModeFrame", -1, P::Caption, -1, "Base Window Definition", "ベースウインドウ定義"},
    {"BaseWindowWriteModeOption", 0, P::Caption, -1, "Display Screen", "表示画面モード"},
    {"BaseWindowWriteModeOption", 1, P::Caption, -1, "All Memory", "全画面モード"},
    {"Label23", -1, P::Caption, -1, "Horiz. Scroll Speed", "横スクロール速度"},
    {"UserWindowFrame", -1, P::Caption, -1, "User Window Sizing", "ユーザーウインドウ設定"},
    {"Label24", -1, P::Caption, -1, "(n-1)xT mS/dots", "(n-1)xT mS/ドット"},
    {"Label16", -1, P::Caption, -1, "Left", "左端"},
    {"Label13", -1, P::Caption, -1, "Top", "上端"},
    {"Label17", -1, P::Caption, -1, "Width", "幅"},
    {"Label18", -1, P::Caption, -1, "Height", "高さ"},
    {"Label14", -1, P::Caption, -1, "Enable", "有効"},
    {"Label15", 0, P::Caption, -1, "1", "１"},
    {"Label15", 1, P::Caption, -1, "2", "２"},
    {"Label15", 2, P::Caption, -1, "3", "３"},
    {"Label15", 3, P::Caption, -1, "4", "４"},
    {"Label12", -1, P::Caption, -1, "Dots", "ドット"},
    {"Label19", -1, P::Caption, -1, "Bytes", "バイト"},
    {"Label20", -1, P::Caption, -1, "Dots", "ドット"},
    {"Label21", -1, P::Caption, -1, "Bytes", "バイト"},
    {"WindowLayoutFrame", -1, P::Caption, -1, "Window Layout", "ウインドウ配置"},
    {"WaitFrame", -1, P::Caption, -1, "Delay", "時間待ち"},
    {"Shorter", -1, P::Caption, -1, "Short", "短<"},
    {"Longer", -1, P::Caption, -1, ">Long", ">長"},
    {"WaitCommandButton", -1, P::Caption, -1, "Start", "実行"},
    {"ScrollFrame", -1, P::Caption, -1, "Scroll", "スクロール"},
    {"Label26", -1, P::Caption, -1, "bytes x ", "バイト"},
    {"Label27", -1, P::Caption, -1, "times / (", "回"},
    {"ScrollCommandButton", -1, P::Caption, -1, "Start", "実行"},
    {"BlinkFrame", -1, P::Caption, -1, "Blink Rate", "点滅"},
    {"Label32", -1, P::Caption, -1, ")x 14mS", ")x 14m秒"},
    {"BlinkCommandButton", -1, P::Caption, -1, "Start", "実行"},
    {"DlFontDefineFrame", -1, P::Caption, -1, "ASCII Font Download(upto 16)", "1ﾊﾞｲﾄﾀﾞｳﾝﾛｰﾄﾞ文字定義 最大16"},
    {"DlFontDefineFrame2", -1, P::Caption, -1, "CJK Font Download", "2ﾊﾞｲﾄﾀﾞｳﾝﾛｰﾄﾞ文字定義"},
    {"Command7", -1, P::Caption, -1, "Check", "確認"},
    {"Label33", -1, P::Caption, -1, "Code", "コード"},
    {"FontDefineCommandButton", -1, P::Caption, -1, "Define", "定義"},
    {"FontDeleteCommandButton", -1, P::Caption, -1, "Delete", "削除"},
    {"FontClearCommandButton", -1, P::Caption, -1, "Clear", "クリア"},
    {"RecFrame", -1, P::Caption, -1, "Code Recording", "操作記録"},
    {"OptR", -1, P::Caption, -1, "Red", "赤R"},
    {"OptG", -1, P::Caption, -1, "Green", "緑G"},
    {"OptB", -1, P::Caption, -1, "Blue", "青B"},
    {"OptRGB", -1, P::Caption, -1, "RGB", "RGB"},
    {"chkDutyAdjust", 0, P::Caption, -1, "Duty adjustment", "DUTY 調整"},
    {"chkDutyAdjust", 1, P::Caption, -1, "Duty adjustment", "DUTY 調整"},
    {"FrmLED1color", -1, P::Caption, -1, "Color", "色"},
    {"SSTab3", -1, P::TabCaption, 0, "Screen Action", "ｽｸﾘｰﾝｱｸｼｮﾝ"},
    {"SSTab3", -1, P::TabCaption, 1, "Back Light", "ﾊﾞｯｸﾗｲﾄLED"},
    {"SSTab3", -1, P::TabCaption, 2, "LED Animation", "LEDｱﾆﾒｰｼｮﾝ"},
    {"SSTab3", -1, P::TabCaption, 3, "Touch Switch", "ﾀｯﾁｽｲｯﾁ"},
    {"ControlFrame", -1, P::Caption, -1, "Power Controls", "表示用電源制御　他"},
    {"InitializeCommandButton", -1, P::Caption, -1, "Initialize", "初期化"},
    {"Label1", -1, P::Caption, -1, "Brightness", "輝度"},
    {"ScreenSaverFrame", -1, P::Caption, -1, "ScreenSaver", "スクリーンセーバー"},
    {"FullOnCommandButton", -1, P::Caption, -1, "All On", "全点灯"},
    {"Reverse4CommandButton", -1, P::Caption, -1, "Reverse ", "反転"},
    {"FullOffCommandButton", -1, P::Caption, -1, "All Off", "全消灯"},
    {"DispPowerCommandButton", -1, P::Caption, -1, "Power", "表示電源"},
    {"ScreenSaverCancelCommandButton", -1, P::Caption, -1, "Cancel", "解除"},
    {"IfFrame", -1, P::Caption, -1, "Communication Settings", "PC通信設定"},
    {"CommPortLabel", -1, P::Caption, -1, "Port", "ポート"},
    {"Command2", -1, P::Caption, -1, "Serch", "検索"},
    {"SendLabel", -1, P::Caption, -1, "Settings", "通信条件"},
    {"Label46", -1, P::Caption, -1, "Avilable for VX-5210/ 5290/ 2xxx", "VX-521x/529x/2xxxで使用可"},
    {"Label43", -1, P::Caption, -1, "Image Offset (X x Y)", "イメージオフセット (X x Y)"},
    {"Label48", -1, P::Caption, -1, "Size (X x Y)", "サイズ (X x Y)"},
    {"ChkScroll", -1, P::Caption, -1, "Scroll", "スクロール"},
    {"Label50", -1, P::Caption, -1, "Speed", "速度"},
    {"CmdEditImageList", -1, P::Caption, -1, "Edit Image List", "イメージリスト編集"},
    {"CmdIndicate", -1, P::Caption, -1, "Draw Memory Image", "メモリイメージ表示"},
    {"CmdOffsetClear", -1, P::Caption, -1, "Clear Offset", "オフセットクリア"},
    {"Label6", -1, P::Caption, -1, "X Size", "Xサイズ"},
    {"Label7", -1, P::Caption, -1, "Y Size", "Yサイズ"},
    {"Label4", -1, P::Caption, -1, "Dots", "ドット"},
    {"Label22", -1, P::Caption, -1, "Bytes  8 Dots", "バイト\n8Dot"},
    {"CmdHome", -1, P::Caption, -1, "Home", "ホーム"},
    {"TestPatternCommandButton", -1, P::Caption, -1, "Incremental Binary", "インクリメント"},
    {"CmdTextChecker", -1, P::Caption, -1, "Checker", "チェッカー"},
    {"CmdAllOn", -1, P::Caption, -1, "ALL ON", "全点灯"},
    {"CmdAllOff", -1, P::Caption, -1, "ALL Off", "全消灯"},
    {"CmdTestStripe", 0, P::Caption, -1, "Stripe 1", "ストライプ1"},
    {"CmdTestStripe", 1, P::Caption, -1, "Stripe 2", "ストライプ2"},
    {"CmdTestStripe", 2, P::Caption, -1, "Stripe 3", "ストライプ3"},
    {"CmdTestStripe", 3, P::Caption, -1, "Stripe 4", "ストライプ4"},
    {"FrmLEDAnime", -1, P::Caption, -1, "Animation", "アニメーション"},
    {"LabelBL", 0, P::Caption, -1, "Color Tone", "--色調--"},
    {"LabelBL", 1, P::Caption, -1, "Speed", "速度"},
    {"LabelBL", 2, P::Caption, -1, "Repeat", "回数"},
    {"LabelBL", 3, P::Caption, -1, "Phase", "位相"},
    {"LabelBL", 4, P::Caption, -1, "Length", "長さ"},
    {"LabelBL", 5, P::Caption, -1, "Color1", "色１"},
    {"LabelBL", 6, P::Caption, -1, "Color2", "色２"},
};

const ControlRange FontControls[] = {
    {"FrmTouch", -1, -1},
    {"ComboTSW", 0, 1},
    {"lblTouch", -1, -1},
    {"cmdTouch", 0, 6},
    {"Label2", -1, -1},
    {"Label3", -1, -1},
    {"Label5", -1, -1},
    {"cmdOffLine", -1, -1},
    {"cmdOnLine", -1, -1},
    {"cmdBtn1", 0, 11},
    {"Label53", -1, -1},
    {"Command8", -1, -1},
    {"Command9", -1, -1},
    {"CmdFontExtension", -1, -1},
    {"Label52", -1, -1},
    {"Label39", -1, -1},
    {"CmdDrawFileByDot", -1, -1},
    {"OpYByte", 0, 1},
    {"WindowSelectFrame", -1, -1},
    {"WindowSelectOption", 0, 4},
    {"DrawFrame", -1, -1},
    {"WindowModeFrame", -1, -1},
    {"WindowModeCommandButton", 0, 3},
    {"FrmASIA", -1, -1},
    {"CmdAsiaFont_ON", -1, -1},
    {"CmdAsiaFont_OFF", -1, -1},
    {"BmpFrame", -1, -1},
    {"SSTab1", -1, -1},
    {"SSTab4", -1, -1},
    {"FileBmpFrame", -1, -1},
    {"cmdBrowse", -1, -1},
    {"CmdCursorHome", -1, -1},
    {"BmpDrawButton", -1, -1},
    {"FrmAction", -1, -1},
    {"OptAction", 0, 3},
    {"DeviceContextFrame", -1, -1},
    {"Label11", -1, -1},
    {"Label36", -1, -1},
    {"Label10", -1, -1},
    {"Label8", -1, -1},
    {"labelSize", -1, -1},
    {"Label9", -1, -1},
    {"CmdUDF", -1, -1},
    {"Command1", -1, -1},
    {"DownloadFontCheck", -1, -1},
    {"DrawModeFrame", -1, -1},
    {"DrawModeOption", 0, 3},
    {"ReverseCommandButton", -1, -1},
    {"Label31", -1, -1},
    {"WindowDefineFrame", -1, -1},
    {"BaseWindowWriteModeFrame", -1, -1},
    {"BaseWindowWriteModeOption", 0, 1},
    {"Label23", -1, -1},
    {"UserWindowFrame", -1, -1},
    {"Label24", -1, -1},
    {"Label16", -1, -1},
    {"Label13", -1, -1},
    {"Label17", -1, -1},
    {"Label18", -1, -1},
    {"Label14", -1, -1},
    {"Label15", 0, 3},
    {"Label12", -1, -1},
    {"Label19", -1, -1},
    {"Label20", -1, -1},
    {"Label21", -1, -1},
    {"WindowLayoutFrame", -1, -1},
    {"WaitFrame", -1, -1},
    {"Shorter", -1, -1},
    {"Longer", -1, -1},
    {"WaitCommandButton", -1, -1},
    {"ScrollFrame", -1, -1},
    {"Label26", -1, -1},
    {"Label27", -1, -1},
    {"ScrollCommandButton", -1, -1},
    {"BlinkFrame", -1, -1},
    {"Label32", -1, -1},
    {"BlinkCommandButton", -1, -1},
    {"DlFontDefineFrame", -1, -1},
    {"DlFontDefineFrame2", -1, -1},
    {"Command7", -1, -1},
    {"Label33", -1, -1},
    {"FontDefineCommandButton", -1, -1},
    {"FontDeleteCommandButton", -1, -1},
    {"FontClearCommandButton", -1, -1},
    {"RecFrame", -1, -1},
    {"OptR", -1, -1},
    {"OptG", -1, -1},
    {"OptB", -1, -1},
    {"OptRGB", -1, -1},
    {"chkDutyAdjust", 0, 1},
    {"FrmLED1color", -1, -1},
    {"SSTab3", -1, -1},
    {"ControlFrame", -1, -1},
    {"InitializeCommandButton", -1, -1},
    {"Label1", -1, -1},
    {"ScreenSaverFrame", -1, -1},
    {"FullOnCommandButton", -1, -1},
    {"Reverse4CommandButton", -1, -1},
    {"FullOffCommandButton", -1, -1},
    {"DispPowerCommandButton", -1, -1},
    {"ScreenSaverCancelCommandButton", -1, -1},
    {"IfFrame", -1, -1},
    {"CommPortLabel", -1, -1},
    {"Command2", -1, -1},
    {"SendLabel", -1, -1},
    {"Label46", -1, -1},
    {"Label43", -1, -1},
    {"Label48", -1, -1},
    {"ChkScroll", -1, -1},
    {"Label50", -1, -1},
    {"CmdEditImageList", -1, -1},
    {"CmdIndicate", -1, -1},
    {"CmdOffsetClear", -1, -1},
    {"Label6", -1, -1},
    {"Label7", -1, -1},
    {"Label4", -1, -1},
    {"Label22", -1, -1},
    {"CmdHome", -1, -1},
    {"TestPatternCommandButton", -1, -1},
    {"CmdTextChecker", -1, -1},
    {"CmdAllOn", -1, -1},
    {"CmdAllOff", -1, -1},
    {"CmdTestStripe", 0, 3},
    {"FrmLEDAnime", -1, -1},
    {"LabelBL", 0, 7},
    {"Label49", -1, -1},
};

const FontSizeSetting FontSizes[] = {
    {"DispPowerCommandButton", -1, 7},
    {"CmdDrawFileByDot", -1, 7.5},
    {"WindowSelectOption", 0, 8},
    {"WindowSelectOption", 1, 8},
    {"WindowSelectOption", 2, 8},
    {"WindowSelectOption", 3, 8},
    {"WindowSelectOption", 4, 8},
    {"CmdCursorHome", -1, 8},
    {"ChkScroll", -1, 8},
    {"CmdOffsetClear", -1, 8},
    {"OptAction", 1, 7},
    {"Label15", 0, 7},
    {"Label15", 1, 7},
    {"Label15", 2, 7},
    {"Label15", 3, 7},
};

const ToolTipText ToolTipTable[] = {
    {"FrmTouch", -1, "Set or cancel automatic transmit mode.", "タッチスイッチ読出し動作設定"},
    {"ComboTSW", 0, "Specify a switch to be read.", "読み出すスイッチを指定"},
    {"ComboTSW", 1, "Last mode set command", "最後に送られた設定コマンド"},
    {"cmdTouch", 0, "Read the status of all switches.", "全スイッチの状態を読み出します。"},
    {"cmdTouch", 1, "Read the status of the selected switch.", "指定したスイッチの状態を読み出します。"},
    {"cmdTouch", 2, "Read the sense level of all switches.", "全スイッチの反応レベルを読み出します。"},
    {"cmdTouch", 3, "Cancel auto sending mode.", "検知時の自動送信を解除します。"},
    {"cmdTouch", 4, "", ""},
    {"cmdTouch", 5, "To send status of all switches when touched and released.",
     "検知時に全スイッチの状態を送信します。"},
    {"cmdTouch", 6, "To send status of the selected switch when touched and released.",
     "検知時に指定スイッチの状態を送信します。"},
    {"SSTab4", -1, "Write Character code and control code.", "文字データとコントロールコード送信コマンドです。"},
    {"OpYByte", 0, "Specify the image height in units of 8 dots.", "イメージの高さを8ドット単位で指定します。"},
    {"OpYByte", 1, "Specify the image height in units of 1 dot.", "イメージの高さを1ドット単位で指定します。"},
    {"cmdBtn1", 0, "Move cursor to the specified position", "カーソルを指定位置に移動します。"},
    {"cmdBtn1", 1, "Clear display and move cursor to home position (0CHex)",
     "表示をクリアし、カーソルをホーム位置に移動します。(0CHex)"},
    {"cmdBtn1", 4, "Clear the line of the cursor", "カーソルのある行をクリアします。"},
    {"cmdBtn1", 5, "Clear from the cursor to the end of the line", "カーソル位置から行末までクリアします。"},
    {"cmdBtn1", 6, "Move cursor to top left of current window (0BHex)",
     "カーソルをカレントウインドウの左上端に移動します。(0BHex)"},
    {"cmdBtn1", 7, "Move cursor one character right (09Hex)", "カーソルを1文字右に移動します。(09Hex)"},
    {"cmdBtn1", 8, "Move cursor one character left (08Hex)", "カーソルを1文字左に移動します。(08Hex)"},
    {"cmdBtn1", 9, "Move cursor to the left end of the line (0DHex)", "カーソルを行の左端に移動します。(0DHex)"},
    {"cmdBtn1", 10, "Move cursor to the next line (0AHex)", "カーソルを次の行に移動します。(0AHex)"},
    {"cmdBtn1", 11, "Send the text of the entry box", "テキスト入力欄の文字を送信します。"},
    {"WindowSelectFrame", -1, "Select the current window.", "カレントウインドウを選択します。"},
    {"WindowSelectOption", 0, "Select base window for current window",
     "ベースウインドウをカレントウインドウにします。"},
    {"WindowSelectOption", 1, "Select window 1 for current window",
     "ユーザーウインドウ１をカレントウインドウにします。"},
    {"WindowSelectOption", 2, "Select window 2 for current window",
     "ユーザーウインドウ２をカレントウインドウにします。"},
    {"WindowSelectOption", 3, "Select window 3 for current window",
     "ユーザーウインドウ３をカレントウインドウにします。"},
    {"WindowSelectOption", 4, "Select window 4 for current window",
     "ユーザーウインドウ４をカレントウインドウにします。"},
    {"DrawFrame", -1, "Drawing commands of the module.", "表示器の描画コマンドです。"},
    {"WindowModeFrame", -1, "Select the write mode of the current window.",
     "カレントウインドウの書込みモードを選択します。"},
    {"WindowModeCommandButton", 0, "Set current window for over-write mode",
     "カレントウインドウを上書きモードに設定します。"},
    {"WindowModeCommandButton", 1, "Set current window for vertical scroll mode",
     "カレントウインドウを縦スクロールモードに設定します。"},
    {"WindowModeCommandButton", 2, "Set current window for horizontal scroll mode",
     "カレントウインドウを横スクロールモードに設定します。"},
    {"WindowModeCommandButton", 3, "Set current window for horizontal scroll mode,\n and make display ready to rcroll",
     "カレントウインドウを横スクロールモードに設定し、\n次の文字からスクロールする準備をします。"},
    {"CursorXBox", -1, "Specify cursor X position  (1 dot/unit)", "カーソル X 位置 (1 ドット単位)"},
    {"CursorYBox", -1, "Specify cursor Y position (8 dot/unit)", "カーソル Y 位置 (8 ドット単位)"},
    {"CmdCursorHome", -1, "Move cursor to the top left of the screen", "カーソルを画面の左上端に移動します。"},
    {"TextBox", -1, "Type the text to send.", "送信する文字を入力します。"},
    {"BmpFrame", -1, "Draw bitmap files, memory images and test patterns.",
     "ビットマップファイル、メモリイメージ、テストパターンを表示します。"},
    {"TestPatternFrame", -1, "Test pattern commands.", "テストパターン表示コマンドです。"},
    {"BmpXSizeBox", -1, "Width of the test pattern (1 dot/unit)", "テストパターンの幅 (1 ドット単位)"},
    {"BmpYSizeBox", -1, "Height of the test pattern (8 dot/unit)", "テストパターンの高さ (8 ドット単位)"},
    {"TestPatternCommandButton", -1, "Draw an incremental binary pattern",
     "インクリメントするバイナリパターンを表示します。"},
    {"Drive1", -1, "Select a drive.", "ドライブを選択します。"},
    {"Dir1", -1, "Select a folder.", "フォルダを選択します。"},
    {"File1", -1, "Select a bitmap file to draw.", "表示するビットマップファイルを選択します。"},
    {"BmpDrawButton", -1, "Draw the selected bitmap file.", "選択したビットマップファイルを表示します。"},
    {"DeviceContextFrame", -1, "Font settings of the module.", "表示器のフォント設定です。"},
    {"MagunifiedList", -1, "Specify magnification of character(X:1~4, Y:1~2)", "文字拡大表示設定(X:1~4, Y:1~2)"},
    {"GapList", -1, "Specify fixed width or proportional font.",
     "等幅フォントかプロポーショナルフォントかを選択します。"},
    {"InterNationalFontList", -1, "Specify the international character set.", "国際文字セットを選択します。"},
    {"CharacterCodeList", -1, "Specify character code type for 80h ~ ffh",
     "文字コード 80h～ffh のテーブルを選択します。"},
    {"DownloadFontCheck", -1, "Enable or disable downloaded characters.",
     "ダウンロード文字の有効・無効を切り替えます。"},
    {"DrawModeFrame", -1, "Select how new dots combine with the display.",
     "表示済みのドットとの合成方法を選択します。"},
    {"DrawModeOption", 0, "Over-write mode", "上書きモード"},
    {"DrawModeOption", 1, "OR mode", "ORモード"},
    {"DrawModeOption", 2, "AND mode", "ANDモード"},
    {"DrawModeOption", 3, "Exclusive OR mode", "EX-ORモード"},
    {"ReverseCommandButton", -1, "Reverse display of characters and images on/off",
     "文字とイメージの反転表示を切り替えます。"},
    {"WindowDefineFrame", -1, "Define user windows.", "ユーザーウインドウを定義します。"},
    {"BaseWindowWriteModeFrame", -1, "Select the area of the base window.", "ベースウインドウの範囲を選択します。"},
    {"BaseWindowWriteModeOption", 0, "Display screen mode", "表示画面モード（画面＝ベースウインドウ）"},
    {"BaseWindowWriteModeOption", 1, "All screen mode.", "全画面モード（全メモリ＝ベースウインドウ）"},
    {"WindowScrollSlider", -1, "Specify horizontal scroll speed", "横スクロールの速度を設定します。"},
    {"toviImage", -1, "Tutorial On/Off", "チュートリアルを開始/停止します。"},
    {"UserWindowFrame", -1, "Position and size of the user windows.", "ユーザーウインドウの位置とサイズです。"},
    {"UserWindowLeftBox", 0, "Left position of window 1(by 1dot)", "ユーザーウインドウ１の左端の位置(１ドット単位)"},
    {"UserWindowLeftBox", 1, "Left position of window 2(by 1dot)", "ユーザーウインドウ２の左端の位置(１ドット単位)"},
    {"UserWindowLeftBox", 2, "Left position of window 3(by 1dot)", "ユーザーウインドウ３の左端の位置(１ドット単位)"},
    {"UserWindowLeftBox", 3, "Left position of window 4(by 1dot)", "ユーザーウインドウ４の左端の位置(１ドット単位)"},
    {"UserWindowTopBox", 0, "Top position of window 1(by 8dot)", "ユーザーウインドウ１の上端の位置(１バイト単位)"},
    {"UserWindowTopBox", 1, "Top position of window 2(by 8dot)", "ユーザーウインドウ２の上端の位置(１バイト単位)"},
    {"UserWindowTopBox", 2, "Top position of window 3(by 8dot)", "ユーザーウインドウ３の上端の位置(１バイト単位)"},
    {"UserWindowTopBox", 3, "Top position of window 4(by 8dot)", "ユーザーウインドウ４の上端の位置(１バイト単位)"},
    {"UserWindowWidthBox", 0, "Width of window 1(by 1dot)", "ユーザーウインドウ１の幅(１ドット単位)"},
    {"UserWindowWidthBox", 1, "Width of window 2(by 1dot)", "ユーザーウインドウ２の幅(１ドット単位)"},
    {"UserWindowWidthBox", 2, "Width of window 3(by 1dot)", "ユーザーウインドウ３の幅(１ドット単位)"},
    {"UserWindowWidthBox", 3, "Width of window 4(by 1dot)", "ユーザーウインドウ４の幅(１ドット単位)"},
    {"UserWindowHeightBox", 0, "Height of window 1(by 8dot)", "ユーザーウインドウ１の高さ(１バイト単位)"},
    {"UserWindowHeightBox", 1, "Height of window 2(by 8dot)", "ユーザーウインドウ２の高さ(１バイト単位)"},
    {"UserWindowHeightBox", 2, "Height of window 3(by 8dot)", "ユーザーウインドウ３の高さ(１バイト単位)"},
    {"UserWindowHeightBox", 3, "Height of window 4(by 8dot)", "ユーザーウインドウ４の高さ(１バイト単位)"},
    {"UserWindowRegistCheck", 0, "Define window 1 (check) or cancel it (clear)",
     "ユーザーウインドウ１を定義（チェック）・解除（チェックなし）します。"},
    {"UserWindowRegistCheck", 1, "Define window 2 (check) or cancel it (clear)",
     "ユーザーウインドウ２を定義（チェック）・解除（チェックなし）します。"},
    {"UserWindowRegistCheck", 2, "Define window 3 (check) or cancel it (clear)",
     "ユーザーウインドウ３を定義（チェック）・解除（チェックなし）します。"},
    {"UserWindowRegistCheck", 3, "Define window 4 (check) or cancel it (clear)",
     "ユーザーウインドウ４を定義（チェック）・解除（チェックなし）します。"},
    {"WindowLayoutFrame", -1, "Layout of the user windows on the display.", "表示器上のユーザーウインドウの配置です。"},
    {"SSTab3", -1, "Action/Back light/ Touch switchews commands", "アクション/バックライト/タッチスイッチコマンド群"},
    {"WaitFrame", -1, "Wait before the next command.", "次のコマンドまで時間待ちします。"},
    {"WaitSlider", -1, "Specifiy wait time(0.5sec/unit)", "0.5秒単位で時間待ちします。"},
    {"WaitCommandButton", -1, "Send the wait action.", "時間待ちアクションを送信します。"},
    {"ScrollFrame", -1, "Scroll the display.", "表示をスクロールします。"},
    {"ScrollShiftBox", -1,
     "Specify the shift byte for scroll action.（0～1023） Holizontal scrolling can be possible by specifying the "
     "shift byte to multiple number of (display screen Y dot/8).",
     "スクロールアクションの一回の移動量（バイト単位）を設定します。（0～1023）\n画面Yバイト数の整数倍を設定すると横ス"
     "クロールできます。(Y dot/8)."},
    {"ScrollRepetitionBox", -1, "Number of reptition for scroll action.（1～65535）",
     "スクロールアクションの繰り返し数を設定します。(1～65535）"},
    {"ScrollSpeedBox", -1, " Scroll speed(14msec/unit)", " １回の移動にかける時間。(14m秒単位)"},
    {"ScrollCommandButton", -1, "Send the scroll action.", "スクロールアクションを送信します。"},
    {"BlinkFrame", -1, "Blink the display.", "表示を点滅させます。"},
    {"BlinkPatternList", -1, "Specify the blink pattern.", "点滅パターンを選択します。"},
    {"BlinkEventTimeBox", -1, "Blink display time(14msec/unit)", "点滅時間設定(14m秒単位)"},
    {"BlinkNormalTimeBox", -1, "Normal display time(14msec/unit)", "点灯時間設定(14m秒単位)"},
    {"BlinkRepetitionBox", -1, "Number of repetition for blink action.", "点滅の繰り返し数を設定します。"},
    {"BlinkCommandButton", -1, "Send the blink action.", "点滅アクションを送信します。"},
    {"DlFontDefineFrame", -1, "Define characters dot by dot.", "ドット単位で文字を定義します。"},
    {"FontDefineCommandButton", -1, "Download the character to the code.", "指定コードに文字をダウンロードします。"},
    {"FontCodeTextBox", -1, "Character code in hexadecimal.", "文字コード（16進数）"},
    {"FontDeleteCommandButton", -1, "Delete the downloaded character of the code.",
     "指定コードのダウンロード文字を削除します。"},
    {"FontMatrix", -1, "Click the dots of the character.", "文字のドットをクリックします。"},
    {"FontSizeOption", 0, "Define by 5X7 dot character for modified font", "5X7ドット文字設定"},
    {"FontSizeOption", 1, "Define by 7X8 dot character for modified font", "7X8ドット文字設定"},
    {"FontClearCommandButton", -1, "Clear all dots.", "全ドットを消去します。"},
    {"ControlFrame", -1, "Brightness and power of the display.", "表示器の輝度と電源の制御です。"},
    {"BrightSlider", -1, "Specify brightness of the display.", "表示器の輝度を設定します。"},
    {"InitializeCommandButton", -1, "Initialise Module", "表示器を初期状態にします。\n（ソフトウエアリセット）"},
    {"ScreenSaverFrame", -1, "Screen saver commands.", "スクリーンセーバーコマンドです。"},
    {"FullOnCommandButton", -1, "All dots ON", "全ドットを点灯します。"},
    {"Reverse4CommandButton", -1, "Alternate normal and reverse display", "通常表示と反転表示を交互に繰り返します。"},
    {"FullOffCommandButton", -1, "All dots OFF", "全ドットを消灯します。"},
    {"DispPowerCommandButton", -1, "Power OFF(All dots OFF, Power save mode)",
     "表示管電源をOFFします。(All dots OFF, Power save mode)\n消費電力が下がります。"},
    {"ScreenSaverCancelCommandButton", -1, "Cancel the screen saver and turn the display on.",
     "スクリーンセーバーを解除し、表示をONします。"},
    {"RecFrame", -1, "Record the commands sent.", "送信したコマンドを記録します。"},
    {"RecCommandButton", -1, "Start recording the commands sent.", "送信コマンドの記録を開始します。"},
    {"StopCommandButton", -1, "Stop recording or playing.", "記録・再生を停止します。"},
    {"PlayCommandButton", -1, "Play the recorded commands.", "記録したコマンドを再生します。"},
    {"PauseCommandButton", -1, "Pause recording or playing.", "記録・再生を一時停止します。"},
    {"EditCommandButton", -1, "Click here to edit code.",
     "ログの参照と編集画面が開きます。\n　ログのファイル保存も可能です。"},
    {"IfFrame", -1, "Connection to the module.", "表示器との通信設定です。"},
    {"CommPortList", -1, "Select the port of the module.", "表示器をつないだポートを選択します。"},
    {"CommSettingsList", -1, "Select the communication settings.", "通信速度などの通信条件を選択します。"},
    {"HinmeiList", -1, "Select display resolution.", "表示器のドット数と表示器のシリーズを選択します。"},
    {"sendCommandBox", -1, "Name of the last command sent.", "最後に送信したコマンドの名前です。"},
    {"sendHelpBox", -1, "Parameters of the last command sent.", "最後に送信したコマンドのパラメータです。"},
    {"SendTextBox", -1, "Bytes of the last command sent, and bytes received.",
     "最後に送信したコマンドのバイトと受信データです。"},
    {"Command1", -1, "Scroll selected character set on VFD", "20h～ffhコードを表示器に送信します。"},
    {"HintCommandButton", -1, "On/OFF Tool tips", "ツールチップの表示・非表示を切り替えます。"},
    {"CmdUDF", -1, "Download characters of 80Hex - FFHex.", "ユーザー定義文字を書き込みます。80Hex - FFHex."},
    {"Image1", -1, "Japanese Menu", "English Menu"},
};

// The controls whose tool tip the off run leaves as it is.
const char *const KeptWhenOff[] = {"FrmTouch",    "ComboTSW", "toviImage",         "sendCommandBox",
                                   "sendHelpBox", "Command1", "HintCommandButton", "Image1"};

} // namespace

QString ControlText::text(bool inJapanese) const
{
    return QString::fromUtf8(inJapanese ? japanese : english);
}

QString ToolTipText::text(bool inJapanese) const
{
    return QString::fromUtf8(inJapanese ? japanese : english);
}

QString ControlRef::objectName() const
{
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

bool isJapanese(const QString &uiLanguage)
{
    return uiLanguage == QLatin1String("Japanese");
}

QString toggledLanguage(const QString &uiLanguage)
{
    return isJapanese(uiLanguage) ? QStringLiteral("English") : QStringLiteral("Japanese");
}

QString withoutAccessKey(const QString &caption)
{
    // A Japanese caption names its key in brackets after the text.
    static const QRegularExpression bracketedKey(QStringLiteral("\\(&[^&]\\)$"));
    QString text = caption;
    text.remove(bracketedKey);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        plain += text[i];
    }
    return plain;
}

std::span<const ControlText> captionTable()
{
    return CaptionTable;
}

namespace {
const ControlText OwnCaptionTable[] = {
    {"BasicCodeFrame", -1, P::Caption, -1, "Basic Codes", "基本コード"},
    {"ModelFrame", -1, P::Caption, -1, "Module", "モジュール"},
    {"Label35", -1, P::Caption, -1, "Rev.B", "リビジョンB"},
    // The Japanese tutorial names these two buttons by their captions.
    {"cmdOnLine", -1, P::Caption, -1, "ON", "ON"},
    {"cmdOffLine", -1, P::Caption, -1, "OFF", "OFF"},
    {"FontSizeFrame", -1, P::Caption, -1, "Size", "サイズ"},
    {"ScrollTimeLabel", -1, P::Caption, -1, "x 14 mSec)", "x 14m秒"},
    {"BlinkTimesLabel", -1, P::Caption, -1, "times", "回"},
    // The rich text's reverse-mark buttons read the same in both languages.
    {"Command10", -1, P::Caption, -1, "Reverse", "Reverse"},
    {"Command11", -1, P::Caption, -1, "Normal", "Normal"},
    {"Frame1", -1, P::Caption, -1, "Memory Image", "メモリイメージ"},
    {"Label51", -1, P::Caption, -1, "Dots", "ドット"},
    {"TestPatternFrame", -1, P::Caption, -1, "Test Pattern", "テストパターン"},
    {"Command12", -1, P::Caption, -1, "LED ON", "LED点灯"},
    {"CmdLED", -1, P::Caption, -1, "All", "全LED"},
    {"LedCountLabel", 0, P::Caption, -1, "No.of LED", "LED数"},
    {"LedCountLabel", 1, P::Caption, -1, "No.of LED", "LED数"},
    {"CmdBL", 1, P::Caption, -1, "Wave", "ウェーブ"},
    {"CmdBL", 3, P::Caption, -1, "Wipe <-->", "ワイプ <-->"},
    {"CmdBL", 4, P::Caption, -1, "Wipe --->", "ワイプ --->"},
    {"LabelBL", 7, P::Caption, -1, "R   G   B", "R   G   B"},
    {"Label49", -1, P::Caption, -1, "Command", "コマンド"},
    {"LogHelpLabel", -1, P::Caption, -1, "OpCode", "オペコード"},
    {"LogSentLabel", -1, P::Caption, -1, "Sent", "送信データ"},
    {"RecCommandButton", -1, P::Caption, -1, "Rec", "記録"},
    {"PlayCommandButton", -1, P::Caption, -1, "Play", "再生"},
    {"PauseCommandButton", -1, P::Caption, -1, "Pause", "一時停止"},
    {"StopCommandButton", -1, P::Caption, -1, "Stop", "停止"},
    {"EditCommandButton", -1, P::Caption, -1, "Edit", "編集"},
    {"Command4", -1, P::Caption, -1, "Save", "保存"},
    {"toviImage", -1, P::Caption, -1, "Tutor", "チュートリアル"},
    {"HintCommandButton", -1, P::Caption, -1, "Tool Tips", "ツールチップ"},
};
} // namespace

std::span<const ControlText> ownCaptionTable()
{
    return OwnCaptionTable;
}

std::span<const ControlRange> captionFontControls()
{
    return FontControls;
}

std::span<const FontSizeSetting> captionFontSizes()
{
    return FontSizes;
}

QString captionFontName(bool japanese)
{
    return japanese ? QStringLiteral("MS Pゴシック") : QStringLiteral("Times New Roman");
}

QStringList captionFontCandidates(bool japanese)
{
    if (japanese)
        return {captionFontName(true),        QStringLiteral("IPAPGothic"),
                QStringLiteral("IPAGothic"),  QStringLiteral("Noto Sans CJK JP"),
                QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")};
    // The Japanese font last: it draws the characters the Latin fonts lack, whatever
    // the locale's own choice for them would be.
    return {captionFontName(false),         QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
            QStringLiteral("DejaVu Serif"), QStringLiteral("FreeSerif"),        QStringLiteral("IPAPGothic")};
}

QStringList interfaceFontCandidates()
{
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")};
}

QStringList fixedFontCandidates()
{
    return {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("IPAGothic")};
}

bool toolTipsOn(qint32 hintColour)
{
    return hintColour != ButtonFaceColour;
}

qint32 nextHintColour(qint32 hintColour)
{
    return hintColour == ToolTipsOnColour ? ButtonFaceColour : ToolTipsOnColour;
}

std::span<const ToolTipText> toolTipTable()
{
    return ToolTipTable;
}

QList<ControlRef> toolTipOnList()
{
    QList<ControlRef> list;
    for (const ToolTipText &t : ToolTipTable)
        list.append({QString::fromLatin1(t.name), t.index});
    return list;
}

const QList<ControlRef> &toolTipOffList()
{
    static const QList<ControlRef> list = [] {
        const QSet<QString> kept = [] {
            QSet<QString> s;
            for (const char *name : KeptWhenOff)
                s.insert(QString::fromLatin1(name));
            return s;
        }();
        QList<ControlRef> off;
        for (const ControlRef &c : toolTipOnList()) {
            if (!kept.contains(c.name))
                off.append(c);
            // The bitmap file frame has no tool tip of its own, but the off run
            // clears whatever it holds.
            if (c.name == QLatin1String("BmpFrame"))
                off.append({QStringLiteral("FileBmpFrame"), -1});
        }
        return off;
    }();
    return list;
}

QList<ControlRef> controlObjects(std::span<const ControlRange> ranges)
{
    QList<ControlRef> list;
    for (const ControlRange &r : ranges) {
        if (r.first < 0)
            list.append({QString::fromLatin1(r.name), -1});
        else
            for (int i = r.first; i <= r.last; ++i)
                list.append({QString::fromLatin1(r.name), i});
    }
    return list;
}

} // namespace kvx
