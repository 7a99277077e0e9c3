#include "panels/user_font.h"

#include "link/codepage.h"
#include "link/send_run.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace kvx {

namespace {

bool allDigits(const QString &s, int radix)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        const bool dec = u >= '0' && u <= '9';
        const bool hex = (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (!(dec || (radix == 16 && hex)))
            return false;
    }
    return true;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char(',');
}

} // namespace

std::optional<int> nextUserFontNumber(QString &text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.startsWith(QLatin1Char(','))) {
        text.remove(0, 1);
        return 0;
    }
    qsizetype sep = 0;
    while (sep < text.size() && !isSeparator(text.at(sep)))
        ++sep;
    QString token = text.left(sep);
    text = sep < text.size() ? text.mid(sep + 1) : QString();
    if (token.endsWith(QLatin1Char(';')))
        token.chop(1);
    if (token.isEmpty())
        return 0;
    bool ok = false;
    int value = -1;
    if (token.endsWith(QLatin1Char('H'), Qt::CaseInsensitive)) {
        token.chop(1);
        if (allDigits(token, 16))
            value = token.toInt(&ok, 16);
    } else if (allDigits(token, 10)) {
        value = token.toInt(&ok, 10);
    }
    if (!ok || value < 0 || value > 255)
        return std::nullopt;
    return value;
}

qsizetype UserFontFile::expectedCount(int m)
{
    switch (m) {
    case 1: return 773;
    case 2: return 2053;
    case 4: return 8197;
    default: return 0;
    }
}

UserFontFile UserFontFile::parse(const QString &text)
{
    UserFontFile f;
    QByteArray values;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (!line.startsWith(QLatin1String("PRT")))
            continue;
        QString rest = line.mid(3).trimmed();
        // "PRT;" closes a full line of the macro text and carries no value.
        if (rest == QLatin1String(";"))
            continue;
        while (!rest.isEmpty()) {
            const std::optional<int> v = nextUserFontNumber(rest);
            if (!v) {
                f.status = Status::Unreadable;
                f.count = values.size();
                return f;
            }
            // Values past the largest font are only counted.
            if (values.size() < 8198)
                values.append(char(*v));
            ++f.count;
        }
    }
    auto at = [&](int i) { return i < values.size() ? quint8(values.at(i)) : quint8(0); };
    f.m = at(4);
    if (at(0) != 0x1F || at(1) != 0x28 || at(2) != 0x65 || at(3) != 0x13)
        f.status = Status::WrongHeader;
    else if (expectedCount(f.m) == 0)
        f.status = Status::WrongSize;
    else if (f.count < expectedCount(f.m))
        f.status = Status::TooFew;
    else if (f.count > expectedCount(f.m))
        f.status = Status::TooMany;
    else {
        f.status = Status::Ok;
        f.command = values.left(expectedCount(f.m));
    }
    return f;
}

void UserFontLoader::say(const QString &english, const QString &inJapanese)
{
    m_ctx.dialogs.message(m_ctx.state.tr(english, inJapanese));
}

void UserFontLoader::notLoaded()
{
    say(QStringLiteral("User font is NOT loaded."), QStringLiteral("ユーザフォントが定義されていません。"));
}

bool UserFontLoader::CmdUDF_Click()
{
    if (m_ctx.encoder.moduleSeri() == QLatin1String("5200")) {
        say(QStringLiteral("This fonction is not avilable for VX-5200."),
            QStringLiteral("この機能はVX-5200では使えません。"));
        return false;
    }
    UserDialogs::FileRequest request;
    request.start = m_ctx.state.WorkFolder;
    request.filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Text Files(*.txt)"),
                       QStringLiteral("VelaDemo format Files (*.dat)")};
    request.filterIndex = 2;
    const UserDialogs::FileChoice choice = m_ctx.dialogs.openFile(request);
    if (!choice.accepted) {
        notLoaded();
        return false;
    }
    return loadFile(choice.path);
}

bool UserFontLoader::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        notLoaded();
        return false;
    }
    // The next dialog starts in the folder of this file.
    m_ctx.state.WorkFolder = QFileInfo(path).absolutePath();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        notLoaded();
        return false;
    }
    file.close();

    const UserFontFile font = UserFontFile::parse(decodeFileText(bytes));
    switch (font.status) {
    case UserFontFile::Status::Unreadable: notLoaded(); return false;
    case UserFontFile::Status::WrongHeader:
        say(QStringLiteral("Wrong format. (#1821)"), QStringLiteral("不正なフォーマット (#1821)"));
        return false;
    case UserFontFile::Status::WrongSize:
        say(QStringLiteral("Wrong format. (#1831)"), QStringLiteral("不正なフォーマット (#1831)"));
        return false;
    case UserFontFile::Status::TooFew:
        say(QStringLiteral("Insufficient data"), QStringLiteral("データ不足です。"));
        notLoaded();
        return false;
    case UserFontFile::Status::TooMany:
        say(QStringLiteral("Too many data"), QStringLiteral("過剰なデータです。"));
        notLoaded();
        return false;
    case UserFontFile::Status::Ok: break;
    }

    const QString size = font.m == 1 ? QStringLiteral("6x8")
        : font.m == 2                ? QStringLiteral("8x16")
                                     : QStringLiteral("16x32");
    const QString wait = m_ctx.state.tr(QStringLiteral("Please wait while font is being sent."),
                                        font.m == 4 ? QStringLiteral("フォント転送中。しばらくお待ちください。")
                                                    : QStringLiteral("フォント転送します。"));
    say(size + QStringLiteral("dot user font\r\n") + wait, size + QStringLiteral("ドット ユーザフォント\r\n") + wait);

    if (m_progress)
        m_progress->begin(wait, 4);
    auto step = [this](SendResult r) {
        if (m_progress)
            m_progress->advance();
        return r;
    };
    const QByteArray command = font.command;
    SendResult r = SendResult::Skipped;
    {
        // The mode's entry, the font and the mode's exit go to the module as one run.
        const SendRun run;
        r = PanelContext::inOrder({
            [&] {
                return step(m_ctx.run([](VX5200 &e) { return e.userModeIn(); },
                                      QStringLiteral("Enter User set up mode : "), QStringLiteral("-----OpCode-----")));
            },
            [&] {
                return step(m_ctx.run([&](VX5200 &e) { return e.portOut(command); },
                                      QStringLiteral("FROM User Definable Font Difinition : "),
                                      QStringLiteral("-----OpCode----- m p---- (m = 1; 6x8, =2;8x16, =4;16x32) "
                                                     "p;Pattern data")));
            },
            [&] {
                return step(m_ctx.run([](VX5200 &e) { return e.userModeOut(); },
                                      QStringLiteral("Exit User Set up mode : "), QStringLiteral("-----OpCode-----")));
            },
        });
    }
    if (!wentOut(r)) {
        if (m_progress)
            m_progress->end();
        notLoaded();
        return false;
    }
    if (m_initialize)
        m_initialize();
    if (m_progress) {
        m_progress->advance();
        m_progress->end();
    }
    say(QStringLiteral("Download is completed.\r\nPlease reconfigure User Font Style."),
        QStringLiteral("ダウンロード完了。\r\nユーザフォントスタイルを再設定してください。"));
    return true;
}

} // namespace kvx
