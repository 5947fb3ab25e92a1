<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Test rapidi della tastiera</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Verifica le tastiere di questo computer: ripristino della tastiera PS/2, identificazione delle tastiere USB e due test in cui si premono i tasti.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>Test della tastiera PS/2</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Ripristina la tastiera PS/2 tramite il controller della tastiera e verifica la risposta del suo autotest. Non toccare la tastiera né il mouse durante il test.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>Test della tastiera USB</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Verifica che ogni tastiera USB si identifichi con un identificativo del fornitore e del prodotto e con i nomi del produttore e del prodotto.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Test di verifica dei codici tasto</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Mostra l&apos;ultimo tasto premuto e lo stato dei tasti di blocco, per poter valutare se la tastiera funziona.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Test avanzato</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Mostra un&apos;immagine della tastiera del portatile e segna ogni tasto premuto, per poter individuare i tasti che non rispondono.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>Test interrotto perché si è verificato un evento di sistema che potrebbe comprometterne l&apos;esito.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>Impossibile eseguire questo test: il dispositivo non è stato identificato oppure è stato scollegato.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Possibili componenti difettosi</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>Il test ha rilevato un intervento dell&apos;utente durante l&apos;esecuzione. Eseguire di nuovo il test senza toccare alcuna tastiera o dispositivo di puntamento, collegato o integrato, finché il test è in corso.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>La tastiera non ha superato l&apos;autotest. Verificare che sia collegata correttamente ed eseguire di nuovo il test.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>Impossibile disattivare l&apos;interrupt della tastiera nel controller della tastiera.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>Impossibile riattivare l&apos;interrupt della tastiera nel controller della tastiera. La tastiera potrebbe non rispondere fino al riavvio del computer.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>Impossibile ripristinare il ritardo e la velocità di ripetizione della tastiera.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>Non toccare la tastiera né il mouse fino al termine del test.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>Questa tastiera USB non si identifica:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>Una tastiera USB non riporta alcun identificativo del prodotto.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>Una tastiera USB non riporta alcun identificativo del fornitore.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>Una tastiera USB non riporta alcun nome del produttore.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>Una tastiera USB non riporta alcun nome del prodotto.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Verifica dei codici tasto</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Test avanzato della tastiera</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>Tastiera PS/2</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>Tastiera USB</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>Rilevata</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>Versione del driver</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>ID fornitore</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>ID prodotto</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Verifica dei codici tasto</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Usare liberamente la tastiera e, al termine, indicare il risultato del test.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Ultimo tasto premuto:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Tasti di blocco:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>La tastiera funziona come previsto?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>NO</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>No</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Premere ogni tasto. Ogni tasto premuto viene segnato nell&apos;immagine.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Scegliere il layout:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>I tasti disegnati solo a scopo illustrativo non vengono conteggiati.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Non superato</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>Un altro programma trattiene la tastiera: i tasti arrivano a quel programma invece che a questo test e non vengono mostrati qui. Chiudere il menu o la finestra di dialogo di quel programma; il test prende la tastiera appena è libera.</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>Questo desktop non consente al test di trattenere la tastiera: i tasti vengono mostrati qui solo finché questa finestra ha lo stato attivo, e le scorciatoie del desktop (come Alt+Tab) continuano a funzionare.</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Freccia sinistra</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Freccia destra</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Freccia su</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Freccia giù</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Barra spaziatrice</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Pagina precedente del browser</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Pagina successiva del browser</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Aggiornamento del browser</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Interruzione del browser</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Ricerca nel browser</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Preferiti del browser</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Pagina iniziale del browser</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Abbassa volume</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Alza volume</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Interrompi riproduzione</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>Sospensione</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>Codice tasto riservato</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>Codice tasto non definito</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>Pulsante sinistro del mouse</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Pulsante destro del mouse</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Elaborazione dell&apos;interruzione Ctrl+Pausa</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>Pulsante centrale del mouse (mouse a tre pulsanti)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>Pulsante X1 del mouse</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>Pulsante X2 del mouse</translation>
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
        <translation>Invio</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Maiusc</translation>
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
        <translation>Pausa</translation>
    </message>
    <message>
        <source>CAPS LOCK</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>IME Kana mode</source>
        <translation>Modalità Kana dell&apos;IME</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>Modalità Hanguel dell&apos;IME</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>Modalità Hangul dell&apos;IME</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>Modalità Junja dell&apos;IME</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>Modalità finale dell&apos;IME</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>Modalità Hanja dell&apos;IME</translation>
    </message>
    <message>
        <source>ESC</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>Conversione dell&apos;IME</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>Nessuna conversione dell&apos;IME</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>Accettazione dell&apos;IME</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>Richiesta di cambio modalità dell&apos;IME</translation>
    </message>
    <message>
        <source>PAGE UP</source>
        <translation>Pag su</translation>
    </message>
    <message>
        <source>PAGE DOWN</source>
        <translation>Pag giù</translation>
    </message>
    <message>
        <source>END</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>HOME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Home</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>PRINT SCREEN</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Canc</translation>
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
        <translation>Windows sinistro</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows destro</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>Tastierino numerico 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>Tastierino numerico 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>Tastierino numerico 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>Tastierino numerico 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>Tastierino numerico 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>Tastierino numerico 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>Tastierino numerico 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>Tastierino numerico 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>Tastierino numerico 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>Tastierino numerico 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Tasto addizione</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>Tasto separatore</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>Tasto sottrazione</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>Tasto decimale</translation>
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
        <translation>Non assegnato</translation>
    </message>
    <message>
        <source>NUM LOCK</source>
        <translation>Bloc Num</translation>
    </message>
    <message>
        <source>SCROLL LOCK</source>
        <translation>Bloc Scorr</translation>
    </message>
    <message>
        <source>OEM specific</source>
        <translation>Specifico dell&apos;OEM</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>Avvia posta</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Seleziona media</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>Applicazioni 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>Applicazioni 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>Può variare in base alla tastiera. Il tasto «;:» sulla tastiera standard statunitense</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>Il tasto «+» in qualsiasi paese o area geografica</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>Il tasto «,» in qualsiasi paese o area geografica</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>Il tasto «-» in qualsiasi paese o area geografica</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>Il tasto «.» in qualsiasi paese o area geografica</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>Può variare in base alla tastiera. Il tasto «/?» sulla tastiera standard statunitense</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>Può variare in base alla tastiera. Il tasto «`~» sulla tastiera standard statunitense</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>Può variare in base alla tastiera. Il tasto «[{» sulla tastiera standard statunitense</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>Può variare in base alla tastiera. Il tasto «\|» sulla tastiera standard statunitense</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>Può variare in base alla tastiera. Il tasto «]}» sulla tastiera standard statunitense</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>Può variare in base alla tastiera. Il tasto apostrofo/virgolette sulla tastiera standard statunitense</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>Può variare in base alla tastiera.</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>Il tasto delle parentesi angolari o il tasto della barra rovesciata sulla tastiera RT a 102 tasti</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>Tasto di elaborazione dell&apos;IME</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Usato per passare caratteri Unicode come se fossero sequenze di tasti. Il tasto VK_PACKET è la parola meno significativa di un valore di tasto virtuale a 32 bit usato per i metodi di input diversi dalla tastiera. Per ulteriori informazioni, vedere la sezione Osservazioni di KEYBDINPUT, SendInput, WM_KEYDOWN e WM_KEYUP</translation>
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
        <translation>Cancella EOF</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
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
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>KeycodeTestWidget</name>
    <message>
        <source>Num</source>
        <translation>Bloc Num</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Bloc Scorr</translation>
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
        <translation>Stamp</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Canc</translation>
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
        <translation>↖</translation>
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
        <translation>Fine</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Bloc
Maiusc</translation>
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
        <translation>Invio</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Pag↑</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
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
        <translation>Pag↓</translation>
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
        <translation>Spazio</translation>
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
        <translation>I tasti con il bordo scuro vengono ignorati da questo test</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>Fare clic su Non superato se un tasto premuto non viene segnato.</translation>
    </message>
    <message>
        <source>Ins</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Alim</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Prec</translation>
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
        <translation>Succ</translation>
    </message>
    <message>
        <source>NumLk</source>
        <translation>Bloc
Num</translation>
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
        <translation>Blocca</translation>
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
        <translation>Interr</translation>
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
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>No</translation>
    </message>
</context>
</TS>
