#include "tutorial/tutorial_text_parts.h"

namespace kvx::tutorial_text_parts {

// The closing lines of every screen-saver success.
#define SAVER_CLOSING_EN \
    "\n" \
    "\n" \
    "Try the other commands.\n" \
    "\n" \
    "After you check the all the functions, click the {next} button and proceed.\n"
#define SAVER_CLOSING_JA \
    "\n" \
    "\n" \
    " 他のボタンも確かめてみてね。\n" \
    "\n" \
    "\n" \
    " 全部確かめたら、{next} ボタンで次に進みましょう。\n"

// Bit images (steps 17-18), user windows (19), screen actions (20-22), brightness (23)
// and the screen saver (24).
QList<TutorialText> graphicsTexts()
{
    return {
        // ---- step 17, test pattern ----
        {"s17.intro",
         "     Displaying Bit Maps\n"
         "\n"
         "VX-{series} series modules can display any monochrome Bit Map files.\n"
         "An image may be larger than the display.  The part of it that lies outside the display is not displayed.\n"
         "\n"
         "Let's try to create a test pattern.\n"
         "\n"
         "Click [Test Pattern] tab at Graphic Data area,\n"
         "\n"
         "In the X-size and Y-size boxes,  enter a vertical and horizontal size for your test pattern, then click one "
         "pattern buttons.\n"
         "\n",
         "      ◆BMP表示\n"
         "\n"
         " VX{series}は、文字のほかに、BMPの画像も表示できます。\n"
         "横はdot単位、縦は8dot単位で大きさを指定し、画像はカーソルの位置から右下へ描かれます。\n"
         "表示器に収まらない部分は無視されます。\n"
         "\n"
         " まずは、テストパターンを出してみましょう。\n"
         " [{caption:BmpFrame}]から、[{caption:SSTab1:2}]をクリックして、\n"
         " [{caption:Label6}]と[{caption:Label7}]を入力しておいて、パターンのボタンを選んでクリックしてください。\n"
         "\n"},
        {"s17.cleared",
         "     Displaying Bit Maps\n"
         "\n"
         "It's a good idea to [{caption:cmdBtn1:1}] the display.",
         "      ◆BMP表示\n"
         "\n"
         " [{caption:cmdBtn1:1}]しておくのは良い考えですね。さっすが！"},
        {"s17.home",
         "     Displaying Bit Maps\n"
         "\n"
         "It's a good idea to move the cursor to Home position.",
         "      ◆BMP表示\n"
         "\n"
         " ホームに移動しておくのは良い考えですね。やるぅ！"},
        {"s17.done",
         "     Bit Map Image\n"
         "\n"
         "OK\n"
         "{text:BmpXSizeBox} X {times8:BmpYSizeBox} a test pattern will be shown to the right of the cursor position "
         "you selected.\n"
         "\n"
         "Note the when you display a BMP file, the cursor position does not change.\n"
         "\n"
         "Click {next} to proceed.",
         "      ◆BMP表示\n"
         "\n"
         " そうですね、\n"
         "横{text:BmpXSizeBox}dot×縦{times8:BmpYSizeBox}"
         "dotのテストパターン画像がカーソルの位置から右下に書かれました。\n"
         "\n"
         "BMPを描いた時には、文字と違って、カーソル位置は移動しません。\n"
         "\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s17.hint",
         "     Bit Map Image\n"
         "\n"
         "Can you find the test pattern buttons?\n"
         "\n"
         "It's in the Test Pattern tab at Graphic Data area.",
         "      ◆BMP表示\n"
         "\n"
         " テストパターンのボタンが見つかりませんか？\n"
         "\n"
         " 左の中段辺りにあると思いますよ。"},

        // ---- step 18, bitmap file ----
        {"s18.intro",
         "     Bit Map Image\n"
         "\n"
         "Now,\n"
         "Let's try to display a monochrome Bitmap file.\n"
         "\n"
         "First, Click File Image tab. \n"
         "\n"
         "Then,  choose BMP file  which you want to show in the middle of left, then  click the "
         "[{caption:BmpDrawButton}] buttom.\n",
         "      ◆BMPファイル表示\n"
         "\n"
         "ビットイメージ表示の応用として、WindowsのBMPファイルの画像を表示してみましょう。\n"
         "\n"
         "[{caption:SSTab1:0}]タブをクリックしてください。 \n"
         "左側中段のピンクの部分で、出したい画像ファイルのあるドライブ、ディレクトリ、ファイル名を選んでから、[{"
         "caption:BmpDrawButton}] ボタンをクリックしてください。\n"
         "\n"
         "この場合、サイズ情報は、ファイルから自動で送られます。\n"
         "\n"},
        {"s18.cleared",
         "     Bit Map Image\n"
         "\n"
         "It is a good idea to [{caption:cmdBtn1:1}].",
         "      ◆BMPファイル表示\n"
         "\n"
         " [{caption:cmdBtn1:1}]しておくのは良い考えですね。さっすが！"},
        {"s18.done",
         "     Bit Map Image\n"
         "\n"
         "OK the file you choose {entry:File1} will be shown to the right and bottom from cursor position. \n"
         "\n"
         "Click {next} to proceed.",
         "      ◆BMPファイル表示\n"
         "\n"
         " そうですね、\n"
         "あなたの選んだ {entry:File1}の画像がカーソルの位置から右下に書かれましたね。\n"
         "\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s18.hint",
         "     Displaying Bit Maps\n"
         "\n"
         "Can you find [{caption:BmpDrawButton}] button?\n"
         "\n"
         "You can find it in the right lower corner of the (Pink) Graphic File Location area.",
         "      ◆BMPファイル表示\n"
         "\n"
         " [{caption:BmpDrawButton}] ボタンが見つかりませんか？\n"
         "\n"
         " 左の中段ピンクの部分の右下にあるでしょ。"},

        // ---- step 19, user windows ----
        {"s19.intro",
         "      User Window \n"
         "\n"
         "Up to now, you've learned how to write character and BMP data, but these actions have only been in the Base "
         "Window area. \n"
         "The VX-{series} can perform these same actions (except displaying bit-maps) not only in the base window, but "
         "in the 4 user-definable windows as well.\n"
         "\n"
         "In the User Window Sizing area, you can define the sizes for each window by entering the corner locations, "
         "and then checking the [{caption:Label14}] button next to each window.\n",
         "      ◆ユーザーウィンドウ\n"
         "\n"
         "これまでは、文字やBMPのデータを、ベースウインドウに書いてきました。\n"
         "VX{series}"
         "は、ベースウインドウのほかに最大4つのユーザウインドウを定義でき、その中でも同じ操作ができます（BMP表示を除く"
         "）。\n"
         "\n"
         "USER WINDOW DEFINE のところで、左、上、幅、高さを入力し、{caption:Label14}をチェックしてください。\n"},
        {"s19.cleared",
         "      User Window \n"
         "\n"
         "Note that there is an Enable check box for each window number (and each is color-coded).",
         "      ◆ユーザーウィンドウ\n"
         "\n"
         " 勿論、[{caption:cmdBtn1:1}]もウィンドウ内だけですね。"},
        {"s19.defined",
         "      User Windows \n"
         "\n"
         "That's right.\n"
         "User {byte:5:10} will be enabled.\n"
         "\n"
         "But the function of User {byte:5:10} is still incomplete.\n"
         "You must choose User {byte:5:10} from User Window Selection located on the upper left corner (Salmon colored "
         "area) of the main dialog box.\n",
         "      ◆ユーザーウィンドウ\n"
         "\n"
         " それでＯＫです。\n"
         "ユーザ{byte:5:10}が定義、登録されましたね。\n"
         "\n"
         "しかしこれだけでは、未だ ユーザ{byte:5:10}は機能していません。\n"
         "さらに、画面左上の WINDOW SELECTで、ユーザ{byte:5:10}を選択してください。\n"},
        {"s19.cancelled",
         "      User Window \n"
         "\n"
         "Good Job!\n"
         "The your User Window definition {byte:5:10} is now cancelled.\n"
         "\n"
         "Note:  When you disable any window, the User Window {byte:5:10} automatically defaults back to the Base "
         "Window.\n"
         "\n"
         "Click {next} to proceed.",
         "      ◆ユーザーウィンドウ\n"
         "\n"
         " はい、\n"
         "User{byte:5:10}の定義登録がキャンセルされました。\n"
         "\n"
         "このとき、User{byte:5:10}"
         "がカレントウィンドウに選択されていた場合は、自動的にカレントがベースウインドウに移りましたね。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s19.base",
         "      User Window \n"
         "\n"
         "Great!!\n"
         "You've defined the Base Window to be the current window.\n"
         "You disabled User window; right?\n"
         "Or did you choose the Base Window on purpose?\n"
         "\n"
         "All entries will be displayed in this Base Window.\n",
         "      ◆ユーザーウィンドウ\n"
         "\n"
         " おや、\n"
         "ベースウインドウが、カレントウィンドウに設定されました。\n"
         "未定義のユーザウインドウを選択しちゃったのかな？\n"
         "わざと、ユーザウインドウを選択したの？\n"
         "\n"
         "これ以降、書き込みなどの処理は、この ベースウインドウに対して行われます。\n"},
        {"s19.selected",
         "      User Window \n"
         "\n"
         "Exactly!\n"
         "User {byte:5:10} come to be the current window.\n"
         "\n"
         "From this point, this guide will be specific to the User Window {byte:5:10}\n"
         "so try to write some information to your user window by yourself by using the commands which you learned.\n",
         "      ◆ユーザーウィンドウ\n"
         "\n"
         " ばっちりです。\n"
         "User{byte:5:10}がカレントウィンドウに設定されましたね。\n"
         "\n"
         "これ以降、書き込みなどの処理は、この User{byte:5:10}に対して行われます。\n"
         "これまでに学んだコマンドを使っていろいろ試してみてください。\n"},
        {"s19.hint",
         "      User Windows \n"
         "\n"
         "Yes,  try to think.\n"
         "\n"
         "Is User Window function still working?\n"
         "\n"
         "Re-click the User Window Definition settings and then Disable the definition.",
         "      ◆ユーザーウィンドウ\n"
         "\n"
         " そうそう、いろいろやってみてください。\n"
         "\n"
         " [{caption:WindowDefineFrame}]はうまく機能していますか？\n"
         "\n"
         " [{caption:UserWindowFrame}]の[{caption:Label14}]のチェックを外し、定義登録がキャンセルして下さい。"},

        // ---- step 20, wait action ----
        {"s20.intro",
         "      Action...Delay\n"
         "\n"
         "Please click [Screen Action] tab at middle of right half.\n"
         "\n"
         "The VX-5200/2100 has three Action Commands.\n"
         "This is the Wait Action, which means Stop with NO ACTION.\n"
         "When you send a Wait command, the VX-{series} sends a BUSY command to the host..\n"
         "\n"
         "Use the slider and set the Wait time to any value you like (in multiples of 0.5sec), then Click the [Start] "
         "button.\n",
         "      ◆アクション...{caption:WaitFrame}\n"
         "\n"
         "VX{series}は、アクションコマンドというのを持っています。\n"
         "その内、この{caption:WaitFrame}"
         "アクションは、アクションと言いながら、何もしないで停まっているという風変わりなアクションです。\n"
         "{caption:WaitFrame}アクション中は通信ビジーになります。\n"
         "他のアクションと利用する中では、静止アクションのように機能します。\n"
         "\n"
         "スライダにウェイト時間（0.5秒の何倍か）を設定し、[{caption:WaitCommandButton}]"
         "ボタンをクリックして下さい。\n"},
        {"s20.done",
         "      Action...WAIT\n"
         "\n"
         "The VX-{series} is [[Waiting]].\n"
         "Sending data while the module is Busy will cause an error.\n"
         "You can try a [[{caption:cmdBtn1:1}]] or other command to try and send data.\n"
         "\n"
         "We suggest that the Busy pin be monitored if the display will be refreshed at a high rate.\n",
         "      ◆アクション...WAIT\n"
         "\n"
         " はい、{series}は現在ウェイト中です。\n"
         "通信ビジー中で、送信するとエラーが出ます。\n"
         "[[{caption:cmdBtn1:1}]]ボタンか何かクリックして送信を試みてください。\n"
         "\n"
         "このビジーを見て解除されるのを待つようにすれば、その間は静止表示となるわけです。\n"},
        {"s20.hint",
         "      Action...WAIT\n"
         "\n"
         "When the BUSY signal goes away.\n"
         "\n"
         "The Wait time is over\n"
         "\n"
         "Or, you did not start the Wait command?\n"
         "\n"
         "Regardless, click {next} button and proceed.",
         "      ◆アクション...WAIT\n"
         "\n"
         " 通信ビジーは解除されました。\n"
         "\n"
         " 既に設定されたウェイト時間が経ったからですね。\n"
         "\n"
         " それとも、未だ[{caption:WaitCommandButton}]されてないのかな？？\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},

        // ---- step 21, scroll action ----
        {"s21.intro",
         "      Action....SCROLL\n"
         "\n"
         "Next, let's try Scrolling.\n"
         "This is a simple command that Scrolls the entire display. \n"
         "Remember that the vertical display area is organized in data line of 8 dots each called bytes.\n"
         "This scrolls an image again and again from right to left.\n"
         "\n"
         "Enter (1) the number of bytes to shift at a time, (2) the number of shifts and (3) the cycle time in the "
         "three boxes.  Then, Click the [Start] button.\n",
         "      ◆アクション...スクロール表示アクション\n"
         "\n"
         "次にスクロールアクションを使ってみましょう。\n"
         "これは簡単、画面全体をスクロールさせるコマンドです。\n"
         "画面は8dot毎のデータ列で構成されており、\n"
         "このデータを繰返しずらすとスクロールします。\n"
         "\n"
         "一回にずらすデータ数、ずらしを繰返す回数、繰返す周期を入力しておき、[{caption:ScrollCommandButton}]"
         "をクリックして下さい。\n"},
        {"s21.done",
         "      Action....SCROLL\n"
         "\n"
         "The image should be scrolling.\n"
         "\n"
         "Remember that if you send data while the display is BUSY, you'll get an error.\n"
         "\n"
         "When the Scroll ends, click {next} to proceed.\n",
         "      ◆アクション...スクロール表示アクション\n"
         "\n"
         " はい、VX{series}は現在スクロール中です。\n"
         "\n"
         "通信ビジー中で、送信するとエラーが出ます。\n"
         "\n"
         " では、スクロールが終わり次第、{next} ボタンで次に進みましょう。\n"},
        {"s21.hint",
         "      Action....SCROLL\n"
         "\n"
         "Did you start Scrolling yet?\n"
         "\n",
         "      ◆アクション...スクロール表示アクション\n"
         "\n"
         " あれっ、未だ[{caption:ScrollCommandButton}]されてないのかな？？\n"
         "\n"},

        // ---- step 22, blink action ----
        {"s22.intro",
         "      Action...BLINK\n"
         "\n"
         "Let's use the Blinking Action.\n"
         "This is also simple, just the command to blink all the display area.\n"
         "\n"
         "Choose the blinking type, input the blinking time length, original showing time length and how many times "
         "you need to blink, then click [START] button.\n"
         "(Time length will be set up by multiple of 14msec.)\n",
         "      ◆アクション...ブリンク表示アクション\n"
         "\n"
         "次にブリンクアクションを使ってみましょう。\n"
         "これも簡単、画面全体をブリンクさせるコマンドです。\n"
         "\n"
         "ブリンクの種類を選択し、ブリンク表示の時間と、元の表示の時間、それとブリンク回数を入力しておき、[{caption:"
         "BlinkCommandButton}]ボタンをクリックして下さい。\n"
         "（時間は、14msecの何倍かで指定します。）\n"},
        {"s22.done",
         "      Action...BLINK\n"
         "\n"
         "Your image should be blinking.\n"
         "\n"
         "Remember that if you send data while the display is BUSY, you'll get an error.\n"
         "\n"
         "When your blinking is finished, click {next} button and proceed.\n",
         "      ◆アクション...ブリンク表示アクション\n"
         "\n"
         " はい、VX{series}は現在ブリンク中です。\n"
         "\n"
         "通信ビジー中で、送信するとエラーが出ます。\n"
         "\n"
         " では、ブリンクが終わり次第、{next} ボタンで次に進みましょう。\n"},
        {"s22.hint",
         "      Action...BLINK\n"
         "\n"
         "Did the display start Blinking yet?\n"
         "\n",
         "      ◆アクション...ブリンク表示アクション\n"
         "\n"
         " あれっ、未だ{caption:BlinkCommandButton}されてないのかな？？\n"
         "\n"},

        // ---- step 23, brightness ----
        {"s23.intro",
         "      Brightness Control\n"
         "\n"
         "Let's change the brightness of the display.\n"
         "You can change the brightness in up to 8 levels.\n"
         "\n"
         "Locate the Brightness slider in the Power Controls (Yellow area) and move the slider to a brightness level "
         "you want.\n"
         "The slider handle is a little samll, so be careful.\n",
         "      ◆輝度\n"
         "\n"
         "表示器の輝度(明るさ)を変えてみましょう。\n"
         "輝度は8段階に変わります。\n"
         "\n"
         "[{caption:ControlFrame}]の[{caption:Label1}]スライダーの値を動かしてみて下さい。\n"
         "マウスボタンを離すとき、つまみから外れないように注意してください。\n"},
        {"s23.done",
         "      Brightness Control\n"
         "\n"
         "Now, You can change the brightness of VX-{series}.\n"
         "\n"
         "Let's go to the next stage.\n",
         "      ◆輝度\n"
         "\n"
         " はい、VX{series}の輝度が変わりましたね。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。\n"},
        {"s23.hint",
         "      Brightness Control\n"
         "\n"
         "Can you find the [{caption:Label1}] Slider bar?\n"
         "\n",
         "      ◆輝度\n"
         "\n"
         " ん、[{caption:Label1}]スライダが見つかりませんか？\n"
         "\n"},

        // ---- step 24, screen saver ----
        {"s24.intro",
         "       Screen Saver\n"
         "\n"
         "The VX-{series} has a built-in screen saver command.\n"
         "There are 4 levels of this command.\n"
         " 1 - All dots on\n"
         " 2 - All dots off\n"
         " 3 - Repeat blink display with normal and Reverse display\n"
         " 4 - Power off \n"
         "Why don't you try the screen saver mode using the buttons located in the Power Controls (Yellow) area.\n",
         "      ◆スクリーンセーバー\n"
         "\n"
         "VX{series}は、画面保護用コマンドを持っています。\n"
         "コマンド一つで、全点灯、全消灯、反転点滅、表示電源OFFができます。\n"
         "\n"
         "[{caption:ControlFrame}]の[{caption:ScreenSaverFrame}]"
         "のところで、それぞれのボタンをクリックして試してみてください。\n"},
        {"s24.powerOff",
         "       Screen Saver\n"
         "\n"
         "Power off mode\n"
         "Filament wire which is located in side of the tube will be change to white after cooling.\n"
         "\n"
         "Try the other commands also.\n"
         "\n"
         "After you check the all the functions, click the {next} button and proceed.\n",
         "      ◆スクリーンセーバー\n"
         "\n"
         " 表示電源がOffになりました。\n"
         " フィラメントという横に張った細い線も白く冷えてるはずです。" SAVER_CLOSING_JA},
        {"s24.powerOn",
         "       Screen Saver\n"
         "\n"
         "All power on  - Normal display.\n"
         "Filament will be change to red (may not be visible to naked eye) after it warms up." SAVER_CLOSING_EN,
         "      ◆スクリーンセーバー\n"
         "\n"
         " 表示電源がONになり、通常の表示がされました。\n"
         " フィラメントという横に張った細い線が、やや赤くなっているはずです。" SAVER_CLOSING_JA},
        {"s24.allOn",
         "       Screen Saver\n"
         "\n"
         "Pretty Bright ? this is All Dots on!" SAVER_CLOSING_EN,
         "      ◆スクリーンセーバー\n"
         "\n"
         " うっ、眩しい、全点灯になりました。" SAVER_CLOSING_JA},
        {"s24.allOff",
         "       Screen Saver\n"
         "\n"
         "Now I'm dark ? this is all dots off." SAVER_CLOSING_EN,
         "      ◆スクリーンセーバー\n"
         "\n"
         " はいまっくら、全消灯になりました。" SAVER_CLOSING_JA},
        {"s24.alternate",
         "       Screen Saver\n"
         "\n"
         "Now, the display will blink again and again with normal one and Reverse display with 4 sec "
         "cycle." SAVER_CLOSING_EN,
         "      ◆スクリーンセーバー\n"
         "\n"
         " はい、４秒周期で、反転表示と元の表示が交互に替わります。" SAVER_CLOSING_JA},
        {"s24.hint",
         "       Screen Saver\n"
         "\n"
         "Don't look away!!\n"
         "\n",
         "      ◆スクリーンセーバー\n"
         "\n"
         " ん、よそ見せずに！\n"
         "\n"},
    };
}

#undef SAVER_CLOSING_EN
#undef SAVER_CLOSING_JA

} // namespace kvx::tutorial_text_parts
