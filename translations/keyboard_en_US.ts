<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Quick Keyboard Tests</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Checks the keyboards of this computer: a PS/2 keyboard reset, the identification of USB keyboards, and two tests in which you press keys.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>PS/2 Keyboard Test</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Resets the PS/2 keyboard through the keyboard controller and checks its self-test answer. Do not touch the keyboard or the mouse while it runs.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>USB Keyboard Test</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Checks that every USB keyboard identifies itself with a vendor and product identifier and with its manufacturer and product names.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Keycode Verification Test</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Shows the last key you pressed and the state of the lock keys, so that you can judge whether the keyboard works.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Advanced Test</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Shows a picture of the laptop&apos;s keyboard and marks every key you press, so that you can find keys that do not respond.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>Test aborted because a system event that could compromise the outcome has happened.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>This test cannot be performed because the device could not be identified or has been disconnected.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Possible defective components</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>The test detected user intervention while running. Please run the test again without touching any attached or built-in keyboard or pointing device while the test is running.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>The keyboard did not pass its self-test. Check that it is connected properly and run the test again.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>The keyboard interrupt could not be switched off at the keyboard controller.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>The keyboard interrupt could not be switched back on at the keyboard controller. The keyboard may not respond until the computer is restarted.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>The keyboard&apos;s repeat delay and rate could not be restored.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>Please do not touch the keyboard or the mouse until the test has finished.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>This USB keyboard does not identify itself:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no product identifier.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no vendor identifier.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no manufacturer name.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no product name.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Keycode Verification</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Advanced Keyboard Test</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>PS/2 keyboard</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>USB keyboard</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>Detected</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>Driver version</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>Vendor ID</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>Product ID</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Keycode Verification</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Feel free to use your keyboard, and give the test result when you have finished.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Latest pressed key:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Toggle keys:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>Is your keyboard behaving as expected?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Press every key of your keyboard. Each key you press is marked in the picture.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Choose layout:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>Keys drawn for illustration only are not counted.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>Another program holds the keyboard, so keys reach it instead of this test and do not show here. Close that program&apos;s menu or dialog: the test takes the keyboard as soon as it is free.</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>This desktop does not let the test hold the keyboard: keys show here only while this window has the focus, and the desktop&apos;s own shortcuts (such as Alt+Tab) still act.</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Left Arrow</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Right Arrow</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Down Arrow</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Spacebar</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Browser Back</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Browser Favorites</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Volume Mute</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Stop Media</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Play/Pause Media</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>Reserved keycode</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>Undefined keycode</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>Left mouse button</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Right mouse button</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Control-break processing</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>Middle mouse button (three-button mouse)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>X1 mouse button</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>X2 mouse button</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>CAPS LOCK</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>IME Kana mode</source>
        <translation>IME Kana mode</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>IME Hanguel mode</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>IME Hangul mode</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>IME Junja mode</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>IME final mode</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>IME Hanja mode</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>IME convert</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>IME nonconvert</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>IME accept</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>IME mode change request</translation>
    </message>
    <message>
        <source>PAGE UP</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>PAGE DOWN</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>END</source>
        <translation>End</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>Execute</translation>
    </message>
    <message>
        <source>PRINT SCREEN</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>DEL</source>
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
        <translation>Left Windows</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Right Windows</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>Numeric keypad 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>Numeric keypad 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>Numeric keypad 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>Numeric keypad 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>Numeric keypad 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>Numeric keypad 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>Numeric keypad 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>Numeric keypad 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>Numeric keypad 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>Numeric keypad 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiply</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Add key</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>Separator key</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>Subtract key</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>Decimal key</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>F13</source>
        <translation>F13</translation>
    </message>
    <message>
        <source>F14</source>
        <translation>F14</translation>
    </message>
    <message>
        <source>F15</source>
        <translation>F15</translation>
    </message>
    <message>
        <source>F16</source>
        <translation>F16</translation>
    </message>
    <message>
        <source>F17</source>
        <translation>F17</translation>
    </message>
    <message>
        <source>F18</source>
        <translation>F18</translation>
    </message>
    <message>
        <source>F19</source>
        <translation>F19</translation>
    </message>
    <message>
        <source>F20</source>
        <translation>F20</translation>
    </message>
    <message>
        <source>F21</source>
        <translation>F21</translation>
    </message>
    <message>
        <source>F22</source>
        <translation>F22</translation>
    </message>
    <message>
        <source>F23</source>
        <translation>F23</translation>
    </message>
    <message>
        <source>F24</source>
        <translation>F24</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Unassigned</translation>
    </message>
    <message>
        <source>NUM LOCK</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>SCROLL LOCK</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>OEM specific</source>
        <translation>OEM specific</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>Start Mail</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Select Media</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>Applications 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>Applications 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>For any country/region, the &apos;+&apos; key</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>For any country/region, the &apos;,&apos; key</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>For any country/region, the &apos;-&apos; key</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>For any country/region, the &apos;.&apos; key</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>It can vary by keyboard.</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>Either the angle bracket key or the backslash key on the RT 102-key keyboard</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>IME PROCESS key</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</translation>
    </message>
    <message>
        <source>Attn</source>
        <translation>Attn</translation>
    </message>
    <message>
        <source>CrSel</source>
        <translation>CrSel</translation>
    </message>
    <message>
        <source>ExSel</source>
        <translation>ExSel</translation>
    </message>
    <message>
        <source>Erase EOF</source>
        <translation>Erase EOF</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>PA1</source>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>KeycodeTestWidget</name>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Caps</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scroll</translation>
    </message>
</context>
<context>
    <name>AdvancedTestWidget</name>
    <message>
        <source>LAYOUT_TKN</source>
        <translation>LAYOUT_TKN</translation>
    </message>
    <message>
        <source>PrtSc</source>
        <translation>PrtSc</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
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
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Tab</source>
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
        <translation>End</translation>
    </message>
    <message>
        <source>Caps</source>
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
        <translation>Enter</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Shift</source>
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
        <translation>Up</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>PgDn</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Fn</source>
        <translation>Fn</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Dark bordered keys are ignored by this test</source>
        <translation>Dark bordered keys are ignored by this test</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>Click Fail if any key is not marked after being pressed.</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Pwr</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>NumLk</source>
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
        <translation>Calc</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Break</source>
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
        <translation> 無変換</translation>
    </message>
    <message>
        <source>変換</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>カタカナ
ひらがな
ローマ字</source>
        <translation>カタカナ
ひらがな
ローマ字</translation>
    </message>
    <message>
        <source>REFRESH_TKN</source>
        <translation>REFRESH_TKN</translation>
    </message>
    <message>
        <source>TEST_FEEDBACK_TKN</source>
        <translation>TEST_FEEDBACK_TKN</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
</TS>
