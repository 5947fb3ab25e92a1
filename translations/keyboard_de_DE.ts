<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Tastatur-Schnelltests</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Prüft die Tastaturen dieses Computers: ein Reset der PS/2-Tastatur, die Identifikation der USB-Tastaturen und zwei Tests, bei denen Sie Tasten drücken.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>PS/2-Tastaturtest</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Setzt die PS/2-Tastatur über den Tastaturcontroller zurück und prüft die Antwort ihres Selbsttests. Berühren Sie während des Tests weder die Tastatur noch die Maus.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>USB-Tastaturtest</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Prüft, ob sich jede USB-Tastatur mit Hersteller- und Produkt-ID sowie mit Hersteller- und Produktnamen ausweist.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Tastencode-Test</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Zeigt die zuletzt gedrückte Taste und den Zustand der Feststelltasten an, damit Sie beurteilen können, ob die Tastatur funktioniert.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Erweiterter Test</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Zeigt ein Bild der Laptoptastatur und markiert jede gedrückte Taste, damit Sie Tasten finden, die nicht reagieren.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>Der Test wurde abgebrochen, weil ein Systemereignis eingetreten ist, das das Ergebnis verfälschen könnte.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>Dieser Test kann nicht ausgeführt werden, weil das Gerät nicht erkannt wurde oder getrennt worden ist.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Möglicherweise defekte Komponenten</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>Der Test hat während der Ausführung einen Benutzereingriff erkannt. Bitte führen Sie den Test erneut aus und berühren Sie währenddessen keine angeschlossene oder eingebaute Tastatur und kein Zeigegerät.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>Die Tastatur hat ihren Selbsttest nicht bestanden. Prüfen Sie, ob sie richtig angeschlossen ist, und führen Sie den Test erneut aus.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>Der Tastatur-Interrupt konnte am Tastaturcontroller nicht abgeschaltet werden.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>Der Tastatur-Interrupt konnte am Tastaturcontroller nicht wieder eingeschaltet werden. Die Tastatur reagiert möglicherweise erst nach einem Neustart des Computers wieder.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>Verzögerung und Wiederholrate der Tastatur konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>Bitte berühren Sie Tastatur und Maus nicht, bis der Test beendet ist.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>Diese USB-Tastatur weist sich nicht aus:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>Eine USB-Tastatur meldet keine Produkt-ID.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>Eine USB-Tastatur meldet keine Hersteller-ID.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>Eine USB-Tastatur meldet keinen Herstellernamen.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>Eine USB-Tastatur meldet keinen Produktnamen.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Tastencode-Prüfung</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Erweiterter Tastaturtest</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>PS/2-Tastatur</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>USB-Tastatur</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>Erkannt</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>Treiberversion</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>Hersteller-ID</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>Produkt-ID</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Tastencode-Prüfung</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Benutzen Sie Ihre Tastatur nach Belieben und geben Sie das Testergebnis an, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Zuletzt gedrückte Taste:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Feststelltasten:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>Funktioniert Ihre Tastatur wie erwartet?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Drücken Sie jede Taste der Tastatur. Jede gedrückte Taste wird im Bild markiert.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Layout wählen:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>Nur zur Veranschaulichung gezeichnete Tasten werden nicht gezählt.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Defekt</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>Ein anderes Programm hält die Tastatur fest: Tastendrücke gehen an dieses Programm statt an den Test und erscheinen hier nicht. Schließen Sie dessen Menü oder Dialog; der Test übernimmt die Tastatur, sobald sie frei ist.</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>Diese Arbeitsumgebung lässt den Test die Tastatur nicht festhalten: Tasten erscheinen hier nur, solange dieses Fenster den Fokus hat, und die Tastenkürzel der Arbeitsumgebung (etwa Alt+Tab) wirken weiterhin.</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Browser zurück</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Browser vorwärts</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Browser aktualisieren</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Browser abbrechen</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Browser suchen</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Browser-Favoriten</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Browser-Startseite</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Wiedergabe stoppen</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>Reservierter Tastencode</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>Nicht definierter Tastencode</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Strg+Untbr-Verarbeitung</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>Mittlere Maustaste (Drei-Tasten-Maus)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>Maustaste X1</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>Maustaste X2</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Umschalttaste</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>Strg</translation>
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
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>IME Kana mode</source>
        <translation>IME-Kana-Modus</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>IME-Hanguel-Modus</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>IME-Hangul-Modus</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>IME-Junja-Modus</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>IME-Final-Modus</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>IME-Hanja-Modus</translation>
    </message>
    <message>
        <source>ESC</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>IME-Konvertierung</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>IME-Nichtkonvertierung</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>IME-Annahme</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>IME-Moduswechselanforderung</translation>
    </message>
    <message>
        <source>PAGE UP</source>
        <translation>Bild ↑</translation>
    </message>
    <message>
        <source>PAGE DOWN</source>
        <translation>Bild ↓</translation>
    </message>
    <message>
        <source>END</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>PRINT SCREEN</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Entf</translation>
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
        <translation>Linke Windows-Taste</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Rechte Windows-Taste</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>Ziffernblock 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>Ziffernblock 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>Ziffernblock 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>Ziffernblock 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>Ziffernblock 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>Ziffernblock 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>Ziffernblock 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>Ziffernblock 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>Ziffernblock 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>Ziffernblock 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Plustaste</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>Trennzeichentaste</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>Minustaste</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>Dezimaltaste</translation>
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
        <translation>Nicht zugewiesen</translation>
    </message>
    <message>
        <source>NUM LOCK</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>SCROLL LOCK</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>OEM specific</source>
        <translation>OEM-spezifisch</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>E-Mail starten</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Medien auswählen</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>Anwendung 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>Anwendung 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>Je nach Tastatur verschieden. Auf der US-Standardtastatur die &apos;;:&apos;-Taste</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>In jedem Land bzw. jeder Region die &apos;+&apos;-Taste</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>In jedem Land bzw. jeder Region die &apos;,&apos;-Taste</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>In jedem Land bzw. jeder Region die &apos;-&apos;-Taste</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>In jedem Land bzw. jeder Region die &apos;.&apos;-Taste</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>Je nach Tastatur verschieden. Auf der US-Standardtastatur die &apos;/?&apos;-Taste</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>Je nach Tastatur verschieden. Auf der US-Standardtastatur die &apos;`~&apos;-Taste</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>Je nach Tastatur verschieden. Auf der US-Standardtastatur die &apos;[{&apos;-Taste</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>Je nach Tastatur verschieden. Auf der US-Standardtastatur die &apos;\|&apos;-Taste</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>Je nach Tastatur verschieden. Auf der US-Standardtastatur die &apos;]}&apos;-Taste</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>Je nach Tastatur verschieden. Auf der US-Standardtastatur die Taste für Apostroph und Anführungszeichen</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>Je nach Tastatur verschieden.</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>Entweder die Taste mit den spitzen Klammern oder die Backslash-Taste der RT-Tastatur mit 102 Tasten</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>IME-Verarbeitungstaste</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Dient dazu, Unicode-Zeichen so zu übergeben, als wären es Tastenanschläge. Die Taste VK_PACKET ist das niederwertige Wort eines 32-Bit-Werts für virtuelle Tasten, der für Eingabemethoden ohne Tastatur verwendet wird. Weitere Informationen finden Sie in den Hinweisen zu KEYBDINPUT, SendInput, WM_KEYDOWN und WM_KEYUP</translation>
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
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>PA1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
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
        <translation>Feststell</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rollen</translation>
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
        <translation>Druck</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
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
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
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
        <translation>Ende</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Feststell</translation>
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
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Bild ↑</translation>
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
        <translation>Bild ↓</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
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
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
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
        <translation>Tasten mit dunklem Rand werden von diesem Test ignoriert</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>Klicken Sie auf „Defekt“, wenn eine Taste nach dem Drücken nicht markiert wird.</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>An/Aus</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>NumLk</source>
        <translation>Num</translation>
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
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Untbr</translation>
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
        <translation>Rück-
taste</translation>
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
        <translation>Nein</translation>
    </message>
</context>
</TS>
