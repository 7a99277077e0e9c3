#include "macro_editor/edit_form_texts.h"

#include <QHash>

namespace kvx {

namespace {

struct Caption
{
    const char *english;
    const char *japanese;
};

const QHash<QString, Caption> &captions()
{
    static const QHash<QString, Caption> table = {
        {QStringLiteral("EditForm"), {"Edit", "操作記録と編集"}},
        {QStringLiteral("ClearCommandButton"), {"Clear", "消去"}},
        {QStringLiteral("StepCommandButton"), {"Step(F8 key)", "ステップ実行(F8キー)"}},
        {QStringLiteral("Macro"), {"", "マクロ書込"}},
        {QStringLiteral("File"), {"File", "ファイル"}},
        {QStringLiteral("Close_"), {"Close", "閉じる"}},
        {QStringLiteral("Menu_1"), {"Menu", "メニュー"}},
        {QStringLiteral("Open_"), {"Open", "開く"}},
        {QStringLiteral("SaveAs"), {"Save As", "名前をつけて保存"}},
        {QStringLiteral("Step_OP"), {"Step", "ステップ実行"}},
        {QStringLiteral("LblSO"), {"Serial Out", "Serial Out"}},
        {QStringLiteral("CmdClrSO"), {"Clear", "Clear"}},
    };
    return table;
}

} // namespace

QString editFormCaption(const QString &name, bool japanese)
{
    const auto it = captions().constFind(name);
    if (it == captions().constEnd())
        return QString();
    return QString::fromUtf8(japanese ? it->japanese : it->english);
}

bool macroUploadAvailable(const QString &moduleSeri)
{
    return moduleSeri.startsWith(QLatin1Char('2'));
}

} // namespace kvx
