#include "macro_editor/macro_upload.h"

#include "link/send_run.h"
#include "shell/macro_tokenizer.h"

namespace kvx {

namespace {

QString pick(bool japanese, const char *english, const char *japaneseText)
{
    return japanese ? QString::fromUtf8(japaneseText) : QString::fromUtf8(english);
}

constexpr int AutoStartSwitch = 19;

} // namespace

int ramMacroCapacity(bool revisionB)
{
    return revisionB ? 16384 : 256;
}
int flashMacroCapacity(bool revisionB)
{
    return revisionB ? 16384 : 4096;
}

MacroUpload::MacroUpload(VX5200 &encoder, UserDialogs &dialogs, UploadProgress *progress)
    : m_encoder(encoder), m_dialogs(dialogs), m_progress(progress)
{
}

bool MacroUpload::send(SendResult result)
{
    if (wentOut(result))
        return true;
    if (m_progress)
        m_progress->hideProgress();
    m_dialogs.message(pick(m_japanese, "The macro upload was stopped: a command could not be sent to the module.",
                           "モジュールにコマンドを送れなかったため、マクロ書き込みを中止しました。"),
                      UserDialogs::Icon::Warning);
    return false;
}

bool MacroUpload::sendFramed(const std::function<SendResult()> &command)
{
    const SendRun run;
    return send(m_encoder.userModeIn()) && send(command()) && send(m_encoder.userModeOut());
}

bool MacroUpload::askTryNow(int macroNumber)
{
    const UserDialogs::Answer a =
        m_dialogs.ask(pick(m_japanese, "Do you wantot try\u3000Macro now?", "マクロを実行しますか？"),
                      UserDialogs::Buttons::OkCancel);
    if (a != UserDialogs::Answer::Ok)
        return true;
    return send(m_encoder.MacroExecute(macroNumber, 0, 20));
}

MacroUpload::Outcome MacroUpload::autoStartAndTry()
{
    const UserDialogs::Answer a = m_dialogs.ask(
        pick(m_japanese,
             "Setup Auto Start of Macro?\r\nYES: Set Auto Start\r\n NO: Remove Auto Start \r\n CANCEL: No change",
             "マクロの自動起動を設定しますか？\r\nY：設定します。\r\n N：設定解除します。 \r\n CANCEL：設定変更なし。"),
        UserDialogs::Buttons::YesNoCancel);
    if (a == UserDialogs::Answer::Yes || a == UserDialogs::Answer::No) {
        const int value = a == UserDialogs::Answer::Yes ? 1 : 0;
        if (!sendFramed([&] { return m_encoder.SetMemorySwitch(AutoStartSwitch, value); }))
            return Outcome::SendFailed;
        if (a == UserDialogs::Answer::Yes)
            return Outcome::Done;
    }
    return askTryNow(1) ? Outcome::Done : Outcome::SendFailed;
}

MacroUpload::Outcome MacroUpload::run(const QString &macroText, bool revisionB, bool japanese)
{
    m_japanese = japanese;
    const QString caption = pick(japanese, "Macro", "マクロ");
    if (m_progress)
        m_progress->showProgress(caption, pick(japanese, "Code translation on progress.", "変換中"));
    const MacroReading reading = readMacroForWriting(macroText, japanese);
    if (m_progress)
        m_progress->hideProgress();
    const QByteArray bytes = reading.bytes();

    const auto tooLarge = [&] {
        m_dialogs.message(pick(japanese, "MACRO is larger than memory capacity.", "マクロがメモリに収まりません。"),
                          UserDialogs::Icon::Critical, QStringLiteral("ERROR"));
        return Outcome::TooLarge;
    };

    const UserDialogs::Answer target =
        m_dialogs.ask(pick(japanese, "Do you want to use RAM MACRO?\r\nYES = RAM Macro, NO = FROM Macro, Cancel = Stop",
                           "RAM マクロにしますか？\r\nはい=RAM Macro, いいえ= FROM Macro, キャンセル=中断"),
                      UserDialogs::Buttons::YesNoCancel);

    // Only a path that writes the macro needs a readable text.
    const bool writes = target == UserDialogs::Answer::Yes || target == UserDialogs::Answer::No;
    if (writes && !reading.ok()) {
        m_dialogs.message(dataErrorMessage(*reading.error));
        return Outcome::DataError;
    }
    // The encoder takes the data as four characters per byte, the two digits first.
    QString data;
    data.reserve(bytes.size() * 4);
    for (char b : bytes)
        data += QStringLiteral("%1h,").arg(uchar(b), 2, 16, QLatin1Char('0'));

    if (target == UserDialogs::Answer::Yes) {
        if (bytes.size() > ramMacroCapacity(revisionB))
            return tooLarge();
        if (!send(m_encoder.MacroDifine(0, data, bytes.size())))
            return Outcome::SendFailed;
        return askTryNow(0) ? Outcome::Done : Outcome::SendFailed;
    }
    if (target == UserDialogs::Answer::No) {
        if (bytes.size() > flashMacroCapacity(revisionB))
            return tooLarge();
        if (m_progress)
            m_progress->showProgress(caption, pick(japanese, "Macro uploading ...", "マクロ書き込み中"));
        if (!sendFramed([&] { return m_encoder.MacroDifine(1, data, bytes.size()); }))
            return Outcome::SendFailed;
        if (m_progress)
            m_progress->hideProgress();
    }
    return autoStartAndTry();
}

} // namespace kvx
