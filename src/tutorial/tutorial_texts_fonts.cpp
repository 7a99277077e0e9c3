#include "tutorial/tutorial_text_parts.h"

namespace kvx::tutorial_text_parts {

// Character styles: proportional spacing (step 12), international fonts and character
// sets (steps 13-14), downloaded characters (step 15) and drawing modes (step 16).
QList<TutorialText> fontStyleTexts()
{
    return {
        // ---- step 12, proportional font ----
        {"s12.intro",
         "      Proportional Font\n"
         "\n"
         "Until now, your messages were displayed with the standard 5 by 7 dot font, every character taking the same "
         "fixed width.\n"
         "The VX-{series} can display proportional fonts as well, adjusting the space between letters to the width of "
         "each character.\n"
         "\n"
         "To try this, select Proportional 2 from the Fixed or Proportional List in the User Font Style area. ",
         "      ◆プロポーショナル表示\n"
         "\n"
         "これまでの文字は、標準の5X7dotフォントで、どの文字も同じ幅で表示されていました。\n"
         "VX5200は、文字ごとの幅に合わせて文字の間隔を詰める、プロポーショナル表示もできます。\n"
         "\n"
         "[{caption:DeviceContextFrame}] の [{caption:Label10}] のリストで、Proportional 2 を選んでください。"},
        {"s12.two",
         "      Proportional Font\n"
         "\n"
         "Very good,\n"
         "Notice that the characters you enter now {entry:GapList} will be displayed.\n"
         "You have changed the amount of horizontal space required by each character.\n"
         "\n"
         "Enter Hello 5200, \n"
         "and then, click [{caption:cmdBtn1:11}].",
         "      ◆プロポーショナル表示\n"
         "\n"
         " はい、ＯＫです。\n"
         "これから書く文字は、{entry:GapList} で表示されます。\n"
         "文字ごとの横の間隔が変わりました。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s12.gap",
         "      Proportional Font\n"
         "\n"
         "Good Job.\n"
         "The characters the you write now {entry:GapList} will be displayed.\n"
         "You have changed the amount of horizontal space required by each character.\n"
         "\n"
         "Write Hello5200,\n"
         "then, click [{caption:cmdBtn1:11}].",
         "      ◆プロポーショナル表示\n"
         "\n"
         " はい、替わりました。\n"
         "これから書く文字は、{entry:GapList} で表示されます。\n"
         "文字ごとの横の間隔が変わりました。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s12.cr",
         "      Proportional Font\n"
         "\n"
         "[{caption:cmdBtn1:9}] is Carriage Return, and pressing this should bring you back to the beginning of a "
         "line.",
         "      ◆プロポーショナル表示\n"
         "\n"
         " [{caption:cmdBtn1:9}]で、行頭へ戻ったはずですね。"},
        {"s12.lf",
         "      Proportional Font\n"
         "\n"
         "[{caption:cmdBtn1:10}] is a Line Feed and should have shifted you down to the next line. ",
         "      ◆プロポーショナル表示\n"
         "\n"
         " [{caption:cmdBtn1:10}]で、次行へ降りたはずですね。"},
        {"s12.cleared",
         "      Proportional Font\n"
         "\n"
         "A good idea ? let's [{caption:cmdBtn1:1}] the display!",
         "      ◆プロポーショナル表示\n"
         "\n"
         " [{caption:cmdBtn1:1}]しておくのは良い考えですね。さっすが！"},
        {"s12.written",
         "      Proportional Font\n"
         "\n"
         "Yes,\n"
         "A different font width {text:TextBox} is displayed.\n"
         "It may easier to understand this step if you place both lines side by side and using CR and LF to back to "
         "the beginning of a line.\n"
         "\n"
         "Use the original fixed character (width = 2) \n"
         "\n"
         "Now, click {next} and let's go the next. ",
         "      ◆プロポーショナル表示\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} が違う文字幅で表示されました。\n"
         "CR と LF で行の先頭に戻って、2行を並べて書くと、違いがよくわかります。\n"
         "\n"
         "[Fixed Width 2] で、文字間隔 2dot の固定幅に戻ります。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s12.hint",
         "      Proportional Font\n"
         "\n"
         "Can't find the Fixed or Proportional List?\n"
         "\n"
         "Look in the User Font Style in the lower left corner of the Green Area.\n"
         "\n"
         "Its there - we promise!",
         "      ◆プロポーショナル表示\n"
         "\n"
         " [{caption:Label10}] リストが見つかりませんか？\n"
         "緑色の部分の左下、[{caption:DeviceContextFrame}] の中にあります。\n"
         "\n"
         "必ずありますよ！"},

        // ---- step 13, international font ----
        {"s13.intro",
         "      International Font\n"
         "\n"
         "The VX-{series} has 14 variations on a standard 5 by 7 English font that are selectable from a library of 14 "
         "International fonts.\n"
         "\n"
         "To see the variations more clearly, select [France] from Fixed or Proportional List in User Font Style.\n"
         "Then, type ] (Character code 5d), \n"
         "click [{caption:cmdBtn1:11}].",
         "      ◆国際フォント\n"
         "\n"
         " VX{series}は、国によって異なる12文字を、14か国の中から選んで表示できます。\n"
         "\n"
         "[{caption:DeviceContextFrame}] の [{caption:Label8}] のリストで、France を選んでください。\n"
         "それから ] (文字コード 5d) を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s13.france",
         "      International Font\n"
         "\n"
         "Very Good.\n"
         "Since you did, characters you write from now {entry:InterNationalFontList} will be displayed.\n"
         "\n"
         "Type ] in the text box,\n"
         "then, click [{caption:cmdBtn1:11}].",
         "      ◆国際フォント\n"
         "\n"
         " はい、ＯＫです。\n"
         "これから書く文字は、{entry:InterNationalFontList} の文字で表示されます。\n"
         "\n"
         "文字入力ボックスに ] を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s13.other",
         "      International Font\n"
         "\n"
         "Let's try to use some other languages!\n"
         "From now, {entry:InterNationalFontList} will be displayed.\n"
         "\n"
         "Type ] in the text box,\n"
         "then, click [{caption:cmdBtn1:11}].",
         "      ◆国際フォント\n"
         "\n"
         " はい、いろんな国のものに替えて試してみてね。\n"
         "これからは、{entry:InterNationalFontList} の文字で表示されます。\n"
         "\n"
         "文字入力ボックスに ] を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s13.written",
         "      International Font\n"
         "\n"
         "Yes,\n"
         "In America, the character code 5d is {text:TextBox} but, \n"
         "and generates an entirely character than it would from other countries.\n"
         "\n"
         "Let's go to the next using {next} button.",
         "      ◆国際フォント\n"
         "\n"
         " そうですね、\n"
         "アメリカでは文字コード 5d は {text:TextBox} ですが、\n"
         "ほかの国では、まったく違う文字が表示されます。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s13.hint",
         "      International Font\n"
         "\n"
         "Locate the International Font pull-down\n"
         "\n"
         "Look in the User Font Style area in the lower left portion of the dialog box\n"
         "\n"
         "Be patient - its there.",
         "      ◆国際フォント\n"
         "\n"
         " [{caption:Label8}] リストが見つかりませんか？\n"
         "\n"
         "左下の [{caption:DeviceContextFrame}] の中にあります。\n"
         "\n"
         "あせらずに探してください。"},

        // ---- step 14, character set ----
        {"s14.intro",
         "      Character Set\n"
         "\n"
         "The VX-{series} has more than 10 built-in International Font Sets.\n"
         "The display language can be changed to another character set, and character codes from 80h to FFh may be "
         "user-modified.\n"
         "These are in the list of Character (80-FF) Font in the User Font Style area. \n"
         "\n"
         "To try this, select Katakana-Japanese from the Char(8-FF) pull-down.\n"
         "then, type [katakana] in the text box,\n"
         "then, click [{caption:cmdBtn1:11}].",
         "      ◆文字セット\n"
         "\n"
         " VX{series}は、10種類以上の文字セットを内蔵しています。\n"
         "[{caption:Label8}] とは別に、文字コード 80h～FFh の文字セットを切り替えることができます。\n"
         "\n"
         "[{caption:DeviceContextFrame}] の [{caption:Label9}] のリストで、Katakana-Japanese を選んでください。\n"
         "それから文字入力ボックスにカタカナを入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s14.katakana",
         "      Character Set\n"
         "\n"
         "OK.\n"
         "You've changed the User Font and all character of 80-FF will be displayed as Katakana.\n"
         "\n"
         "\n"
         "First, enter [katakana],\n"
         "then, click [{caption:cmdBtn1:11}].",
         "      ◆文字セット\n"
         "\n"
         " はい、結構です。\n"
         "文字セットが替わり、80～FF の文字はすべてカタカナで表示されます。\n"
         "\n"
         "まず、カタカナを入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s14.other",
         "      Character Set\n"
         "\n"
         "Now, let's try to use another character set.\n"
         "Since you changed it, {entry:CharacterCodeList} will be displayed.\n"
         "\n"
         "First, enter [katakana],\n"
         "then, click [{caption:cmdBtn1:11}].",
         "      ◆文字セット\n"
         "\n"
         " はい、いろんな国の文字セットに替えて試してみてね。\n"
         "これからは、{entry:CharacterCodeList} の文字で表示されます。\n"
         "\n"
         "まず、カタカナを入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s14.written",
         "      Character Set\n"
         "\n"
         "You did it!\n"
         "In case of the default, PC437(USA Euro std), \n"
         "if you enter [katakana], those characters are displayed as broken character.\n"
         "If you select Katakana-Japanese,\n"
         "[katakana] is displayed as [katakana] without broken character.\n"
         "\n"
         " Now, click {next} button and let's go to the next. ",
         "      ◆文字セット\n"
         "\n"
         " そうですね、\n"
         "デフォルトの PC437(USA Euro std) では、カタカナは化けた文字で表示されます。\n"
         "Katakana-Japanese を選ぶと、カタカナは化けずにカタカナで表示されます。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s14.hint",
         "      Character Set\n"
         "\n"
         "Locate the [{caption:Label9}] pull-down in the User Font Style area.\n"
         "\n"
         "\n"
         "\n"
         "Were you sleeping?",
         "      ◆文字セット\n"
         "\n"
         " [{caption:Label9}]のリストが見つかりませんか？\n"
         "左下の [{caption:DeviceContextFrame}] の中にあります。\n"
         "\n"
         "居眠りしていませんでしたか？"},

        // ---- step 15, font modification ----
        {"s15.intro",
         "        ASCII Font Modification\n"
         "\n"
         "The VX-{series} software allows characters to be modified and exchanged (max 30 characters).\n"
         "\n"
         "In the ASCII Font Modification area, first clear the current pattern with the [[{caption:cmdBtn1:1}]] "
         "button.\n"
         "Then, fill in the matrix with the pattern you want.\n"
         "Enter the character code in the box.  For example, enter code 30H(character [0]).\n"
         "Then, click the [{caption:FontDefineCommandButton}] button.\n"
         "The modified character pattern will be sent to the Module's memory.",
         "      ◆ダウンロード文字\n"
         "\n"
         " VX{series}は、文字コード 20～FF の文字のパターンを書き換えることができます（最大30文字）。\n"
         "\n"
         "[{caption:DlFontDefineFrame}] で、まず [[{caption:cmdBtn1:1}]] ボタンで今のパターンを消し、\n"
         "マス目をクリックして、好きなパターンを描いてください。\n"
         "[{caption:Label33}] に文字コードを入力します。例えば 30H（文字 [0]）と入力します。\n"
         "それから [{caption:FontDefineCommandButton}] ボタンをクリックしてください。\n"
         "描いたパターンが、モジュールのメモリに送られます。"},
        {"s15.defined",
         "        Font Modification\n"
         "\n"
         "OK - Memory assignment was completed.\n"
         "Now, the character code in the Module {text:FontCodeTextBox} The character pattern which you defined was "
         "stored as a [Modified] character.\n"
         "Note:  When the module is turned off, modified characters will be lost.\n"
         "\n"
         "To prevent this, you'll have to change the mode.  To do this, click [Modified ASCII Font] in the User Font "
         "Style.",
         "      ◆ダウンロード文字\n"
         "\n"
         " はい、結構、登録完了です。\n"
         "モジュールの文字コード {text:FontCodeTextBox} に、描いたパターンが外字として登録されました。\n"
         "注意：モジュールの電源を切ると、登録したパターンは消えてしまいます。\n"
         "\n"
         "外字を表示するには、[{caption:DeviceContextFrame}] の [{caption:DownloadFontCheck}] "
         "をチェックしてください。"},
        {"s15.enabled",
         "        Font Modification\n"
         "\n"
         "Great. You've, assigned the character to memory.\n"
         "From now, when you enter the code of the character code you just defined, the character you edited will be "
         "displayed.\n"
         "\n"
         "To try this, enter the code which you just defined in the text box.\n"
         "Then click [{caption:cmdBtn1:11}] button.",
         "      ◆ダウンロード文字\n"
         "\n"
         " はい、そうですね。外字表示のモードになりました。\n"
         "これからは、登録した文字コードを書くと、描いたパターンが表示されます。\n"
         "\n"
         "文字入力ボックスに登録した文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s15.disabled",
         "        Font Modification\n"
         "\n"
         "If you don't use the Font Modification mode.\n"
         "When you input the code of the character which you defined, the original character display will be "
         "displayed, not the modified character.\n"
         "\n"
         "To demonstrate this, enter the character code you defined in the text box.\n"
         "Then click the [{caption:cmdBtn1:11}] bottom.",
         "      ◆ダウンロード文字\n"
         "\n"
         " はい、外字非表示のモードになりました。\n"
         "登録した文字コードを書いても、描いたパターンではなく元の文字が表示されます。\n"
         "\n"
         "文字入力ボックスに登録した文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてください。"},
        {"s15.deleted",
         "        Font Modification\n"
         "\n"
         "OK - the modified character has been erased.\n"
         "Character code {text:FontCodeTextBox} character pattern has been erased.\n"
         "From now on, If you enter a 0 in the Font Modification mode, the original character will be displayed. \n"
         "\n"
         "Try and think. \n"
         "By the way, If you use 6x8 font, you can show series of pattern.\n"
         "\n"
         "Click {next} to proceed.",
         "      ◆ダウンロード文字\n"
         "\n"
         " ＯＫ、外字パターンの登録が削除されました。\n"
         "文字コード {text:FontCodeTextBox} のパターンが削除されました。\n"
         "これからは、外字表示のモードでも 0 を書くと元の文字が表示されます。\n"
         "\n"
         "いろいろ考えて試してみてください。\n"
         "ちなみに、7X8 のフォントを使うと、パターンをつなげて表示できます。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s15.written",
         "        Font Modification\n"
         "\n"
         "OK.\n"
         "In the Font Modification mode, your defined character was displayed instead of original character 0.\n"
         "In the NOT mode of Font Modification, the original character 0 was displayed. \n"
         "\n"
         "You can choose Font Modification or not.\n"
         "If you push the [Delete] button, character 0 will be displayed at both mode.\n"
         "\n"
         "Click {next} to proceed.",
         "      ◆ダウンロード文字\n"
         "\n"
         " そうですね、\n"
         "外字表示のモードでは、元の文字 0 の代わりに、登録したパターンが表示されました。\n"
         "外字非表示のモードでは、元の文字 0 が表示されました。\n"
         "\n"
         "外字を表示するかどうかは、選ぶことができます。\n"
         "[{caption:FontDeleteCommandButton}] ボタンを押すと、どちらのモードでも元の文字 0 が表示されます。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s15.hint",
         "        Font Modification\n"
         "\n"
         "Can you find the button labeled?\n"
         "\n"
         "Careful now.",
         "      ◆ダウンロード文字\n"
         "\n"
         " ボタンが見つかりませんか？\n"
         "\n"
         "[{caption:DlFontDefineFrame}] の中を、よく見てください。"},

        // ---- step 16, drawing mode ----
        {"s16.intro",
         "     Drawing display mode\n"
         "\n"
         "You can specify 5 different Drawing modes.\n"
         "Character or graphic images can be mixed with a current display image.\n"
         "\n"
         "OVER:  Normal display write. (Not mixture display)\n"
         "OR:  OR display write\n"
         "AND:  AND display write\n"
         "EX-OR:  Exclusive-OR display write\n"
         "REVERSE:  Reverses the display (On to Off / Off to On)\n"
         "\n"
         "Take a minute to try this.",
         "      ◆書込モード\n"
         "\n"
         "書き込む文字や画像を、今の表示と合成するモードを選べます。\n"
         "\n"
         "OVER:  普通の書込み（合成しません）\n"
         "OR:  今の表示との OR で書込み\n"
         "AND:  今の表示との AND で書込み\n"
         "EX-OR:  今の表示との排他的 OR で書込み\n"
         "[REVERSE]:  点灯と消灯を反転して書込み\n"
         "\n"
         "モードを選んで、[{caption:cmdBtn1:11}] ボタンで書いてみてください。"},
        {"s16.over",
         "        Drawing Mode\n"
         "\n"
         "To try each of these, first select the OVER write mode as the default.\n"
         "Notice that every new character is displayed along with the original display.\n"
         "\n"
         "Try and input some characters in the text box \n"
         "and then click the [{caption:cmdBtn1:11}] button.",
         "      ◆書込モード\n"
         "\n"
         " はい、デフォルトのOVERモードになりました。\n"
         "新しい文字は、今の表示に上書きされます。\n"
         "\n"
         "文字入力ボックスに文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s16.or",
         "       Drawing Mode\n"
         "\n"
         "Next, try the OR function.\n"
         "Notice here that as each new character is displayed, the original display will be erased.\n"
         "\n"
         "Try and input some characters in the text box \n"
         "and then click the [{caption:cmdBtn1:11}] button.",
         "      ◆書込モード\n"
         "\n"
         " はい、ORモードになりました。\n"
         "新しい文字は、今の表示と重ねて（OR で）表示されます。\n"
         "\n"
         "文字入力ボックスに文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s16.and",
         "       Drawing Mode\n"
         "\n"
         "Next is the AND mode.\n"
         "In the AND mode, newly entered characters are displayed [on top] of the original characters.\n"
         "\n"
         "Try and input some characters in the text box \n"
         "and then click the [{caption:cmdBtn1:11}] button.",
         "      ◆書込モード\n"
         "\n"
         " はい、ANDモードになりました。\n"
         "新しい文字と今の表示の、両方が点灯している所だけが表示されます。\n"
         "\n"
         "文字入力ボックスに文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s16.exor",
         "        Drawing display mode\n"
         "\n"
         "Now, EX-OR write mode.\n"
         "In the EX-OR mode, new characters are displayed, and the original display will be color-reversed.\n"
         "\n"
         "Try and input some characters in the text box \n"
         "and then click the [{caption:cmdBtn1:11}] button.",
         "      ◆書込モード\n"
         "\n"
         " はい、EX-ORモードになりました。\n"
         "新しい文字の所では、今の表示が反転して表示されます。\n"
         "\n"
         "文字入力ボックスに文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s16.reverseOn",
         "       Drawing Mode\n"
         "\n"
         "In the REVERSE ON mode\n"
         "Entered characters will be displayed only along with the original characters that are on. \n"
         "\n"
         "Try and input some characters in the text box \n"
         "and then click the [{caption:cmdBtn1:11}] button.",
         "      ◆書込モード\n"
         "\n"
         " はい、{caption:ReverseCommandButton} ONになりました。\n"
         "これから書く文字は、点灯と消灯が反転して表示されます。\n"
         "\n"
         "文字入力ボックスに文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s16.reverseOff",
         "       Drawing Mode\n"
         "\n"
         "Now let's try REVERSE OFF mode as default.\n"
         "From now, normal characters are displayed on the only original display which turned on.\n"
         "\n"
         "First,  input some character in the text box \n"
         "and then click the [{caption:cmdBtn1:11}] button",
         "      ◆書込モード\n"
         "\n"
         " はい、デフォルトの {caption:ReverseCommandButton} OFFになりました。\n"
         "これから書く文字は、普通に表示されます。\n"
         "\n"
         "文字入力ボックスに文字を入力して、\n"
         "[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s16.written",
         "     Write mixture display mode\n"
         "\n"
         "Great!\n"
         "So far so good?\n"
         "Let's try and think.\n"
         "\n"
         "\n"
         "Click {next} to proceed.",
         "      ◆書込モード\n"
         "\n"
         " そうですね、\n"
         "うまくいきましたか？\n"
         "いろいろ考えて試してみてください。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s16.hint",
         "      Drawing display mode\n"
         "\n"
         "Can you find the Drawing Mode area?\n"
         "\n"
         "Its on the bottom left side of the main dialog.",
         "      ◆書込モード\n"
         "\n"
         " [{caption:DrawModeFrame}] が見つかりませんか？\n"
         "メインフォームの左下にあります。"},
    };
}

} // namespace kvx::tutorial_text_parts
