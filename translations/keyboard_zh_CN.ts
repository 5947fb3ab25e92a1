<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>键盘快速测试</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>检查本计算机的键盘：PS/2 键盘复位、USB 键盘识别，以及两项需要您按键的测试。</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>PS/2 键盘测试</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>通过键盘控制器复位 PS/2 键盘，并检查其自检应答。运行期间请勿触碰键盘或鼠标。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>USB 键盘测试</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>检查每个 USB 键盘是否报告了供应商 ID 和产品 ID，以及制造商名称和产品名称。</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>键码验证测试</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>显示最近按下的键和锁定键的状态，以便您判断键盘是否正常工作。</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>高级测试</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>显示笔记本电脑键盘的示意图，并标记您按下的每个键，以便找出没有反应的键。</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>由于发生了可能影响测试结果的系统事件，测试已中止。</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>由于无法识别设备或设备已断开连接，无法执行此测试。</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>可能有故障的部件</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>测试运行期间检测到用户操作。请重新运行测试，并在测试运行期间不要触碰任何外接或内置的键盘或指点设备。</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>键盘未通过自检。请检查键盘是否连接正确，然后重新运行测试。</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>无法在键盘控制器上关闭键盘中断。</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>无法在键盘控制器上重新开启键盘中断。在重新启动计算机之前，键盘可能没有响应。</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>无法恢复键盘的重复延迟和重复速率。</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>测试完成之前，请勿触碰键盘或鼠标。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>此 USB 键盘未报告其标识信息：</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>有一个 USB 键盘未报告产品 ID。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>有一个 USB 键盘未报告供应商 ID。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>有一个 USB 键盘未报告制造商名称。</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>有一个 USB 键盘未报告产品名称。</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>键码验证</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>键盘高级测试</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>PS/2 键盘</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>USB 键盘</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>已检测到</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>驱动程序版本</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>供应商 ID</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>产品 ID</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>键码验证</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>请随意使用键盘，完成后给出测试结果。</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>最近按下的键：</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>锁定键：</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>键盘工作正常吗？</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>请按下键盘上的每一个键。您按下的键会在图中标记出来。</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>选择布局：</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>仅作示意的键不计入。</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>另一个程序正占用键盘：按键会发送到该程序而不是本测试，并且不会在此显示。请关闭该程序的菜单或对话框；键盘一旦空闲，测试将立即接管。</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>此桌面不允许测试独占键盘：仅当此窗口获得焦点时按键才会在此显示，桌面自身的快捷键（如 Alt+Tab）仍然有效。</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>向左键</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>向右键</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>向上键</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>向下键</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>空格键</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>应用程序键</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>调低音量</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>调高音量</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>睡眠</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>除号键</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>保留的键码</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>未定义的键码</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Ctrl+Break 处理</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>鼠标中键 (三键鼠标)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>鼠标 X1 键</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>鼠标 X2 键</translation>
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
        <translation>IME 假名模式</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>IME 韩文模式</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>IME 韩文模式</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>IME Junja 模式</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>IME 最终模式</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>IME 汉字模式</translation>
    </message>
    <message>
        <source>ESC</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>IME 转换</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>IME 不转换</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>IME 接受</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>IME 模式更改请求</translation>
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
        <translation>选择键</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>打印键</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>执行键</translation>
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
        <translation>左 Windows 键</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>右 Windows 键</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>数字小键盘 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>数字小键盘 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>数字小键盘 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>数字小键盘 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>数字小键盘 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>数字小键盘 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>数字小键盘 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>数字小键盘 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>数字小键盘 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>数字小键盘 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乘号键</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>加号键</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>分隔符键</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>减号键</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>小数点键</translation>
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
        <translation>未分配</translation>
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
        <translation>OEM 专用</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>启动邮件</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>选择媒体</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>启动应用程序 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>启动应用程序 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>因键盘而异。在美式标准键盘上为 &apos;;:&apos; 键</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>任何国家/地区均为 &apos;+&apos; 键</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>任何国家/地区均为 &apos;,&apos; 键</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>任何国家/地区均为 &apos;-&apos; 键</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>任何国家/地区均为 &apos;.&apos; 键</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>因键盘而异。在美式标准键盘上为 &apos;/?&apos; 键</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>因键盘而异。在美式标准键盘上为 &apos;`~&apos; 键</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>因键盘而异。在美式标准键盘上为 &apos;[{&apos; 键</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>因键盘而异。在美式标准键盘上为 &apos;\|&apos; 键</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>因键盘而异。在美式标准键盘上为 &apos;]}&apos; 键</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>因键盘而异。在美式标准键盘上为 &apos;单引号/双引号&apos; 键</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>因键盘而异。</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>RT 102 键键盘上的尖括号键或反斜杠键</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>IME 处理键</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>用于像击键一样传递 Unicode 字符。VK_PACKET 键是用于非键盘输入法的 32 位虚拟键值的低位字。有关详细信息，请参阅 KEYBDINPUT、SendInput、WM_KEYDOWN 和 WM_KEYUP 的备注部分</translation>
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
        <translation>播放</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>PA1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
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
        <translation>空格</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
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
        <translation>深色边框的键不参与本测试</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>如有按键按下后未被标记，请单击“失败”。</translation>
    </message>
    <message>
        <source>Ins</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>电源</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一曲</translation>
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
        <translation>计算器</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
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
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
</TS>
