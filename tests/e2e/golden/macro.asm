
;*** DisplayClear ***
;*** -Op- ***
 .db $0c

;*** Cursor ON ***
;*** -OpCode- n (n=0: off, 1: on) ***
 .db $1f, $43, $01

;*** CharacterDisplay text=VFD e2e ***
;***  V   F   D       e   2   e    ***
 .db $56, $46, $44, $20, $65, $32, $65

;*** FontMagnified : X2 Y2 ***
;*** -----OPcode----- xX  xY (X:MugnifiedX 1<=X<=4)(Y:MugnifiedY 1<=Y<=2) ***
 .db $1f, $28, $67, $40, $02, $02

;*** InternationalFontSet : France ***
;*** -OpCode-  n  (n:FontSet 0<=n<=5,16<=n<=19) ***
 .db $1b, $52, $01

;*** WindowMode : Vertical scroll ***
;*** -Op-  m  (m:Mode 1<=m<=3) ***
 .db $1f, $02

;*** DrawMode : OR ***
;*** -OpCode-  n  (n:Mode 0-OVER,1-OR,2-AND,3-EX-OR) ***
 .db $1f, $77, $01

;*** DrawReverseMode : Reverse ***
;*** -OpCode-  n  (n:Mode 0-Normal,1-Reverse) ***
 .db $1f, $72, $01

;*** BlinkAction pattern=Reverse eventTime=10(0.14msec)  normalTime=20(0.28msec)  repetition=3 ***
;*** -----OpCode-----  p  t1  t2   c  (p:Pattern 0-Normal,1-Blank,2-Reverse)(t1:NormalTime 1<=t1<=255)(t2:EventTime 1<=t2<=255)(c:Repetition 0<=c<=255) ***
 .db $1f, $28, $61, $11, $02, $14, $0a, $03

;*** ScrollAction shift=4 Repetition=140 speed=1(0.014msec) ***
;*** -----OpCode----- wL  wH  cL  cH   s  (w:Shift 0<=w<=1023)(c:Repetition 1<=c<=65535)(s:Speed 0<=s<=255) ***
 .db $1f, $28, $61, $10, $04, $00, $8c, $00, $01

;*** WaitAction : 2X 0.5sec=1sec ***
;*** -----OpCode-----  t  (t:Time 0<=t<=255) ***
 .db $1f, $28, $61, $01, $02

;*** bright : 7(87.5%) ***
;*** -OpCode-  n  (n:Brightness 1<=n<=8) ***
 .db $1f, $58, $07

;*** BitImageDisplay xSize=16 ySize=2 test pattern ***
;*** -----OpCode----- xL  xH  yL  yH  01  d1  d2  d3  .   .   .   (x:Width)(y:Height)(d:BmpData 0 - 255) ***
 .db $1f, $28, $66, $11, $10, $00, $02, $00, $01, $55, $55, $aa, $aa, $55, $55, $aa
 .db $aa, $55, $55, $aa, $aa, $55, $55, $aa, $aa, $55, $55, $aa, $aa, $55, $55, $aa
 .db $aa, $55, $55, $aa, $aa, $55, $55, $aa, $aa

;*** BitImageDisplay xSize=16 ySize=2 test pattern ***
;*** -----OpCode----- xL  xH  yL  yH  01  d1  d2  d3  .   .   .   (x:Width)(y:Height)(d:BmpData 0 - 255) ***
 .db $1f, $28, $66, $11, $10, $00, $02, $00, $01, $22, $22, $11, $11, $88, $88, $44
 .db $44, $22, $22, $11, $11, $88, $88, $44, $44, $22, $22, $11, $11, $88, $88, $44
 .db $44, $22, $22, $11, $11, $88, $88, $44, $44

;*** Back lighr LED ON (n = 0 for LED off) ***
;*** -----OpCode----  n  ***
 .db $1f, $4c, $61, $40, $01

;*** Back lighr Color : RGB   255, 255, 255 ***
;*** -----OpCode-----  B(B), B(G), B(R)  (0 to FF 16 steps) ***
 .db $1f, $4c, $10, $ff, $ff, $ff

;*** ScreenSaver type=FullOn ***
;*** -----OpCode-----  p  (p:Mode 0-DisplayPowerOff,1-DisplayPowerOn,2-FullOn,3-FullOff,4-Reverse4sec) ***
 .db $1f, $28, $61, $40, $03

;*** ScreenSaver cancel(type=DispPowerOn) ***
;*** -----OpCode-----  p  (p:Mode 0-DisplayPowerOff,1-DisplayPowerOn,2-FullOn,3-FullOff,4-Reverse4sec) ***
 .db $1f, $28, $61, $40, $01

;*** HomePosition ***
;*** -Op- ***
 .db $0b

