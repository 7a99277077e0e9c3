#include "tutorial/tutorial_texts.h"

#include "tutorial/tutorial_text_parts.h"

#include <QHash>

namespace kvx {

namespace {

// Titles and feedback lines are the program's own wording and are compared letter
// for letter, odd spellings and trailing blanks included.
const QList<TutorialText> FirstTexts = {
    // ---- step 0, the welcome ----
    {"welcome.first",
     "   Welcome to the VX-{series} Tutorial !\n"
     "\n"
     "This tutorial is a step-by-step guidance for beginners towards understanding the functions of the VX-{series}.\n"
     "\n"
     "After each step, click the {next} button.\n"
     "Read the instructions here, go to the Main form to try them, and return to this screen after each step.\n"
     "\n"
     "Click [{back}] to go back a step, and click a Subject button to jump to that subject.\n"
     "Note that a Subject button will turn red while you are studying that specific subject.  It will turn back into "
     "green when you complete the subject.",
     "     \u3000★ようこそ、「VX-{series}チュートリアル」へ！\n"
     "\n"
     "このチュートリアルは、VX-{series}"
     "の機能を理解していただくための、初心者向けのステップ・バイ・ステップ・ガイドです。\n"
     "\n"
     "ここで説明を読み、メインフォームへ行って試し、ステップごとにこの画面へ戻ってきてください。\n"
     "ステップが終わるごとに、[{next}] ボタンをクリックしてください。\n"
     "\n"
     "[戻る] ボタンで一つ前のステップに戻り、[{menu}] のボタンで学習したい項目へ飛ぶことができます。\n"
     "学習中の項目のボタンは赤くなり、その項目を修了すると緑色に変わります。\n"
     "\n"
     "では、[{next}] ボタンを押して始めましょう。"},
    {"welcome.back",
     "     Welcome back to the VX-{series} Tutorial !\n"
     "\n"
     "Let's start where you left off last time last time.\n"
     "\n"
     "This tutorial is a step-by-step guidance for beginners towards understanding the functions of the VX-{series}.\n"
     "Read the instructions here, go to the Main form to try them, and return to this screen after each step.\n"
     "Remember, after each step, click the {next} to move ahead.\n"
     "Remember, you can always go back to a previous step by clicking [{back}] button.\n"
     "Click a Subject button to jump to that subject.\n"
     "Note that a Subject button will turn red while you are studying that specific subject.  It will turn back into "
     "green when you complete the subject.",
     "   ★再びようこそ「VX-{series}チュートリアル」へ！\n"
     "\n"
     "前回の続きから始めましょう。\n"
     "\n"
     "ここで説明を読み、メインフォームへ行って試し、ステップごとにこの画面へ戻ってきてください。\n"
     "ステップが終わるごとに、[{next}] ボタンで先へ進んでください。\n"
     "[{back}] ボタンで、いつでも前のステップに戻れます。\n"
     "[{menu}] のボタンで、学習したい項目へ飛ぶこともできます。\n"
     "学習中の項目のボタンは赤くなり、その項目を修了すると緑色に変わります。"},
    {"graduation",
     "    Congratulations!\n"
     "\n"
     "You now graduated from the VX-{series} Tutorial.\n"
     "\n"
     "We hereby certify that\n"
     "You have completed the Tutorial Program, and understand the command functions for the VX-{series}.\n"
     "\n"
     "Good work !\n"
     "We have nothing more to teach you.\n"
     "We would suggest that you come back to this tutorial as a refresher from time to time.\n"
     "Thanks for learning with the Tutorial!\n"
     "\n"
     "(If you would like to reset your Achievement Progress Record, click the [Reset] button.)",
     "      ◆ご卒業おめでとう\n"
     "\n"
     "VX-{series}チュートリアルを卒業されました。\n"
     "\n"
     "ここに証明します。\n"
     "あなたはチュートリアル・プログラムを修了し、VX-{series}のコマンド機能を理解されました。\n"
     "\n"
     "よくできました！\n"
     "もうお教えすることはありません。\n"
     "ときどき復習のために、このチュートリアルに戻ってきてください。\n"
     "チュートリアルで学んでいただき、ありがとうございました！\n"
     "\n"
     "（[リセット] ボタンで、到達度のリセットができます。）"},

    // ---- step 1, hardware connection check ----
    {"s1.intro",
     "      Hardware Connection Check\n"
     "\n"
     "Connect your VX-{series} module to the I/O (RS-232C) port of your computer, and switch the power of the module "
     "on.\n"
     "\n"
     "Go to Main Form.  Select your PC I/O Port(RS232C) at INTERFACE box and click [ON] button.\n"
     "[ON] button is at lower right in Main Form.",
     "      ◆接続確認\n"
     "\n"
     "VX-{series}モジュールをパソコンのシリアルポート（I/O (RS-232C) "
     "ポート）に接続し、モジュールの電源を入れてください。\n"
     "\n"
     "メインフォームへ行き、INTERFACE の枠でパソコンのシリアルポート(RS232C)を選んで、[ON] "
     "ボタンをクリックしてください。\n"
     "[ON] ボタンはメインフォームの右下にあります。"},
    {"s1.done",
     "     Hardware Connection Check\n"
     "\n"
     "Was your connection successful?\n"
     "If not successful, read the pop-up error message and try again. \n"
     "When your connection has been established, click the {next} button to proceed.",
     "      ◆接続確認\n"
     "\n"
     "どうでしょうか、うまく接続されてますか？\n"
     "うまくいかない場合は、表示されたエラーメッセージを読んで、もう一度やってみてください。\n"
     "接続できたら、{next} ボタンをクリックして先へ進んでください。"},

    // ---- step 2, initialisation ----
    {"s2.intro",
     "      Initialization\n"
     "\n"
     "The module is initialized when its power is switched on.\n"
     "It can also be initialized at any time by sending the Initialization Command.\n"
     "Let's try Initializing right now.\n"
     "\n"
     "Go back to the Main Form and click on the [{caption:InitializeCommandButton}] button in Power Controls box.",
     "      ◆初期化\n"
     "\n"
     "モジュールは電源を入れたときに初期化されます。\n"
     "また、初期化コマンドを送れば、いつでも初期化することができます。\n"
     "さっそく初期化してみましょう。\n"
     "\n"
     "メインフォームに戻り、[表示用電源制御他]の [{caption:InitializeCommandButton}] ボタンをクリックしてください。"},
    {"s2.done",
     "      Initialization\n"
     "\n"
     "O.K.  Initialization has been completed.\n"
     "Click {next} for the next step.",
     "      ◆初期化\n"
     "\n"
     "そうですね、うまく初期化されました。\n"
     "{next} ボタンで次のステップに進みましょう。"},
    {"s2.hint",
     "      Initialization\n"
     "\n"
     "Locate the [Initialize] button in the Power Controls (Yellow Area) area.\n"
     "The Power Controls are in the right lower-middle part of Main Form.\n"
     "Found it?  Great! Let's try Initializing again.",
     "      ◆初期化\n"
     "\n"
     "[表示用電源制御他]の [{caption:InitializeCommandButton}] が見つかりませんか？\n"
     "メインフォームの右側、中段より下の黄色い部分にあります。\n"
     "さあ、もう一度やってみましょう。"},

    // ---- step 3, writing characters ----
    {"s3.intro",
     "     Writing Characters\n"
     "\n"
     "Let's write some characters on the display.\n"
     "Type the word Hello in the input-box at Text Message Entry box.\n"
     "The Text Message Entry box is at upper-left portion of the Green Area.\n"
     "Then, click [{caption:cmdBtn1:11}] button.",
     "      ◆文字を書く\n"
     "\n"
     "表示器に文字を書いてみましょう。\n"
     "緑色の部分の左上にある文字入力ボックスに、Hello と入力してください。\n"
     "それから、[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
    {"s3.done",
     "     Entering Text and Numeric Characters\n"
     "\n"
     "O.K. \n"
     "Now you should see {text:TextBox} indicated in the upper-left part of the Main Form.\n"
     "\n"
     "Click {next} to go to the next step.",
     "      ◆文字を書く\n"
     "\n"
     "そうですね、\n"
     "表示器の左上に {text:TextBox} と表示されましたね。\n"
     "\n"
     "{next} ボタンで次のステップに進みましょう。"},
    {"s3.hint",
     "     Entering Text and Numeric Characters\n"
     "\n"
     "Now, locate the [{caption:cmdBtn1:11}] button?\n"
     "It's immediately to the right of the Text Message Entry box.\n"
     "Let's try again!",
     "      ◆文字を書く\n"
     "\n"
     "[{caption:cmdBtn1:11}] ボタンが見つかりませんか？\n"
     "文字入力ボックスのすぐ右にあります。\n"
     "もう一度やってみましょう！"},

    // ---- step 4, cursor position ----
    {"s4.intro",
     "    Setting the Cursor Position\n"
     "\n"
     "The module remembers where the next character will be written: the Cursor Start position.\n"
     "By default it is 0,0 at the upper left of the display, and it can be changed by a command.\n"
     "\n"
     "Enter 1 in both Cursor X-Y input-boxes and click the [SET] button.\n"
     "Then, click [{caption:cmdBtn1:11}] button again.\n"
     "After writing, the Cursor moves to the right of the characters written.",
     "      ◆カーソル\n"
     "\n"
     "モジュールは、次に文字を書き始める位置（カーソル位置）を覚えています。\n"
     "初期状態では左上の 0,0 ですが、コマンドで変えることができます。\n"
     "\n"
     "[{caption:Label2}] の2つのボックスに、どちらも 1 を入力して、[{caption:cmdBtn1:0}] "
     "ボタンをクリックしてください。\n"
     "それから、もう一度 [{caption:cmdBtn1:11}] ボタンをクリックしてください。\n"
     "書き込んだ後、カーソルは書いた文字の右へ移動します。"},
    {"s4.cursor",
     "    Setting the Cursor Position\n"
     "\n"
     "Now,\n"
     "the Cursor should be positioned at {text:CursorXBox} dot from the left end & {text:CursorYBox} dot from the top "
     "end.\n"
     "Click [{caption:cmdBtn1:11}] button to send the Character data to the display.",
     "      ◆カーソル\n"
     "\n"
     "はい、\n"
     "カーソルは左端から {text:CursorXBox} dot、上端から {text:CursorYBox} dot の位置に設定されたはずです。\n"
     "[{caption:cmdBtn1:11}] ボタンをクリックして、文字を表示器に送ってください。"},
    {"s4.written",
     "    Setting the Cursor Position\n"
     "\n"
     "Now,\n"
     "from the position {text:CursorXBox} dot from the left end & {text:CursorYBox} dot from the top end,\n"
     "{text:TextBox} is displayed. \n"
     "If you do, click {next} for the next step.",
     "      ◆カーソル\n"
     "\n"
     "そうですね、\n"
     "左端から {text:CursorXBox} dot、上端から {text:CursorYBox} dot の位置から、\n"
     "{text:TextBox} と表示されましたね。\n"
     "確かめたら、{next} ボタンで次のステップに進みましょう。"},
    {"s4.hint",
     "    Setting the Cursor Position\n"
     "\n"
     "Locate the [{caption:cmdBtn1:0}] button?\n"
     "It's the bold-faced button immediately to the right of Cursor X-Y input-box.\n"
     "Let's try that again !",
     "      ◆カーソル\n"
     "\n"
     "[{caption:cmdBtn1:0}] ボタンが見つかりませんか？\n"
     "[{caption:Label2}] の入力ボックスのすぐ右にある太字のボタンです。\n"
     "もう一度やってみましょう！"},

    // ---- step 5, cursor control codes ----
    {"s5.intro",
     "     Setting Cursor Position - Step 2\n"
     "\n"
     "The Cursor can also be moved with these control codes:\n"
     "[Home] 0b : Will move Cursor to top left corner of the display \n"
     "[Tab] 09 : Will move Cursor to the right by 1 character\n"
     "[BS] 08 : Will Back Space the Cursor to the left by 1 character (Back Space)\n"
     "[CR] 0d : Will move Cursor to the start of the current line (Carriage Return)\n"
     "[LF] 0a : Will move Cursor to the start of the next line (Line Feed)\n"
     "\n"
     "Move the Cursor with these buttons and write Hello at various places on the display.\n"
     "You can clear the screen anytime you need to by clicking the [Clear] button.",
     "      ◆カーソル制御\n"
     "\n"
     "カーソルは、次の制御コードでも移動できます。\n"
     "[{caption:cmdBtn1:6}] 0b : カーソルを表示器の左上へ移動します\n"
     "[{caption:cmdBtn1:7}] 09 : カーソルを1文字分右へ移動します\n"
     "[{caption:cmdBtn1:8}] 08 : カーソルを1文字分左へ戻します（バックスペース）\n"
     "[{caption:cmdBtn1:9}] 0d : カーソルを今の行の先頭へ移動します（復帰）\n"
     "[{caption:cmdBtn1:10}] 0a : カーソルを次の行の先頭へ移動します（改行）\n"
     "\n"
     "これらのボタンでカーソルを動かして、いろいろな場所に Hello を書いてみてください。\n"
     "画面は [{caption:cmdBtn1:1}] ボタンで、いつでも消すことができます。\n"
     "\n"
     "5210シリーズのモジュールなら、アジアフォントで日本語を選んで [{caption:CmdAsiaFont_ON}] "
     "をクリックすると、漢字も表示できます。"},
    {"s5.done",
     "     Setting Cursor Position - Step 2\n"
     "\n"
     "Were you able to write characters wherever you wanted to? \n"
     "If you see {text:TextBox} displayed in the screen, \n"
     "Let's click the {next} button to go to the next step.",
     "      ◆カーソル制御\n"
     "\n"
     "どう、好きなところに書けました？\n"
     "画面に {text:TextBox} が表示されていたら、\n"
     "{next} ボタンで次のステップに進みましょう。"},
    {"s5.cleared",
     "     Setting Cursor Position - Step 2\n"
     "\n"
     "Remember - You can clear the display anytime by using the [[{caption:cmdBtn1:1}]] button.\n"
     "Let's try [{caption:cmdBtn1:11}] on clear screen.",
     "      ◆カーソル制御\n"
     "\n"
     "[[{caption:cmdBtn1:1}]] ボタンで消えたでしょ、画面。\n"
     "消えた画面に [{caption:cmdBtn1:11}] してみましょう。"},
};

struct Caption
{
    const char *english;
    const char *japanese;
};

const Caption TopicCaptions[] = {
    {"Check Connection", "接続確認"},
    {"Display Character", "テキスト表示"},
    {"Window Mode", "ウインドウ"},
    {"Font Magnification", "キャラクタ拡大表示"},
    {"Proportional Font", "プロポーショナル文字"},
    {"International Font", "国際文字指定"},
    {"Font Modification", "ダウンロード文字"},
    {"Writing Mode", "書込み合成モード"},
    {"Graphic Data", "ビットマップ画像表示"},
    {"User Window", "ユーザウインドウ"},
    {"Screen Actions", "スクリーンアクション"},
    {"Brightness Control", "輝度制御"},
    {"Screen Saver", "スクリーンセーバー"},
};

const QHash<QString, Caption> &ownCaptions()
{
    static const QHash<QString, Caption> captions = {
        {QStringLiteral("BackCommandButton"), {"Back", "戻る"}},
        {QStringLiteral("NextCommandButton"), {"Next", "次へ"}},
        {QStringLiteral("ResetCommandButton"), {"Reset", "リセット"}},
        {QStringLiteral("BtnAbort"), {"Abort", "中止"}},
        {QStringLiteral("Label2"), {"MENU", "メニュー"}},
        {QStringLiteral("Label1"), {"Achievement\r\nLevel", "到達度"}},
    };
    return captions;
}

QString pick(const char *english, const char *japanese, bool useJapanese)
{
    return QString::fromUtf8(useJapanese ? japanese : english);
}

} // namespace

const QList<TutorialText> &tutorialTexts()
{
    static const QList<TutorialText> texts = [] {
        QList<TutorialText> all = FirstTexts;
        all += tutorial_text_parts::windowModeTexts();
        all += tutorial_text_parts::fontStyleTexts();
        all += tutorial_text_parts::graphicsTexts();
        return all;
    }();
    return texts;
}

const TutorialText *findTutorialText(const QString &id)
{
    static const QHash<QString, const TutorialText *> index = [] {
        QHash<QString, const TutorialText *> h;
        for (const TutorialText &t : tutorialTexts())
            h.insert(QString::fromLatin1(t.id), &t);
        return h;
    }();
    return index.value(id, nullptr);
}

QString tutorialCaption(const QString &name, bool japanese, int index)
{
    if (name == QLatin1String("IndexCommandButton")) {
        if (index < 0 || index >= int(std::size(TopicCaptions)))
            return QString();
        return pick(TopicCaptions[index].english, TopicCaptions[index].japanese, japanese);
    }
    const auto it = ownCaptions().constFind(name);
    if (it == ownCaptions().constEnd())
        return QString();
    return pick(it->english, it->japanese, japanese);
}

QString tutorialToolTip(const QString &name, bool japanese)
{
    if (name == QLatin1String("ResetCommandButton"))
        return pick("Reset Achievement Record", "到達度の記録をリセット", japanese);
    return QString();
}

QString resetQuestion(bool japanese)
{
    return pick("This action will reset your Achievement Record.  Would you like to continue?",
                "この操作は、あなたの学習履歴を初期化します。 続けてよろしいですか?", japanese);
}

QString resetTitle()
{
    return QStringLiteral("All Clear");
}

QString recordSaveFailed(const FileWriteResult &result, const QString &uiLanguage)
{
    return writeFailureMessage(pick("The tutorial's achievement record could not be saved.",
                                    "チュートリアルの到達度を保存できませんでした。",
                                    uiLanguage == QLatin1String("Japanese")),
                               result, uiLanguage);
}

} // namespace kvx
