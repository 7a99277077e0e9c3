#include "tutorial/tutorial_text_parts.h"

namespace kvx::tutorial_text_parts {

// Window modes (steps 6-10) and the magnified font (step 11). Titles keep their own
// indents and spellings per text; the user reads them as they stand.
QList<TutorialText> windowModeTexts()
{
    return {
        // ---- step 6, over-write mode ----
        {"s6.intro",
         "    Window mode....over write\n"
         "\n"
         "If you write a character to the edge of the display,\n"
         "Can you guess what happens?\n"
         "\n"
         "To find out, type Hello5200 in the Text Message Entry box and then\n"
         "click the [{caption:cmdBtn1:11}] button as many times as needed to fill the screen with characters.\n",
         "      ◆ウィンドウモード...オーバーライト\n"
         "\n"
         "表示器の端まで文字を書いたら、その後どうなるでしょう？\n"
         "\n"
         "確かめるために、文字入力ボックスに Hello5200 と書いて、\n"
         "画面が文字でいっぱいになるまで [{caption:cmdBtn1:11}] ボタンを何度もクリックしてください。\n"},
        {"s6.written",
         "    Window mode....over write\n"
         "\n"
         "Correct, can you show the \n"
         "{text:TextBox} from the top left to right bottom?\n"
         "You should be able to see the rest of the characters on the left-top side of the display.\n"
         "\n"
         "\n"
         "Let's click {next} and proceed. ",
         "      ◆ウィンドウモード...オーバーライト\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} は右下まで届きましたか？\n"
         "残りの文字は、表示器の左上に表示されましたね。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s6.hint",
         "    Window mode....over write\n"
         "\n"
         "Locate the [{caption:cmdBtn1:11}]button?\n"
         "\n"
         "It's located right next to the text box where you typed your last message.\n"
         "\n"
         "Create a short message and then press [{caption:cmdBtn1:11}].",
         "      ◆ウィンドウモード...オーバーライト\n"
         "\n"
         " [{caption:cmdBtn1:11}]ボタンが見つかりませんか？\n"
         "文字を入力したボックスのすぐ右にあります。\n"
         "\n"
         "画面がいっぱいになるまで、続けて書いてみてください。"},

        // ---- step 7, vertical scroll ----
        {"s7.intro",
         "      Window Mode...Vertical Scroll\n"
         "\n"
         "Locate and click the [Vertical  Scroll] button.\n"
         "You will see Vertical Scrolling after you create a short message.\n"
         "\n",
         "      ◆ウィンドウモード...縦スクロール\n"
         "\n"
         "[{caption:WindowModeFrame}] の [{caption:WindowModeCommandButton:1}] ボタンをクリックしてください。\n"
         "文字が画面の右下までいっぱいになると、1行分上へスクロールします。\n"
         "\n"},
        {"s7.mode",
         "      Window Mode...Vetical Scroll\n"
         "\n"
         "That's Correct, \n"
         "You've changed into a Vertical Scroll mode.\n"
         "\n"
         "To continue, enter Hello 5200 in the Text Message Entry box, \n"
         "Then, click the [{caption:cmdBtn1:11}]button to send the text to the display.",
         "      ◆ウィンドウモード...縦スクロール\n"
         "\n"
         " そうですね、\n"
         "縦スクロールモードになったはずです。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、画面がいっぱいになるまで [{caption:cmdBtn1:11}] "
         "ボタンをクリックしてみてください。"},
        {"s7.written",
         "      Window Mode...Vetical Scroll\n"
         "\n"
         "Now, the text you just entered will be scrolled vertically \n"
         "{text:TextBox} to the right bottom side.\n"
         "If the scroll speed is too quick, don't worry, we'll cover that later.\n"
         "\n"
         "Let's click {next} and proceed. ",
         "      ◆ウィンドウモード...縦スクロール\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} が右下まで届いたとき、画面が縦にスクロールしましたね。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s7.hint",
         "      Window Mode...Vertical Scroll\n"
         "\n"
         "Locate the [{caption:WindowModeCommandButton:1}] button?\n"
         "\n"
         "You can find this button in the left upper side of the User Window Actions area.\n"
         "\n"
         "Try to find the button and then click it!",
         "      ◆ウィンドウモード...縦スクロール\n"
         "\n"
         " [{caption:WindowModeCommandButton:1}] ボタンが見つかりませんか？\n"
         "左上の [{caption:WindowModeFrame}] の枠の中の、真ん中のボタンです。"},

        // ---- step 8, horizontal scroll ----
        {"s8.intro",
         "     Window Mode...Horizontal Scroll\n"
         "\n"
         "Click the [{caption:WindowModeCommandButton:2}] button in the User Windows Actions area.\n"
         "The text you enter in the Text Message Entry area will be scrolled to the left.\n"
         "\n",
         "      ◆ウィンドウモード...横スクロール\n"
         "\n"
         "[{caption:WindowModeFrame}] の [{caption:WindowModeCommandButton:2}] ボタンをクリックしてください。\n"
         "文字が行の右端まで届くと、その行だけが左へスクロールします。\n"
         "\n"},
        {"s8.mode",
         "   Window Mode...Horizontal Scroll\n"
         "\n"
         "Great, \n"
         "you've learned how to change the mode to Horizontal Scroll.\n"
         "\n"
         "As practice, enter Hello 5200 in the Text Message area, then.\n"
         "Click the [{caption:cmdBtn1:11}] button.",
         "      ◆ウィンドウモード...横スクロール\n"
         "\n"
         " そうですね、\n"
         "横スクロールモードになったはずです。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、行がいっぱいになるまで [{caption:cmdBtn1:11}] "
         "ボタンをクリックしてみてください。"},
        {"s8.written",
         "   Window Mode...Horizontal Scroll\n"
         "\n"
         "Correct, if you fill out the display from left to right side with the character \n"
         "{text:TextBox} you can see the scrolling.\n"
         "\n"
         "Well, click the {next} button and proceed.\n"
         "\n",
         "      ◆ウィンドウモード...横スクロール\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} が右端まで届いたとき、その行が左へスクロールしましたね。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s8.hint",
         "   Window Mode...Horizontal Scroll\n"
         "\n"
         "Locate the [{caption:WindowModeCommandButton:2}] button?\n"
         "\n"
         "This button is in the upper right corner of the User Windows Actions [Green] area.\n"
         "\n"
         "This is not a timed practice so don't rush!",
         "      ◆ウィンドウモード...横スクロール\n"
         "\n"
         " [{caption:WindowModeCommandButton:2}] ボタンが見つかりませんか？\n"
         "左上の [{caption:WindowModeFrame}] の枠の中の、右側のボタンです。\n"
         "時間制限はありませんから、ゆっくり探してください。"},

        // ---- step 9, horizontal scroll speed ----
        {"s9.intro",
         "     Window mode...Horizontal Scroll Speed\n"
         "\n"
         "You may want to adjust the default scroll speed. \n"
         "Let's try to do this.\n"
         "\n"
         "Locate the [{caption:Label23}] slider control, and set it to 4.  This slider is in the upper right corner of "
         "the main control.\n"
         "\n",
         "      ◆ウィンドウモード...横スクロール速度\n"
         "\n"
         "今のスクロールは速すぎて、スクロールしているようには見えませんね。\n"
         "速度を遅くしてみましょう。\n"
         "\n"
         "右上の端にある [{caption:Label23}] のスライダーを 4 に合わせてください。\n"
         "\n"},
        {"s9.four",
         "     Window mode...Horizontal Scroll Speed\n"
         "\n"
         "Very Good, \n"
         "Now you can adjust the speed to whatever your needs are.\n"
         "\n"
         "\n"
         "Click the [{caption:cmdBtn1:11}] button to send the message to the display.",
         "      ◆ウィンドウモード...横スクロール速度\n"
         "\n"
         " そうですね、\n"
         "これでスクロールがゆっくりになったはずです。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、行がいっぱいになるまで [{caption:cmdBtn1:11}] "
         "ボタンをクリックしてみてください。"},
        {"s9.speed",
         "     Window mode...Horizontal Scroll\n"
         "\n"
         "By the way, it's OK to set up the {value:WindowScrollSlider}\n"
         "\n"
         "Anyway, you know how to change the scrolling speed.\n"
         "\n"
         "To practice, type Hello 5200 then, \n"
         "click the [{caption:cmdBtn1:11}] button.",
         "      ◆ウィンドウモード...横スクロール速度\n"
         "\n"
         "えっ{value:WindowScrollSlider}でも構いませんが...\n"
         "これでスクロールの速度が変わったはずです。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、行がいっぱいになるまで [{caption:cmdBtn1:11}] "
         "ボタンをクリックしてみてください。"},
        {"s9.written",
         "     Window mode...Horizontal Scroll\n"
         "\n"
         "\n"
         "{text:TextBox} to the right side of the display, then \n"
         "the line will start to scroll slowly.\n"
         "FYI, click [{caption:WindowModeCommandButton:0}] mode then change to the over-write mode (default mode).\n"
         "\n"
         "Finally, please go back to the Over Write mode.\n",
         "      ◆ウィンドウモード...横スクロール速度\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} が右端まで届くと、その行がゆっくり左へスクロールしましたね。\n"
         "ちなみに [{caption:WindowModeCommandButton:0}] で、前のオーバーライトモードに戻ります。\n"
         "\n"
         "最後に、デフォルトのオーバーライトモードに戻しておいてください。\n"},
        {"s9.over",
         "     Window mode...Horizontal Scroll\n"
         "\n"
         "Great! If you've sent text to the display. \n"
         "Then, your VX-5200/2100 should change to the default (Over-Write) mode.\n"
         "\n"
         "Click {next} and proceed.\n",
         "      ◆ウィンドウモード...横スクロール\n"
         "\n"
         " そうですね、\n"
         "デフォルトの [{caption:WindowModeCommandButton:0}] モードに戻りました。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。\n"},
        {"s9.hint",
         "     Window mode...Horizontal Scroll\n"
         "\n"
         "Locate the [{caption:WindowModeCommandButton:2}] button?\n"
         "\n"
         "This button is in the upper right corner of the User Windows Actions [Green] area.\n"
         "\n"
         "Keep cool!!",
         "      ◆ウィンドウモード...横スクロール速度\n"
         "\n"
         " [{caption:Label23}]が見つかりませんか？\n"
         "ボタンではなくスライダーです。画面の一番右上にあります。\n"
         "\n"
         "あわてずに探してください。"},

        // ---- step 10, base window write mode ----
        {"s10.intro",
         "      Base Window Mode\n"
         "\n"
         "With the VX-{series}, you can write characters that are actually outside of the display's visible  range.\n"
         "Even though you can't see them, 256 [Virtual] dots exist in the module's memory.\n"
         "\n"
         "You can choose between two display methods: writing only into the visible area, or into the hidden parts as "
         "well.  These options are located on the right top-middle area called User Window Specification. \n"
         "\n"
         "To begin, click in the the [{caption:BaseWindowWriteModeOption:1}] circle.\n"
         "Then, display some sample text with the [{caption:cmdBtn1:11}] button, and note that the character is "
         "written is the hidden parts.\n",
         "      ◆ベースウィンドウモード\n"
         "\n"
         " VX{series}は画面の右外にも文字が書けます。\n"
         "見えなくても、モジュールのメモリには全部で 256 dot 分の［仮想］の領域があります。\n"
         "\n"
         "[{caption:BaseWindowWriteModeFrame}] で、見える範囲だけに書くか、見えない部分にも書くかを選べます。\n"
         "\n"
         "まず、[{caption:BaseWindowWriteModeOption:1}] を選んでください。\n"
         "それから [{caption:cmdBtn1:11}] ボタンで書いてみて、文字が画面の端で折り返さないことを確かめてください。\n"},
        {"s10.all",
         "      Base window mode\n"
         "\n"
         "Correct!  You chose the [{caption:BaseWindowWriteModeOption:1} Option].\n"
         "Now, you can write the characters to the [hidden] portion of the display.\n"
         "\n"
         "To continue,  write Hello 5200 in the Text Message Entry box and \n"
         "Click the [{caption:cmdBtn1:11}] button.",
         "      ◆ベースウィンドウモード\n"
         "\n"
         " そうですね、{caption:BaseWindowWriteModeOption:1} オプションが選ばれました。\n"
         "これで、文字は画面の端を越えて続けて書かれます。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s10.screen",
         "      Base window mode\n"
         "\n"
         "Correct!  You chose the {caption:BaseWindowWriteModeOption:0} option.\n"
         "You should now be able to write characters just inside of the visible area.\n"
         "\n"
         "As a practice, enter Hello 5200 in the Text Message Entry and \n"
         "Click the [{caption:cmdBtn1:11}] button.",
         "      ◆ベースウィンドウモード\n"
         "\n"
         " はい、{caption:BaseWindowWriteModeOption:0} オプションが選ばれました。\n"
         "これで、文字は画面の端で折り返されます。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s10.writtenScreen",
         "      Base window mode\n"
         "\n"
         "Correct, if you write the character \n"
         "{text:TextBox} in the every window mode \n"
         "the display will work as if there is no space on the right side.\n"
         "\n"
         "Click {next} and proceed.",
         "      ◆ベースウィンドウモード\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} をどのウィンドウモードで書いても、画面の右には何もないかのように動きます。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s10.writtenAll",
         "      Base Window mode\n"
         "\n"
         "Correct, if you enter characters \n"
         "{text:TextBox} in every window mode \n"
         "\n"
         "the display will work as there are 256 (total) dots including the visible area.  \n"
         "\n"
         "\n"
         "Click {next} and proceed.",
         "      ◆ベースウィンドウモード\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} をどのウィンドウモードで書いても、見えない部分を含めた大きな画面があるかのように動きます。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s10.hint",
         "      Base window mode\n"
         "\n"
         "Can't find the BASE WINDOW Write option?\n"
         "\n"
         "Look in the top-middle portion of the main dialog box.\n"
         "\n"
         "Stay cool ? the Tutor is here!",
         "      ◆ベースウィンドウモード\n"
         "\n"
         " {caption:BaseWindowWriteModeOption:0}や{caption:BaseWindowWriteModeOption:1} "
         "オプションが見つかりませんか？\n"
         "右上のあたりにあります。\n"
         "\n"
         "ゆっくり探してください。"},

        // ---- step 11, magnified font ----
        {"s11.intro",
         "      Magnified font\n"
         "\n"
         "The VX-5200/2100 can change the appearance of text entered in the Text Message Entry to a number of "
         "different styles.\n"
         "Until now in this tutorial, you have used the standard display font in a 5 by 7 matrix. \n"
         "However, you can display a number of variations which are magnified length-wise and width-wise.\n"
         "\n"
         "Go to the User Font Style area (bottom-left corner of the Green Area) and select a size from the list in the "
         "Font Aspect pull-down selection. \n"
         "\n",
         "      ◆拡大文字\n"
         "\n"
         " VX{series}は5X7dotの文字フォントを持ってます。\n"
         "この文字を、縦横それぞれに拡大して表示することができます。\n"
         "\n"
         "左下の [{caption:DeviceContextFrame}] の [{caption:Label11}] のリストで、大きさを選んでください。\n"
         "\n"},
        {"s11.normal",
         "      Magnified font\n"
         "\n"
         "Great!\n"
         "Now, the size of the characters you entered {entry:MagunifiedList} will be changed to the size you "
         "selected.\n"
         "\n"
         "Click {next} and let's go to the next step. ",
         "      ◆拡大文字\n"
         "\n"
         " はい、そうですね、\n"
         "これから書く文字は、標準の {entry:MagunifiedList} の大きさになります。\n"
         "その大きさのペンを持ったようなものです。\n"
         "\n"
         " では、{next} ボタンで次に進みましょう。"},
        {"s11.size",
         "      Magnified font\n"
         "\n"
         "You did it!!\n"
         "Now, the size of the characters you enter {entry:MagunifiedList} will be changed to this style.\n"
         "\n"
         "Enter Hello 5200 to the Text Message Entry box,\n"
         "Then, Click [{caption:cmdBtn1:11}]",
         "      ◆拡大文字\n"
         "\n"
         " はい、そうですね、\n"
         "これから書く文字は、{entry:MagunifiedList} の大きさに変わります。\n"
         "その大きさのペンを持ったようなものです。\n"
         "\n"
         "文字入力ボックスに Hello5200 と書いて、[{caption:cmdBtn1:11}] ボタンをクリックしてみてください。"},
        {"s11.written",
         "      Magnified font\n"
         "\n"
         "Yes.\n"
         "A differently sized font {text:TextBox} is now displayed.\n"
         "Incidentally, you can return to the original size by [X1 Y1].\n"
         "\n"
         "Let's return to the default font [X1 Y1].",
         "      ◆拡大文字\n"
         "\n"
         " そうですね、\n"
         "{text:TextBox} が違う大きさで表示されました。\n"
         "ちなみに [X1 Y1] で、普通の 5X7dot の大きさに戻ります。\n"
         "\n"
         "デフォルトの [X1 Y1] に戻しておきましょう。"},
        {"s11.hint",
         "      Magnified font\n"
         "\n"
         "Having trouble finding the Font Aspect?\n"
         "\n"
         "Look in the  lower left corner of the main dialog box in the Green Area.\n"
         "\n"
         "Relax ? No need to hurry!",
         "      ◆拡大文字\n"
         "\n"
         " [{caption:Label11}] リストが見つかりませんか？\n"
         "左下の [{caption:DeviceContextFrame}] の枠の中の、上から2番目のリストです。"},
    };
}

} // namespace kvx::tutorial_text_parts
