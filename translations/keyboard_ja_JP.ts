<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>キーボードのクイックテスト</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>このコンピューターのキーボードを検査します。PS/2 キーボードのリセット、USB キーボードの識別、キーを押して行う 2 つのテストがあります。</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>PS/2 キーボードテスト</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>キーボードコントローラーを通じて PS/2 キーボードをリセットし、自己診断の応答を確認します。実行中はキーボードやマウスに触れないでください。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>USB キーボードテスト</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>すべての USB キーボードが、ベンダー ID と製品 ID、および製造元名と製品名を報告するかどうかを確認します。</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>キーコード確認テスト</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>最後に押したキーとロックキーの状態を表示し、キーボードが正常に動作しているかどうかを判断できるようにします。</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>詳細テスト</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>ノートパソコンのキーボードの図を表示して押したキーに印を付け、反応しないキーを見つけられるようにします。</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>結果に影響するおそれのあるシステムイベントが発生したため、テストを中止しました。</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>デバイスを識別できないか、デバイスが切断されたため、このテストを実行できません。</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>故障の可能性がある部品</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>テストの実行中にユーザーの操作を検出しました。テストの実行中は、外付けか内蔵かを問わずキーボードやポインティングデバイスに触れずに、もう一度テストを実行してください。</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>キーボードが自己診断に合格しませんでした。正しく接続されていることを確認して、もう一度テストを実行してください。</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>キーボードコントローラーでキーボード割り込みを無効にできませんでした。</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>キーボードコントローラーでキーボード割り込みを再び有効にできませんでした。コンピューターを再起動するまで、キーボードが反応しない可能性があります。</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>キーボードのリピート開始までの時間とリピート速度を元に戻せませんでした。</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>テストが終わるまで、キーボードやマウスに触れないでください。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>この USB キーボードは識別情報を報告しません：</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>製品 ID を報告しない USB キーボードがあります。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>ベンダー ID を報告しない USB キーボードがあります。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>製造元名を報告しない USB キーボードがあります。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>製品名を報告しない USB キーボードがあります。</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>キーコード確認</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>キーボード詳細テスト</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>PS/2 キーボード</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>USB キーボード</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>検出済み</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>ドライバーのバージョン</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>ベンダー ID</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>製品 ID</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>キーコード確認</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>キーボードを自由に操作し、終わったらテスト結果を答えてください。</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>最後に押したキー：</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>ロックキー：</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>キーボードは正常に動作していますか？</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>キーボードのすべてのキーを押してください。押したキーには図の中で印が付きます。</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>レイアウトを選択：</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>説明のためだけに描かれたキーは数に入りません。</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>別のプログラムがキーボードを占有しています。キー入力はこのテストではなくそのプログラムに送られ、ここには表示されません。そのプログラムのメニューまたはダイアログを閉じてください。キーボードが解放されるとすぐにテストが取得します。</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>このデスクトップではテストがキーボードを占有できません。キーはこのウィンドウにフォーカスがある間だけここに表示され、デスクトップのショートカット（Alt+Tab など）は引き続き動作します。</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>左方向キー</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>右方向キー</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>上方向キー</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>下方向キー</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>スペースキー</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>アプリケーションキー</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>ブラウザーの戻る</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>ブラウザーの進む</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>ブラウザーの更新</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>ブラウザーの停止</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>ブラウザーの検索</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>ブラウザーのお気に入り</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>ブラウザーのホーム</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>メディアの停止</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>メディアの再生/一時停止</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>スリープ</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>除算キー</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>予約済みのキーコード</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>未定義のキーコード</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>マウスの左ボタン</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>マウスの右ボタン</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Ctrl+Break 処理</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>マウスの中央ボタン (3 ボタンマウス)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>マウスの X1 ボタン</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>マウスの X2 ボタン</translation>
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
        <translation>IME かなモード</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>IME ハングルモード</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>IME ハングルモード</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>IME Junja モード</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>IME ファイナルモード</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>IME 漢字モード</translation>
    </message>
    <message>
        <source>ESC</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>IME 変換</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>IME 無変換</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>IME 確定</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>IME モード変更要求</translation>
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
        <translation>選択キー</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>印刷キー</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>実行キー</translation>
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
        <translation>左 Windows キー</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>右 Windows キー</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>テンキーの 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>テンキーの 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>テンキーの 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>テンキーの 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>テンキーの 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>テンキーの 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>テンキーの 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>テンキーの 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>テンキーの 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>テンキーの 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乗算キー</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>加算キー</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>区切り記号キー</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>減算キー</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>小数点キー</translation>
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
        <translation>未割り当て</translation>
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
        <translation>OEM 固有</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>メールの起動</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>メディアの選択</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>アプリケーション 1 の起動</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>アプリケーション 2 の起動</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>キーボードによって異なります。US 標準キーボードでは &apos;;:&apos; キー</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>国/地域を問わず &apos;+&apos; キー</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>国/地域を問わず &apos;,&apos; キー</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>国/地域を問わず &apos;-&apos; キー</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>国/地域を問わず &apos;.&apos; キー</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>キーボードによって異なります。US 標準キーボードでは &apos;/?&apos; キー</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>キーボードによって異なります。US 標準キーボードでは &apos;`~&apos; キー</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>キーボードによって異なります。US 標準キーボードでは &apos;[{&apos; キー</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>キーボードによって異なります。US 標準キーボードでは &apos;\|&apos; キー</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>キーボードによって異なります。US 標準キーボードでは &apos;]}&apos; キー</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>キーボードによって異なります。US 標準キーボードでは &apos;一重引用符/二重引用符&apos; キー</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>キーボードによって異なります。</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>RT 102 キーボードの山かっこキーまたはバックスラッシュキー</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>IME 処理キー</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Unicode 文字をキーストロークのように渡すために使われます。VK_PACKET キーは、キーボード以外の入力方式に使われる 32 ビットの仮想キー値の下位ワードです。詳しくは、KEYBDINPUT、SendInput、WM_KEYDOWN、WM_KEYUP の「解説」を参照してください</translation>
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
        <translation>再生</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>PA1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
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
        <translation>スペース</translation>
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
        <translation>枠の濃いキーはこのテストの対象外です</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>押しても印が付かないキーがあれば「不合格」をクリックしてください。</translation>
    </message>
    <message>
        <source>Ins</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>電源</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>前の曲</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次の曲</translation>
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
        <translation>電卓</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>ネット</translation>
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
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
</TS>
