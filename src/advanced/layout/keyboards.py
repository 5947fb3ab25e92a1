"""The thirteen keyboard pages of the advanced test form, as data for generate_form.py."""

# Every key carries its Windows virtual-key code(s) in its object name; the dialog finds a pressed
# key by the fragment "W<code>_" and a page by its tag, so this file is where codes and pages meet.
#
# A key token names an entry of KEYS. In a row, a token may carry suffixes, in this order:
#   *1.5   width in key units of the page's pitch     :83   width in pixels
#   ^2     height in rows (keypad +/Enter, ISO Enter)
#   #11    number field of the name (empty after "#")  %151  L field (X keycode)
# "a/b" stacks two half-height keys in one column; ">870" moves to x = 870; "+12" leaves a gap.
# Neighbouring keys share one pixel column, as the dialog's key style draws a 1-pixel margin.

PREFIX = "keyboard_advanced_test_button1_"

# token: (W fields, L field or None, label). A key without an L field (two codes, or a code the
# test cannot see) has a name of three fields: W fields, number, page tag.
KEYS = {
    "esc": ("W27", "9", "Esc"),
    "prtsc": ("W44", "107", "PrtSc"),
    "ins": ("W45", "118", "Ins"),
    "del": ("W46", "119", "Del"),
    "home": ("W36", "110", "Home"),
    "end": ("W35", "115", "End"),
    "pgup": ("W33", "112", "PgUp"),
    "pgdn": ("W34", "117", "PgDn"),
    "break": ("W19", "127", "Break"),
    "grave": ("W192", "49", "`"),
    "minus": ("W189", "20", "-"),
    "equal": ("W187", "21", "="),
    "bksp": ("W8", "22", "Backspace"),
    "tab": ("W9", "23", "Tab"),
    "lbracket": ("W219", "34", "["),
    "rbracket": ("W221", "35", "]"),
    "bslash": ("W220", "51", "\\"),
    "caps": ("W20", "66", "Caps"),
    "semicolon": ("W186", "47", ";"),
    "quote": ("W222", "48", "'"),
    "enter": ("W13", "36", "Enter"),
    "lshift": ("W160", "50", "Shift"),
    "comma": ("W188", "59", ","),
    "period": ("W190", "60", "."),
    "slash": ("W191", "61", "/"),
    "rshift": ("W161", "62", "Shift"),
    "lctrl": ("W162", "37", "Ctrl"),
    "win": ("W91", "133", "Win"),
    "lalt": ("W164", "64", "Alt"),
    "space": ("W32", "65", "Space"),
    "ralt": ("W165", "108", "Alt"),
    "menu": ("W93", "135", "Menu"),
    "rctrl": ("W163", "105", "Ctrl"),
    "left": ("W37", "113", "Left"),
    "up": ("W38", "111", "Up"),
    "down": ("W40", "116", "Down"),
    "right": ("W39", "114", "Right"),
    # Numeric keypad. Its Enter has the main Enter's code 13, so one press marks both.
    "numlock": ("W144", "77", "NumLk"),
    "kpdiv": ("W111", "106", "/"),
    "kpmul": ("W106", "63", "*"),
    "kpsub": ("W109", "82", "-"),
    "kpadd": ("W107", "86", "+"),
    "kpenter": ("W13", "104", "Enter"),
    "kpdec": ("W110", "91", "."),
    # Media keys.
    "prev": ("W177", "173", "Prev"),
    "play": ("W179", "172", "Play"),
    "stop": ("W178", "174", "Stop"),
    "next": ("W176", "171", "Next"),
    # Keys that send nothing the low-level hook sees: drawn dark-bordered and never marked.
    "fn": ("WX", "151", "Fn"),
    "pwr": ("WX", "X", "Pwr"),
    "calc": ("WX", "16777379", "Calc"),
    "lock": ("WX", "46", "Lock"),
    "net": ("WX", "16777360", "Net"),
    "file": ("WX", "26", "File"),
    "fn1": ("WX1", None, "Fn"),
    "calc3": ("WX3", None, "Calc"),
    # ABNT2: the keys that differ from US positions and the two extra keys (102nd key, ABNT C1).
    "abnt_quote": ("W192", "49", "'"),
    "abnt_acute": ("W219", "34", "´"),
    "abnt_lbracket": ("W221", "35", "["),
    "abnt_cedilla": ("W186", "47", "Ç"),
    "abnt_tilde": ("W222", "48", "~"),
    "abnt_rbracket": ("W220", "51", "]"),
    "abnt_bslash": ("W226", "94", "\\"),
    "abnt_semicolon": ("W191", "61", ";"),
    "abnt_slash": ("W193", "97", "/"),
    # JIS. Caps and the half/full-width key change their code with the input mode, so they carry
    # both codes and no L field.
    "hankaku": ("W244_W243", None, "半角/\n 全角\n漢字"),
    "jcaps": ("W240_W20", None, "Caps"),
    "jbksp": ("W8", "22", "Back\nspace"),
    "caret": ("W222", "48", "^"),
    "yen": ("W220", "51", " |\n￥"),
    "at": ("W192", "49", "@"),
    "jsemicolon": ("W187", "21", ";"),
    "colon": ("W186", "47", ":"),
    "ro": ("W226", "94", "\\"),
    "muhenkan": ("W29", "102", " 無変換"),
    "henkan": ("W28", "100", "変換"),
    # Four kana side by side take 40 px in the keys' 10 px font: the rows make this key 44 wide.
    "kana": ("W242", "101", "カタカナ\nひらがな\nローマ字"),
}

_LETTER_X11 = dict(zip("QWERTYUIOP", range(24, 34)))
_LETTER_X11.update(zip("ASDFGHJKL", range(38, 47)))
_LETTER_X11.update(zip("ZXCVBNM", range(52, 59)))
for _letter, _x11 in _LETTER_X11.items():
    KEYS[_letter.lower()] = ("W%d" % ord(_letter), str(_x11), _letter)
for _digit in range(10):
    # X keycodes run 1..9, 0 from 10 to 19.
    KEYS[str(_digit)] = ("W%d" % (48 + _digit), str(10 + (_digit - 1) % 10), str(_digit))
for _n in range(1, 13):
    KEYS["f%d" % _n] = ("W%d" % (111 + _n), str(66 + _n if _n <= 10 else 84 + _n), "F%d" % _n)
for _digit, _x11 in zip(range(10), (90, 87, 88, 89, 83, 84, 85, 79, 80, 81)):
    KEYS["kp%d" % _digit] = ("W%d" % (96 + _digit), str(_x11), str(_digit))

F = "f1 f2 f3 f4 f5 f6 f7 f8 f9 f10 f11 f12"
DIGITS = "1 2 3 4 5 6 7 8 9 0"
QROW = "q w e r t y u i o p"
AROW = "a s d f g h j k l"
ZROW = "z x c v b n m"


class Row:
    """One line of keys at height y; width overrides the 1-unit default of the row's keys."""

    def __init__(self, y, height, tokens, width=None):
        self.y = y
        self.height = height
        self.tokens = tokens.split()
        self.width = width


class Page:
    """A page of the stacked widget: its names, its key container and its keys."""

    def __init__(self, index, layout_name, page_name, container_name, container, number="",
                 pitch=40, x0=None, rows=(), keys=None):
        self.index = index
        self.layout_name = layout_name
        self.page_name = page_name
        self.container_name = container_name
        self.container = container
        self.number = number
        self.pitch = pitch
        self.x0 = x0
        self.rows = list(rows)
        # Explicit keys (name fields without prefix and tag, label, x, y, w, h) replace the rows.
        self.keys = keys


# Page 0 is given key for key by the catalogue; it is the model the other 14-inch pages follow.
KORA_14 = [
    ('W44_L107_7', 'PrtSc', 680, 30, 41, 21),
    ('W46_L119_21', 'Del', 720, 30, 41, 21),
    ('W27_L9_23', 'Esc', 120, 31, 41, 20),
    ('W112_L67_23', 'F1', 160, 31, 41, 20),
    ('W113_L68_23', 'F2', 200, 31, 41, 20),
    ('W114_L69_23', 'F3', 240, 31, 41, 20),
    ('W115_L70_23', 'F4', 280, 31, 41, 20),
    ('W116_L71_23', 'F5', 320, 31, 41, 20),
    ('W117_L72_23', 'F6', 360, 31, 41, 20),
    ('W118_L73_23', 'F7', 400, 31, 41, 20),
    ('W119_L74_23', 'F8', 440, 31, 41, 20),
    ('W120_L75_23', 'F9', 480, 31, 41, 20),
    ('W121_L76_23', 'F10', 520, 31, 41, 20),
    ('W122_L95_23', 'F11', 560, 31, 41, 20),
    ('W123_L96_23', 'F12', 600, 31, 41, 20),
    ('W192_L49_23', '`', 120, 50, 41, 41),
    ('W49_L10_23', '1', 160, 50, 41, 41),
    ('W50_L11_23', '2', 200, 50, 41, 41),
    ('W51_L12_23', '3', 240, 50, 41, 41),
    ('W52_L13_23', '4', 280, 50, 41, 41),
    ('W53_L14_23', '5', 320, 50, 41, 41),
    ('W54_L15_23', '6', 360, 50, 41, 41),
    ('W55_L16_23', '7', 400, 50, 41, 41),
    ('W56_L17_23', '8', 440, 50, 41, 41),
    ('W57_L18_23', '9', 480, 50, 41, 41),
    ('W48_L19_23', '0', 520, 50, 41, 41),
    ('W189_L20_23', '-', 560, 50, 41, 41),
    ('W187_L21_23', '=', 600, 50, 41, 41),
    ('W8_L22_23', 'Backspace', 640, 50, 81, 41),
    ('W36_L110_6', 'Home', 720, 50, 41, 41),
    ('W9_L23_23', 'Tab', 120, 90, 61, 41),
    ('W81_L24_23', 'Q', 180, 90, 41, 41),
    ('W87_L25_23', 'W', 220, 90, 41, 41),
    ('W69_L26_23', 'E', 260, 90, 41, 41),
    ('W82_L27_23', 'R', 300, 90, 41, 41),
    ('W84_L28_23', 'T', 340, 90, 41, 41),
    ('W89_L29_23', 'Y', 380, 90, 41, 41),
    ('W85_L30_23', 'U', 420, 90, 41, 41),
    ('W73_L31_23', 'I', 460, 90, 41, 41),
    ('W79_L32_23', 'O', 500, 90, 41, 41),
    ('W80_L33_23', 'P', 540, 90, 41, 41),
    ('W219_L34_22', '[', 580, 90, 41, 41),
    ('W221_L35_22', ']', 620, 90, 41, 41),
    ('W220_L51_31', '\\', 660, 90, 61, 41),
    ('W35_L115_6', 'End', 720, 90, 41, 41),
    ('W20_L66_23', 'Caps', 120, 130, 81, 41),
    ('W65_L38_23', 'A', 200, 130, 41, 41),
    ('W83_L39_23', 'S', 240, 130, 41, 41),
    ('W68_L40_23', 'D', 280, 130, 41, 41),
    ('W70_L41_23', 'F', 320, 130, 41, 41),
    ('W71_L42_23', 'G', 360, 130, 41, 41),
    ('W72_L43_23', 'H', 400, 130, 41, 41),
    ('W74_L44_23', 'J', 440, 130, 41, 41),
    ('W75_L45_23', 'K', 480, 130, 41, 41),
    ('W76_L46_23', 'L', 520, 130, 41, 41),
    ('W186_L47_26', ';', 560, 130, 41, 41),
    ('W222_L48_34', "'", 600, 130, 41, 41),
    ('W13_L36_23', 'Enter', 640, 130, 81, 41),
    ('W33_L112_3', 'PgUp', 720, 130, 41, 41),
    ('W160_L50_23', 'Shift', 120, 170, 81, 41),
    ('W90_L52_23', 'Z', 200, 170, 41, 41),
    ('W88_L53_23', 'X', 240, 170, 41, 41),
    ('W67_L54_23', 'C', 280, 170, 41, 41),
    ('W86_L55_23', 'V', 320, 170, 41, 41),
    ('W66_L56_23', 'B', 360, 170, 41, 41),
    ('W78_L57_23', 'N', 400, 170, 41, 41),
    ('W77_L58_23', 'M', 440, 170, 41, 41),
    ('W188_L59_23', ',', 480, 170, 41, 41),
    ('W190_L60_23', '.', 520, 170, 41, 41),
    ('W191_L61_22', '/', 560, 170, 41, 41),
    ('W161_L62_23', 'Shift', 600, 170, 81, 41),
    ('W38_L111_23', 'Up', 680, 170, 41, 41),
    ('W34_L117_3', 'PgDn', 720, 170, 41, 41),
    ('W162_L37_23', 'Ctrl', 120, 210, 41, 41),
    ('WX_L151_21', 'Fn', 160, 210, 41, 41),
    ('W91_L133_27', 'Win', 200, 210, 41, 41),
    ('W164_L64_23', 'Alt', 240, 210, 41, 41),
    ('W32_L65_23', 'Space', 280, 210, 241, 41),
    ('W165_L108_23', 'Alt', 520, 210, 41, 41),
    ('W93_L135_1', 'Menu', 560, 210, 41, 41),
    ('W163_L105_23', 'Ctrl', 600, 210, 41, 41),
    ('W37_L113_23', 'Left', 640, 210, 41, 41),
    ('W40_L116_23', 'Down', 680, 210, 41, 41),
    ('W39_L114_23', 'Right', 720, 210, 41, 41),
]

PAGES = [
    Page(0, "Kora-14", "keyboard_advanced_test_layout_Kora_14", "keyboard_advanced_test_layout1_18",
         (0, -30, 908, 291), keys=KORA_14),
    # Navigation keys in a column right of Backspace, Up between Shift and End.
    Page(1, "Rima", "keyboard_advanced_test_layout_Rima", "keyboard_advanced_test_layout1_17",
         (10, -30, 908, 291), number="20", x0=110, rows=[
             Row(30, 21, f"esc {F} prtsc ins del"),
             Row(50, 41, f"grave {DIGITS} minus equal bksp*2 home"),
             Row(90, 41, f"tab*1.5 {QROW} lbracket rbracket bslash*1.5 pgup"),
             Row(130, 41, f"caps*2 {AROW} semicolon quote enter*2 pgdn"),
             Row(170, 41, f"lshift*2 {ZROW} comma period slash rshift*2 up end"),
             Row(210, 41, "lctrl fn win lalt space*6 ralt*1.5 rctrl*1.5 left down right"),
         ]),
    # Navigation keys squeezed into the function row, a little wider than the function keys so that
    # their labels ("PgUp", "Bild ↑", "Début") keep clear of their edges; half-height Up and Down.
    Page(2, "Nerv", "keyboard_advanced_test_layout_Nerv", "keyboard_advanced_test_layout1_16",
         (10, -30, 908, 301), number="19", x0=150, rows=[
             Row(30, 21, f"esc:41 {F} home:36 end:36 pgup:36 pgdn:36 del:37", width=33),
             Row(50, 41, f"grave {DIGITS} minus equal bksp*2"),
             Row(90, 41, f"tab*1.5 {QROW} lbracket rbracket bslash*1.5"),
             Row(130, 41, f"caps*1.75 {AROW} semicolon quote enter*2.25"),
             Row(170, 41, f"lshift*2.5 {ZROW} comma period slash rshift*2.5"),
             Row(210, 41, "lctrl fn win lalt space*6 ralt rctrl left up/down right"),
         ]),
    # Print Screen between right Alt and right Ctrl; no navigation keys.
    Page(3, "Pell-14", "keyboard_advanced_test_laytout_Pell_14", "keyboard_advanced_test_layout1_15",
         (10, -30, 908, 291), number="17", x0=130, rows=[
             Row(30, 21, f"esc {F} ins del"),
             Row(50, 41, f"grave {DIGITS} minus equal bksp*2"),
             Row(90, 41, f"tab*1.5 {QROW} lbracket rbracket bslash*1.5"),
             Row(130, 41, f"caps*1.75 {AROW} semicolon quote enter*2.25"),
             Row(170, 41, f"lshift*2.5 {ZROW} comma period slash rshift*2.5"),
             Row(210, 41, "lctrl fn win lalt space*5 ralt prtsc rctrl left up/down right"),
         ]),
    # Power button at the end of the function row; the arrow block reaches under it.
    Page(4, "Tamb-14", "keyboard_advanced_layout_Tamb_14", "keyboard_advanced_layout1_14",
         (10, -30, 908, 301), number="16", x0=130, rows=[
             Row(30, 21, f"esc {F} prtsc del pwr#2"),
             Row(50, 41, f"grave {DIGITS} minus equal bksp*2"),
             Row(90, 41, f"tab*1.5 {QROW} lbracket rbracket bslash*1.5"),
             Row(130, 41, f"caps*2 {AROW} semicolon quote enter*2"),
             Row(170, 41, f"lshift*2 {ZROW} comma period slash rshift*2 up"),
             Row(210, 41, "lctrl fn win lalt space*6 ralt*1.5 rctrl*1.5 left down right"),
         ]),
    # 15-inch: keypad with media keys above it.
    Page(5, "Pell-15", "keyboard_advanced_layout_Pell_15", "keyboard_advanced_layout1_13",
         (0, -30, 908, 301), number="15", x0=50, rows=[
             Row(30, 21, f"esc {F} ins del >670 prev play stop next"),
             Row(50, 41, f"grave {DIGITS} minus equal bksp*2 >670 numlock kpdiv kpmul kpsub"),
             Row(90, 41, f"tab*1.5 {QROW} lbracket rbracket bslash*1.5 >670 kp7 kp8 kp9 kpadd^2"),
             Row(130, 41, f"caps*1.75 {AROW} semicolon quote enter*2.25 >670 kp4 kp5 kp6"),
             Row(170, 41, f"lshift*2.5 {ZROW} comma period slash rshift*2.5 >670 kp1 kp2 kp3 kpenter^2"),
             Row(210, 41, "lctrl fn win lalt space*5 ralt prtsc rctrl left up/down right >670 kp0*2 kpdec"),
         ]),
    # 15-inch with a desktop-style navigation block; a second Print Screen by the right Alt.
    Page(6, "Ozel", "keyboard_advanced_test_layout_Ozel", "keyboard_advanced_test_layout1_12",
         (0, -30, 908, 291), number="10", x0=4, rows=[
             Row(30, 21, f"esc {F} prtsc"),
             Row(50, 41, f"grave {DIGITS} minus equal bksp*2 >612 ins home pgup >742 numlock kpdiv kpmul kpsub"),
             Row(90, 41, f"tab*1.5 {QROW} lbracket rbracket bslash*1.5 >612 del end pgdn >742 kp7 kp8 kp9 kpadd^2"),
             Row(130, 41, f"caps*1.75 {AROW} semicolon quote enter*2.25 >742 kp4 kp5 kp6"),
             Row(170, 41, f"lshift*2.25 {ZROW} comma period slash rshift*2.75 >652 up >742 kp1 kp2 kp3 kpenter^2"),
             Row(210, 41, "lctrl fn win lalt space*7 ralt*1.5 prtsc#11 rctrl*1.5 >612 left down right >742 kp0*2 kpdec"),
         ]),
    # 15-inch with launch keys above the keypad.
    Page(7, "Sola", "keyboard_advanced_test_layout_Sola", "keyboard_advanced_test_layout1_6",
         (0, -30, 908, 291), number="7", x0=10, rows=[
             Row(30, 21, f"esc {F} prtsc ins del >670 calc# lock# net# file#"),
             Row(50, 41, f"grave {DIGITS} minus equal bksp*2 home >670 numlock kpdiv kpmul kpsub"),
             Row(90, 41, f"tab*1.5 {QROW} lbracket rbracket bslash*1.5 pgup >670 kp7 kp8 kp9 kpadd^2"),
             Row(130, 41, f"caps*2 {AROW} semicolon quote enter*2 pgdn >670 kp4 kp5 kp6"),
             Row(170, 41, f"lshift*2 {ZROW} comma period slash rshift*2 up end >670 kp1 kp2 kp3 kpenter^2"),
             Row(210, 41, "lctrl fn win lalt space*6 ralt*1.5 rctrl*1.5 left down right >670 kp0*2 kpdec"),
         ]),
    # Brazilian ABNT2 with keypad: Ç, dead accents, the 102nd key left of Z and the /? key (ABNT C1)
    # beside the short right Shift; Fn, Break and Calc in a line of small keys above.
    Page(8, "ABNT2", "keyboard_advanced_test_page_2", "keyboard_advanced_test_layout1_7",
         (0, -10, 908, 291), number="", x0=10, rows=[
             Row(10, 21, ">530 fn1 break prtsc >670 calc3 ins del"),
             Row(30, 21, f"esc {F} >670 home end pgup pgdn"),
             Row(50, 41, f"abnt_quote {DIGITS} minus equal bksp*2 >670 numlock kpdiv kpmul kpsub"),
             Row(90, 41, f"tab {QROW} abnt_acute abnt_lbracket enter*2^2 >670 kp7 kp8 kp9 kpadd^2"),
             Row(130, 41, f"caps {AROW} abnt_cedilla abnt_tilde abnt_rbracket >670 kp4 kp5 kp6"),
             Row(170, 41, f"lshift abnt_bslash {ZROW} comma period abnt_semicolon abnt_slash rshift up"
                          " >670 kp1 kp2 kp3 kpenter^2"),
             Row(210, 41, "lctrl win lalt*1.5 space*6 ralt*1.75 rctrl*1.75 left down right >670 kp0*2 kpdec"),
         ]),
    # Japanese 13-inch, larger keys; the catalogue fixes the JIS keys, Fn and the row positions.
    Page(9, "Juno(JP)", "keyboard_advanced_test_layout_Juno_JP", "keyboard_advanced_test_layout1_8",
         (-90, -40, 1471, 431), number="11", pitch=42, x0=200, rows=[
             Row(40, 21, f"esc {F} prtsc:63 del:63"),
             Row(60, 43, f"hankaku {DIGITS} minus caret# yen# jbksp:83 pgup"),
             Row(102, 43, f"tab:71 {QROW} at lbracket enter:97^2 pgdn"),
             Row(144, 43, f"jcaps:71 {AROW} jsemicolon colon rbracket >870 home"),
             Row(186, 43, f"lshift:101 {ZROW} comma period slash ro# rshift:67 up end"),
             Row(228, 43, "fn#18 lctrl win lalt muhenkan%151 space:127 henkan:33%151 kana:44%151"
                          " ralt:67 rctrl:67 >786 left down right"),
         ]),
    # Japanese 15-inch: JIS main block, no right Alt, keypad with media keys above it.
    Page(10, "Pell-15(JP)", "keyboard_advanced_test_layout_Pell_15JP", "keyboard_advanced_test_layout1_9",
         (-370, -60, 1231, 321), number="15", x0=390, rows=[
             Row(60, 21, f"esc {F} ins del >1010 prev play stop next"),
             Row(80, 41, f"hankaku {DIGITS} minus caret yen jbksp >1010 numlock kpdiv kpmul kpsub"),
             Row(120, 41, f"tab*1.5 {QROW} at lbracket enter*1.5^2 >1010 kp7 kp8 kp9 kpadd^2"),
             Row(160, 41, f"jcaps*1.5 {AROW} jsemicolon colon rbracket >1010 kp4 kp5 kp6"),
             Row(200, 41, f"lshift*2 {ZROW} comma period slash ro rshift*2 >1010 kp1 kp2 kp3 kpenter^2"),
             Row(240, 41, "lctrl fn win lalt muhenkan space:118 henkan kana:44 prtsc rctrl left up/down right"
                          " >1010 kp0*2 kpdec"),
         ]),
    # Japanese 15-inch in the Kora style: navigation column, Menu key, keypad.
    Page(11, "Kora-15(JP)", "keyboard_advanced_test_layout_Kora_15JP", "keyboard_advanced_test_layout1_10",
         (-370, -50, 1231, 321), number="15", x0=380, rows=[
             Row(50, 21, f"esc {F} prtsc ins del"),
             Row(70, 41, f"hankaku {DIGITS} minus caret yen jbksp home >1040 numlock kpdiv kpmul kpsub"),
             Row(110, 41, f"tab*1.5 {QROW} at lbracket enter*1.5^2 end >1040 kp7 kp8 kp9 kpadd^2"),
             Row(150, 41, f"jcaps*1.5 {AROW} jsemicolon colon rbracket >980 pgup >1040 kp4 kp5 kp6"),
             Row(190, 41, f"lshift*2 {ZROW} comma period slash ro rshift up pgdn >1040 kp1 kp2 kp3 kpenter^2"),
             Row(230, 41, "lctrl fn win lalt muhenkan space:158 henkan kana:44 menu rctrl left down right"
                          " >1040 kp0*2 kpdec"),
         ]),
    # Japanese 13-inch: compact, squeezed function row, half-height Up and Down.
    Page(12, "Vesk-13(JP)", "keyboard_advanced_test_layout_Vesk_JP", "keyboard_advanced_test_layout1_11",
         (-270, -60, 1231, 321), number="15", x0=420, rows=[
             Row(60, 21, f"esc {F} prtsc ins del", width=38),
             Row(80, 41, f"hankaku {DIGITS} minus caret yen jbksp"),
             Row(120, 41, f"tab*1.5 {QROW} at lbracket enter*1.5^2"),
             Row(160, 41, f"jcaps*1.5 {AROW} jsemicolon colon rbracket"),
             Row(200, 41, f"lshift*2 {ZROW} comma period slash ro rshift*2"),
             Row(240, 41, "lctrl fn win lalt muhenkan space:158 henkan kana:44 rctrl left up/down right"),
         ]),
]
