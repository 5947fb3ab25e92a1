<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>%2 に %1 が見つかりません：メッセージキーを表示します</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>%2 に %1 が見つかりません：代わりに英語で表示します</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>進行状況 %1% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>進行状況 %1% (%2)：%3</translation>
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
        <translation>注記：%1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1：%2 (結果 %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 は %2 をエクスポートしていません</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>キーボードコントローラーにアクセスできません</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>見つかりません (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - PS/2 テストを実行できません：%2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>拒否されました：%1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 がサービスを返しませんでした</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>サービスが準備できていないと報告しています</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>モジュール %1 (%2)、バージョン %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>診断 %1：%2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>このビルドのモジュールには、まだテストがありません。</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>テスト：</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (対話型)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>モジュールにコンポーネントマネージャーがありません</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1：%2 台検出</translation>
    </message>
    <message>
        <source>present</source>
        <translation>あり</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>PS/2 キーボード：%1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>PS/2 キーボード：%1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>ドライバーサービス：%1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>システムイベント：%1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>監視中 (ログインマネージャーからのサスペンド、画面ロック、ユーザー切り替え、udev からのキーボードのホットプラグ)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>対話型テスト：ダイアログを操作する人が必要ですが、このホストはダイアログを表示できません</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>未開始：ユーザーがキャンセルしました</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>このビルドのモジュールには、このテストが含まれていません</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>テストが例外で停止しました：%1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>システムイベント：%1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>システムイベント：%1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>レポートを %1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1：このビルドのモジュールには、この診断のテストがありません。</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注記：%1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1：コマンドラインでは利用できません (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>コマンドラインでは利用不可</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%2 %1 件</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>集計：%1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>作業フォルダー %1 を使用できません：%2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>モジュール %1 には診断がありません</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>ダイアログのキー: %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>PS/2 テスト中のユーザー操作の監視: %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません：%1</translation>
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
        <translation>イベントデバイス</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>フォーカスのあるダイアログのみ</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>X サーバー %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>%1 のイベントデバイス（キーボード: %2）</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>Wayland セッション内の X サーバー %1（X ウィンドウに入力されたキーしか見えません）</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>フォーカスのあるダイアログに入力されたキーのみ</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>Wayland セッション上（%1）</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>X セッション上</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>X サーバーなし</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>イベントデバイスを開けません（%1）: root として、または input グループのメンバーとして実行してください</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>%1 にキーボードのイベントデバイスがありません</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>X ディスプレイも読み取り可能な入力デバイスもありません：テストは人がキーボードやポインターに触れたことを知ることができないため、ユーザーの操作は検出されません</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>テストは XWayland を通してしかキーボードとポインターを見られず、Wayland セッション自身のウィンドウへの入力は見えません：デバイスを直接読めるよう、root として、または input グループのメンバーとして実行してください</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>ドライバーサービス：%1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>PS/2 キーボードがありません</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>PS/2 キーボードがありません：%1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>システムメッセージバスがありません (%1)：テスト中のサスペンド、画面ロック、ユーザー切り替えを検知できません</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>システムバスにログインマネージャー (org.freedesktop.login1) がありません：テスト中のサスペンド、画面ロック、ユーザー切り替えを検知できません</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>このプログラムはログインセッションの外で実行されています：テスト中の画面ロックやユーザー切り替えを検知できません</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>システムがサスペンドしようとしています</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>システムがサスペンドから復帰しました</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>セッションがロックされました</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>セッションがアクティブではなくなりました (ユーザーまたは端末の切り替え)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>udev に問い合わせできません (%1)：テスト中のキーボードの接続や取り外しを検知できません</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>udev モニターを開始できませんでした (%1)：テスト中のキーボードの接続や取り外しを検知できません</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>udev サービスが実行されていません：テスト中のキーボードの接続や取り外しを検知できません</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>キーボードが接続されました</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>キーボードが取り外されました</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>画面構成が変更されました</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>未実行</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>警告付きで合格</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>不明な結果 %1</translation>
    </message>
    <message>
        <source>info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>種類 %1</translation>
    </message>
</context>
<context>
    <name>TestRunner</name>
    <message>
        <source>the test did not stop within %1 s of the cancel request and was given up</source>
        <translation>キャンセル要求から %1 秒以内にテストが停止しなかったため、打ち切りました</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>root 権限が必要</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>カーネルロックダウン</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>キーボードコントローラーなし</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>カーネルが拒否</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>システムイベント：%1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>システムイベント：%1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[ダイアログ] %1：開きました</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>判定なし</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[ダイアログ] %1：%2 (%3) で閉じました、表示したキー数：%4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>ダイアログに表示したキー数：%1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>作業フォルダー：%1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>モジュール %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>レポートを保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>テスト(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>選択したテストを実行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>自動テストをすべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>デバイス一覧を更新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>Halvik Diagnostics について(&amp;A)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>ドライバーサービス：%1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>モジュールには診断がありません</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>対話型</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>デバイス一覧を更新しました：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>%n 台検出</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>このビルドのモジュールには、このテストが含まれていません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>%1 を開始します</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1：%2 (結果 %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>キャンセルを要求しました</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>経過 %1、%2 間進捗なし</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>経過 %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[通知] %1：%2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>テストが例外で停止しました：%1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>Halvik Diagnostics について</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;キーボードモジュール %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;作業フォルダー：%4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>終了する前に、実行中のテストを停止しています</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>このセッションの結果を、印刷用のページ (.html) または JSON (.json) として保存します</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>レポートの保存</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>印刷用のページ (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>レポートを %1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>レポートを %1 に保存しました</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>準備未完了</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>テストがまだキーボードコントローラーを使用している可能性があります。テストを再度実行するにはプログラムを再起動してください。</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>キー: %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>ダイアログのキー: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>注記：%1</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::SessionResultsView</name>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>結果を選択すると、そのメッセージが表示されます。</translation>
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
        <translation>開始 %1、所要時間 %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>メッセージはありません。</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>注記：%1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>システムイベント：%1</translation>
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
        <translation>作業フォルダー %1 を使用できません：%2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>モジュール %1 には診断がありません</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
</TS>
