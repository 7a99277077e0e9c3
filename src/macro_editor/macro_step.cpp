#include "macro_editor/macro_step.h"

#include "link/send_run.h"
#include "shell/macro_tokenizer.h"

namespace kvx {

namespace {

const QLatin1String CrLf("\r\n");

QString pick(bool japanese, const char *english, const char *japaneseText)
{
    return QString::fromUtf8(japanese ? japaneseText : english);
}

// The end of the line starting at `from`: the next CR LF, or the end of the text.
int lineEndFrom(const QString &text, int from)
{
    const int at = int(text.indexOf(CrLf, from));
    return at < 0 ? int(text.size()) : at;
}

} // namespace

MacroStep::MacroStep(VX5200 &encoder, UserDialogs &dialogs, std::function<bool()> moduleReady)
    : m_encoder(encoder), m_dialogs(dialogs), m_moduleReady(std::move(moduleReady))
{
}

MacroSelection MacroStep::lineAt(const QString &text, int caret)
{
    caret = qBound(0, caret, int(text.size()));
    int start = 0;
    // A CR LF that ends at the caret or before it closes the previous line.
    if (caret >= 2) {
        const int at = int(text.lastIndexOf(CrLf, caret - 2));
        if (at >= 0)
            start = at + 2;
    }
    return {start, lineEndFrom(text, start)};
}

MacroSelection MacroStep::nextLine(const QString &text, int lineEnd)
{
    int caret = qBound(0, lineEnd, int(text.size()));
    if (QStringView(text).mid(caret, 2) == CrLf)
        caret += 2;
    return {caret, lineEndFrom(text, caret)};
}

MacroSelection MacroStep::step(const QString &text, MacroSelection current, bool japanese)
{
    if (!m_moduleReady || !m_moduleReady()) {
        m_dialogs.message(
            pick(japanese, "Display is not conected or no power", "ディスプレイの接続と電源を確認してください。"));
        return current;
    }
    int caret = current.start;
    if (caret >= text.size() - 2) {
        if (m_dialogs.ask(pick(japanese, "Do you want to start form the top?", "最初から始めますか?"),
                          UserDialogs::Buttons::OkCancel)
            != UserDialogs::Answer::Ok)
            return current;
        caret = 0;
    }
    const MacroSelection line = lineAt(text, caret);
    const QString lineText = text.mid(line.start, line.end - line.start);

    // Words are read as the player reads them ("'A" gives 41, not 00), so stepping a
    // line and playing it send the same bytes.
    std::optional<MacroReadError> error;
    const MacroLine read =
        MacroTokenizer(japanese ? SystemCodePage::Cp932 : SystemCodePage::Windows1252).readLine(lineText, 1, &error);
    if (error) {
        m_dialogs.message(QStringLiteral("Data error at Word:%1\r\n%2").arg(error->word).arg(lineText));
        return line;
    }
    if (read.kind == MacroLine::Kind::Command) {
        const SendRun run;
        for (char byte : read.bytes) {
            if (!wentOut(m_encoder.portOut(QByteArray(1, byte))))
                return line;
        }
    }
    return nextLine(text, line.end);
}

} // namespace kvx
