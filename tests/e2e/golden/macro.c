/**
*** Telmarin Display Products
***
*** All rights reserved.
*** www.telmarin.example
**/

#include <stdio.h>


#define _macro_leng   157

void main()
{


unsigned char  _macro_code[ _macro_leng ] =
{

/*** DisplayClear *****/

/*** -Op- *****/

      0x0c,

/*** Cursor ON *****/

/*** -OpCode- n (n=0: off, 1: on) *****/

      0x1f,  0x43,  0x01,

/*** CharacterDisplay text=VFD e2e *****/

/***  V   F   D       e   2   e    *****/

      0x56,  0x46,  0x44,  0x20,  0x65,  0x32,  0x65,

/*** FontMagnified : X2 Y2 *****/

/*** -----OPcode----- xX  xY (X:MugnifiedX 1<=X<=4)(Y:MugnifiedY 1<=Y<=2) *****/

      0x1f,  0x28,  0x67,  0x40,  0x02,  0x02,

/*** InternationalFontSet : France *****/

/*** -OpCode-  n  (n:FontSet 0<=n<=5,16<=n<=19) *****/

      0x1b,  0x52,  0x01,

/*** WindowMode : Vertical scroll *****/

/*** -Op-  m  (m:Mode 1<=m<=3) *****/

      0x1f,  0x02,

/*** DrawMode : OR *****/

/*** -OpCode-  n  (n:Mode 0-OVER,1-OR,2-AND,3-EX-OR) *****/

      0x1f,  0x77,  0x01,

/*** DrawReverseMode : Reverse *****/

/*** -OpCode-  n  (n:Mode 0-Normal,1-Reverse) *****/

      0x1f,  0x72,  0x01,

/*** BlinkAction pattern=Reverse eventTime=10(0.14msec)  normalTime=20(0.28msec)  repetition=3 *****/

/*** -----OpCode-----  p  t1  t2   c  (p:Pattern 0-Normal,1-Blank,2-Reverse)(t1:NormalTime 1<=t1<=255)(t2:EventTime 1<=t2<=255)(c:Repetition 0<=c<=255) *****/

      0x1f,  0x28,  0x61,  0x11,  0x02,  0x14,  0x0a,  0x03,

/*** ScrollAction shift=4 Repetition=140 speed=1(0.014msec) *****/

/*** -----OpCode----- wL  wH  cL  cH   s  (w:Shift 0<=w<=1023)(c:Repetition 1<=c<=65535)(s:Speed 0<=s<=255) *****/

      0x1f,  0x28,  0x61,  0x10,  0x04,  0x00,  0x8c,  0x00,  0x01,

/*** WaitAction : 2X 0.5sec=1sec *****/

/*** -----OpCode-----  t  (t:Time 0<=t<=255) *****/

      0x1f,  0x28,  0x61,  0x01,  0x02,

/*** bright : 7(87.5%) *****/

/*** -OpCode-  n  (n:Brightness 1<=n<=8) *****/

      0x1f,  0x58,  0x07,

/*** BitImageDisplay xSize=16 ySize=2 test pattern *****/

/*** -----OpCode----- xL  xH  yL  yH  01  d1  d2  d3  .   .   .   (x:Width)(y:Height)(d:BmpData 0 - 255) *****/

      0x1f,  0x28,  0x66,  0x11,  0x10,  0x00,  0x02,  0x00,  0x01,  0x55,  0x55,  0xaa,  0xaa,  0x55,  0x55,  0xaa,
      0xaa,  0x55,  0x55,  0xaa,  0xaa,  0x55,  0x55,  0xaa,  0xaa,  0x55,  0x55,  0xaa,  0xaa,  0x55,  0x55,  0xaa,
      0xaa,  0x55,  0x55,  0xaa,  0xaa,  0x55,  0x55,  0xaa,  0xaa,

/*** BitImageDisplay xSize=16 ySize=2 test pattern *****/

/*** -----OpCode----- xL  xH  yL  yH  01  d1  d2  d3  .   .   .   (x:Width)(y:Height)(d:BmpData 0 - 255) *****/

      0x1f,  0x28,  0x66,  0x11,  0x10,  0x00,  0x02,  0x00,  0x01,  0x22,  0x22,  0x11,  0x11,  0x88,  0x88,  0x44,
      0x44,  0x22,  0x22,  0x11,  0x11,  0x88,  0x88,  0x44,  0x44,  0x22,  0x22,  0x11,  0x11,  0x88,  0x88,  0x44,
      0x44,  0x22,  0x22,  0x11,  0x11,  0x88,  0x88,  0x44,  0x44,

/*** Back lighr LED ON (n = 0 for LED off) *****/

/*** -----OpCode----  n  *****/

      0x1f,  0x4c,  0x61,  0x40,  0x01,

/*** Back lighr Color : RGB   255, 255, 255 *****/

/*** -----OpCode-----  B(B), B(G), B(R)  (0 to FF 16 steps) *****/

      0x1f,  0x4c,  0x10,  0xff,  0xff,  0xff,

/*** ScreenSaver type=FullOn *****/

/*** -----OpCode-----  p  (p:Mode 0-DisplayPowerOff,1-DisplayPowerOn,2-FullOn,3-FullOff,4-Reverse4sec) *****/

      0x1f,  0x28,  0x61,  0x40,  0x03,

/*** ScreenSaver cancel(type=DispPowerOn) *****/

/*** -----OpCode-----  p  (p:Mode 0-DisplayPowerOff,1-DisplayPowerOn,2-FullOn,3-FullOff,4-Reverse4sec) *****/

      0x1f,  0x28,  0x61,  0x40,  0x01,

/*** HomePosition *****/

/*** -Op- *****/

      0x0b,
       };

int i;

for(i=0; i<_macro_leng; i++)
{

/*
** Change this line to send code to VFD module
*/
    printf("%2x ",_macro_code[i]);

/*
** Example of Binary output
**
**  printf("%c ",_macro_code[i]);
*/
}
}

