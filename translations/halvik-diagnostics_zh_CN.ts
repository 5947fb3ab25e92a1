<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>在 %2 中找不到 %1：显示消息键</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>在 %2 中找不到 %1：改为显示英文</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>进度 %1% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>进度 %1% (%2)：%3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>message kind: message</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <comment>message kind: message (the keyboard it is about)</comment>
        <translation>%1：%2 (%3)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>备注：%1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1：%2 (结果 %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 未导出 %2</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>无法访问键盘控制器</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>未找到 (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - 无法运行 PS/2 测试：%2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>被拒绝：%1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 未返回服务</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>该服务报告其尚未就绪</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>模块 %1 (%2)，版本 %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>诊断 %1：%2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>此构建的模块还没有任何测试。</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>测试：</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (交互式)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>模块没有组件管理器</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1：找到 %2 个</translation>
    </message>
    <message>
        <source>present</source>
        <translation>存在</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>PS/2 键盘：%1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>PS/2 键盘：%1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>驱动程序服务：%1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>系统事件：%1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>正在监视 (来自登录管理器的挂起、锁屏和用户切换，以及来自 udev 的键盘热插拔)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>交互式测试：需要有人操作对话框，而此宿主程序无法显示对话框</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>未开始：已被用户取消</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>此构建的模块不包含此测试</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>测试因异常而停止：%1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>系统事件：%1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>系统事件：%1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>无法将报告写入 %1：%2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1：在此构建的模块中，该诊断没有任何测试。</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>备注：%1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1：在命令行中不可用 (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>命令行中不可用</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%2 %1 项</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>汇总：%1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>无法使用工作文件夹 %1：%2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>模块 %1 不提供任何诊断</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>对话框的按键：%1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>PS/2 测试期间对用户操作的监视：%1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
</context>
<context>
    <name>KeyInput</name>
    <message>
        <source>X11</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>X11</translation>
    </message>
    <message>
        <source>event devices</source>
        <translation>事件设备</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>仅限焦点对话框</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>X 服务器 %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>%1 中的事件设备（键盘：%2）</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>Wayland 会话中的 X 服务器 %1，它只能看到在 X 窗口中输入的按键</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>仅限在焦点对话框中输入的按键</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>在 Wayland 会话中（%1）</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>在 X 会话中</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>没有 X 服务器</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>无法打开事件设备（%1）：请以 root 身份或 input 组成员身份运行</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>%1 中没有键盘事件设备</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>此处既没有 X 显示，也没有可读取的输入设备：测试无法得知有人触碰键盘或指针，因此检测不到用户操作</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>测试只能通过 XWayland 看到键盘和指针，而 XWayland 看不到在 Wayland 会话自身窗口中输入的内容：请以 root 身份或 input 组成员身份运行，让测试直接读取设备</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>驱动程序服务：%1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>没有 PS/2 键盘</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>没有 PS/2 键盘：%1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>此处没有系统消息总线 (%1)：测试期间的挂起、锁屏或用户切换将无法察觉</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>系统总线上没有登录管理器 (org.freedesktop.login1)：测试期间的挂起、锁屏或用户切换将无法察觉</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>此程序在登录会话之外运行：测试期间的锁屏或用户切换将无法察觉</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>系统即将挂起</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>系统已从挂起中恢复</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>会话已锁定</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>会话不再处于活动状态 (切换了用户或终端)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>此处无法查询 udev (%1)：测试期间插入或拔出键盘将无法察觉</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>无法启动 udev 监视器 (%1)：测试期间插入或拔出键盘将无法察觉</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>udev 服务未运行：测试期间插入或拔出键盘将无法察觉</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>插入了一个键盘</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>拔出了一个键盘</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>屏幕配置已更改</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>未运行</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>已中止</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>通过但有警告</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>未知结果 %1</translation>
    </message>
    <message>
        <source>info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>类型 %1</translation>
    </message>
</context>
<context>
    <name>TestRunner</name>
    <message>
        <source>the test did not stop within %1 s of the cancel request and was given up</source>
        <translation>测试在取消请求后 %1 秒内未停止，已放弃</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>需要 root 权限</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>内核锁定</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>无键盘控制器</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>被内核拒绝</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>系统事件：%1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>系统事件：%1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[对话框] %1：已打开</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>无结论</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[对话框] %1：以 %2 (%3) 关闭，显示的按键数：%4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>对话框显示的按键数：%1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>工作文件夹：%1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>模块 %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>保存报告(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>测试(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>运行所选测试(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>选择所有自动测试(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>刷新设备列表(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>关于 Halvik Diagnostics(&amp;A)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>驱动程序服务：%1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>模块不提供任何诊断</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>交互式</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>设备列表已刷新：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>找到 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>此构建的模块不包含此测试</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>开始 %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1：%2 (结果 %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>已请求取消</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>已用时 %1，已 %2 无进展</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>已用时 %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[通知] %1：%2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>测试因异常而停止：%1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>关于 Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;键盘模块 %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;工作文件夹：%4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>关闭前正在停止运行中的测试</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>将本次会话的结果保存为可打印的页面 (.html) 或 JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>可打印的页面 (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>无法将报告写入 %1：%2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>报告已保存到 %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>未就绪</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>测试可能仍占用着键盘控制器：请重新启动程序后再运行测试。</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>按键：%1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>对话框的按键：%1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>备注：%1</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::SessionResultsView</name>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>选择一个结果以查看其消息。</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Started %1, took %2</source>
        <translation>开始于 %1，用时 %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>没有消息。</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>备注：%1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>系统事件：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>无法使用工作文件夹 %1：%2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>模块 %1 不提供任何诊断</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
</TS>
