<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Snelle toetsenbordtests</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Controleert de toetsenborden van deze computer: een reset van het PS/2-toetsenbord, de identificatie van de USB-toetsenborden en twee tests waarbij u toetsen indrukt.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>PS/2-toetsenbordtest</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Reset het PS/2-toetsenbord via de toetsenbordcontroller en controleert het antwoord van de zelftest. Raak het toetsenbord en de muis niet aan zolang de test loopt.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>USB-toetsenbordtest</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Controleert of elk USB-toetsenbord zich identificeert met een leveranciers-ID en een product-ID en met de naam van de fabrikant en van het product.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Toetscodetest</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Toont de laatst ingedrukte toets en de status van de vergrendeltoetsen, zodat u kunt beoordelen of het toetsenbord werkt.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Uitgebreide test</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Toont een afbeelding van het toetsenbord van de laptop en markeert elke toets die u indrukt, zodat u toetsen kunt vinden die niet reageren.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>De test is afgebroken omdat er een systeemgebeurtenis heeft plaatsgevonden die de uitkomst kan beïnvloeden.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>Deze test kan niet worden uitgevoerd omdat het apparaat niet kon worden geïdentificeerd of is losgekoppeld.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Mogelijk defecte onderdelen</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>De test heeft tijdens de uitvoering handelingen van de gebruiker gedetecteerd. Voer de test opnieuw uit zonder een aangesloten of ingebouwd toetsenbord of aanwijsapparaat aan te raken zolang de test loopt.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>Het toetsenbord heeft de zelftest niet doorstaan. Controleer of het goed is aangesloten en voer de test opnieuw uit.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>De toetsenbordinterrupt kon op de toetsenbordcontroller niet worden uitgeschakeld.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>De toetsenbordinterrupt kon op de toetsenbordcontroller niet opnieuw worden ingeschakeld. Het toetsenbord reageert mogelijk pas weer nadat de computer opnieuw is opgestart.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>De herhalingsvertraging en herhalingssnelheid van het toetsenbord konden niet worden hersteld.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>Raak het toetsenbord en de muis niet aan totdat de test is voltooid.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>Dit USB-toetsenbord identificeert zich niet:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>Een USB-toetsenbord meldt geen product-ID.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>Een USB-toetsenbord meldt geen leveranciers-ID.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>Een USB-toetsenbord meldt geen fabrikantnaam.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>Een USB-toetsenbord meldt geen productnaam.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Toetscodecontrole</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Uitgebreide toetsenbordtest</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>PS/2-toetsenbord</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>USB-toetsenbord</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>Gedetecteerd</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>Stuurprogrammaversie</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>Leveranciers-ID</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>Product-ID</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Toetscodecontrole</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Gebruik uw toetsenbord naar believen en geef het testresultaat op wanneer u klaar bent.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Laatst ingedrukte toets:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Vergrendeltoetsen:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>Werkt uw toetsenbord zoals verwacht?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Druk op elke toets. Elke ingedrukte toets wordt in de afbeelding gemarkeerd.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Indeling kiezen:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>Toetsen die alleen ter illustratie zijn getekend, worden niet meegeteld.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Defect</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>Een ander programma houdt het toetsenbord vast: toetsaanslagen gaan naar dat programma in plaats van naar deze test en worden hier niet getoond. Sluit het menu of dialoogvenster van dat programma; de test neemt het toetsenbord over zodra het vrij is.</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>Dit bureaublad laat de test het toetsenbord niet vasthouden: toetsen worden hier alleen getoond zolang dit venster de focus heeft, en de eigen sneltoetsen van het bureaublad (zoals Alt+Tab) blijven werken.</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Pijl-links</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Pijl-rechts</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Pijl-omhoog</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Pijl-omlaag</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Spatiebalk</translation>
    </message>
    <message>
        <source>HELP</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Browser terug</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Browser vooruit</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Browser vernieuwen</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Browser stoppen</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Browser zoeken</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Browserfavorieten</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Browserstartpagina</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Geluid dempen</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Volume omlaag</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Volume omhoog</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Volgend nummer</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Vorig nummer</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Media stoppen</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Media afspelen/pauzeren</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>Slaapstand</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>Gereserveerde toetscode</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>Niet-gedefinieerde toetscode</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>Linkermuisknop</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Rechtermuisknop</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Ctrl+Break-verwerking</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>Middelste muisknop (muis met drie knoppen)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>Muisknop X1</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>Muisknop X2</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>TAB</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>ALT</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>CAPS LOCK</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>IME Kana mode</source>
        <translation>IME-Kana-modus</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>IME-Hanguel-modus</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>IME-Hangul-modus</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>IME-Junja-modus</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>IME-final-modus</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>IME-Hanja-modus</translation>
    </message>
    <message>
        <source>ESC</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>IME converteren</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>IME niet converteren</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>IME accepteren</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>IME-verzoek om moduswijziging</translation>
    </message>
    <message>
        <source>PAGE UP</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>PAGE DOWN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>END</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>End</translation>
    </message>
    <message>
        <source>HOME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Home</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>Uitvoeren</translation>
    </message>
    <message>
        <source>PRINT SCREEN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>INS</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Insert</translation>
    </message>
    <message>
        <source>DEL</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Linker Windows-toets</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Rechter Windows-toets</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>Numeriek toetsenblok 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>Numeriek toetsenblok 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>Numeriek toetsenblok 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>Numeriek toetsenblok 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>Numeriek toetsenblok 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>Numeriek toetsenblok 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>Numeriek toetsenblok 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>Numeriek toetsenblok 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>Numeriek toetsenblok 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>Numeriek toetsenblok 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Plustoets</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>Scheidingstekentoets</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>Mintoets</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>Decimaaltoets</translation>
    </message>
    <message>
        <source>F1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F12</translation>
    </message>
    <message>
        <source>F13</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F13</translation>
    </message>
    <message>
        <source>F14</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F14</translation>
    </message>
    <message>
        <source>F15</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F15</translation>
    </message>
    <message>
        <source>F16</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F16</translation>
    </message>
    <message>
        <source>F17</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F17</translation>
    </message>
    <message>
        <source>F18</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F18</translation>
    </message>
    <message>
        <source>F19</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F19</translation>
    </message>
    <message>
        <source>F20</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F20</translation>
    </message>
    <message>
        <source>F21</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F21</translation>
    </message>
    <message>
        <source>F22</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F22</translation>
    </message>
    <message>
        <source>F23</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F23</translation>
    </message>
    <message>
        <source>F24</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F24</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Niet toegewezen</translation>
    </message>
    <message>
        <source>NUM LOCK</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>SCROLL LOCK</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>OEM specific</source>
        <translation>OEM-specifiek</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>E-mail starten</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Media selecteren</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>Toepassing 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>Toepassing 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>Kan per toetsenbord verschillen. Op het Amerikaanse standaardtoetsenbord de &apos;;:&apos;-toets</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>Voor elk land en elke regio de &apos;+&apos;-toets</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>Voor elk land en elke regio de &apos;,&apos;-toets</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>Voor elk land en elke regio de &apos;-&apos;-toets</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>Voor elk land en elke regio de &apos;.&apos;-toets</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>Kan per toetsenbord verschillen. Op het Amerikaanse standaardtoetsenbord de &apos;/?&apos;-toets</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>Kan per toetsenbord verschillen. Op het Amerikaanse standaardtoetsenbord de &apos;`~&apos;-toets</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>Kan per toetsenbord verschillen. Op het Amerikaanse standaardtoetsenbord de &apos;[{&apos;-toets</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>Kan per toetsenbord verschillen. Op het Amerikaanse standaardtoetsenbord de &apos;\|&apos;-toets</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>Kan per toetsenbord verschillen. Op het Amerikaanse standaardtoetsenbord de &apos;]}&apos;-toets</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>Kan per toetsenbord verschillen. Op het Amerikaanse standaardtoetsenbord de toets voor het enkele en dubbele aanhalingsteken</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>Kan per toetsenbord verschillen.</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>De punthaaktoets of de backslashtoets op het RT-toetsenbord met 102 toetsen</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>IME-verwerkingstoets</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Wordt gebruikt om Unicode-tekens door te geven alsof het toetsaanslagen zijn. De toets VK_PACKET is het lage woord van een 32-bits virtuele-toetswaarde die wordt gebruikt voor invoermethoden zonder toetsenbord. Zie voor meer informatie de opmerkingen bij KEYBDINPUT, SendInput, WM_KEYDOWN en WM_KEYUP</translation>
    </message>
    <message>
        <source>Attn</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Attn</translation>
    </message>
    <message>
        <source>CrSel</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>CrSel</translation>
    </message>
    <message>
        <source>ExSel</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>ExSel</translation>
    </message>
    <message>
        <source>Erase EOF</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Erase EOF</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>PA1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>KeycodeTestWidget</name>
    <message>
        <source>Num</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Num</translation>
    </message>
    <message>
        <source>Caps</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Caps</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Scroll</translation>
    </message>
</context>
<context>
    <name>AdvancedTestWidget</name>
    <message>
        <source>LAYOUT_TKN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>LAYOUT_TKN</translation>
    </message>
    <message>
        <source>PrtSc</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PrtSc</translation>
    </message>
    <message>
        <source>Del</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Del</translation>
    </message>
    <message>
        <source>Esc</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>F1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F12</translation>
    </message>
    <message>
        <source>`</source>
        <translation>`</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Home</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Home</translation>
    </message>
    <message>
        <source>Tab</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>[</source>
        <translation>[</translation>
    </message>
    <message>
        <source>]</source>
        <translation>]</translation>
    </message>
    <message>
        <source>\</source>
        <translation>\</translation>
    </message>
    <message>
        <source>End</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>End</translation>
    </message>
    <message>
        <source>Caps</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Caps</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>;</source>
        <translation>;</translation>
    </message>
    <message>
        <source>&apos;</source>
        <translation>&apos;</translation>
    </message>
    <message>
        <source>Enter</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Shift</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PgDn</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Fn</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Fn</translation>
    </message>
    <message>
        <source>Win</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Win</translation>
    </message>
    <message>
        <source>Alt</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Menu</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Dark bordered keys are ignored by this test</source>
        <translation>Toetsen met een donkere rand worden door deze test genegeerd</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>Klik op Defect als een toets na het indrukken niet wordt gemarkeerd.</translation>
    </message>
    <message>
        <source>Ins</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Pwr</translation>
    </message>
    <message>
        <source>Prev</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Play</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Next</translation>
    </message>
    <message>
        <source>NumLk</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>NumLk</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Calc</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Calc</translation>
    </message>
    <message>
        <source>Lock</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Net</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Net</translation>
    </message>
    <message>
        <source>File</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>File</translation>
    </message>
    <message>
        <source>Break</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Break</translation>
    </message>
    <message>
        <source>´</source>
        <translation>´</translation>
    </message>
    <message>
        <source>Ç</source>
        <translation>Ç</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>半角/
 全角
漢字</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>半角/
 全角
漢字</translation>
    </message>
    <message>
        <source>^</source>
        <translation>^</translation>
    </message>
    <message>
        <source> |
￥</source>
        <translation> |
￥</translation>
    </message>
    <message>
        <source>Back
space</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Back
space</translation>
    </message>
    <message>
        <source>@</source>
        <translation>@</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source> 無変換</source>
        <translatorcomment>same as English</translatorcomment>
        <translation> 無変換</translation>
    </message>
    <message>
        <source>変換</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>変換</translation>
    </message>
    <message>
        <source>カタカナ
ひらがな
ローマ字</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>カタカナ
ひらがな
ローマ字</translation>
    </message>
    <message>
        <source>REFRESH_TKN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>REFRESH_TKN</translation>
    </message>
    <message>
        <source>TEST_FEEDBACK_TKN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>TEST_FEEDBACK_TKN</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
</TS>
