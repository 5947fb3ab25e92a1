<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>%1 not found in %2: showing message keys</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>%1 not found in %2: showing English instead</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>progress %1% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>progress %1% (%2): %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>message kind: message</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <comment>message kind: message (the keyboard it is about)</comment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>note: %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (result %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 does not export %2</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>the keyboard controller cannot be reached</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>not found (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - the PS/2 test cannot run: %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refused: %1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 returned no service</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>the service says it is not ready</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>Module %1 (%2), version %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>Diagnostic %1: %2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>This build of the module has no tests yet.</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Tests:</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (interactive)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>the module has no component manager</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1: %2 found</translation>
    </message>
    <message>
        <source>present</source>
        <translation>present</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>not present</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>PS/2 keyboard: %1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>PS/2 keyboard: %1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Driver service: %1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>System events: %1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>interactive test: needs a person at a dialog, which this host cannot show</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>not started: cancelled by the user</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>this build of the module does not contain this test</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>the test stopped with an exception: %1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>system event: %1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>system events: %1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>cannot write the report to %1: %2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1: the diagnostic has no tests in this build of the module.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>note: %1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1: unavailable on the command line (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>unavailable on the command line</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Summary: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>cannot use working folder %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>the module %1 offers no diagnostic</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Dialog keys: %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>PS/2 test&apos;s watch for the user: %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
</context>
<context>
    <name>KeyInput</name>
    <message>
        <source>X11</source>
        <translation>X11</translation>
    </message>
    <message>
        <source>event devices</source>
        <translation>event devices</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>focused dialog only</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>the X server %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>the event devices in %1 (keyboards: %2)</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>the X server %1 inside the Wayland session, which sees only keys typed into X windows</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>only the keys typed into the focused dialog</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>on a Wayland session (%1)</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>on an X session</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>with no X server</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>the event devices cannot be opened (%1): run as root or as a member of the input group</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>no keyboard event device in %1</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>driver service %1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>no PS/2 keyboard</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>no PS/2 keyboard: %1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>the system is about to suspend</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>the system has resumed from suspend</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>the session was locked</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>the session stopped being the active one (a user or terminal switch)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>the udev service is not running: a keyboard plugged in or out during a test goes unseen</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>a keyboard was plugged in</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>a keyboard was unplugged</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>the screen configuration changed</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>not run</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>aborted</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>passed with warnings</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>internal error</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>unknown result %1</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>failure</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>kind %1</translation>
    </message>
</context>
<context>
    <name>TestRunner</name>
    <message>
        <source>the test did not stop within %1 s of the cancel request and was given up</source>
        <translation>the test did not stop within %1 s of the cancel request and was given up</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>needs root</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>kernel lockdown</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>no keyboard controller</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>refused by the kernel</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>System events: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>System event: %1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[dialog] %1: opened</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>no verdict</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[dialog] %1: closed with %2 (%3), keys shown: %4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>Keys shown in dialog: %1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>Working folder: %1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>Module %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Save Report...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>&amp;Run Selected Tests</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>Select All &amp;Automatic Tests</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>&amp;Refresh Devices</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>&amp;About Halvik Diagnostics</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>ready</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Driver service: %1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>The module offers no diagnostic</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>interactive</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>Device list refreshed: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>%n found</numerusform>
            <numerusform>%n found</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>this build of the module does not contain this test</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>Starting %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (result %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>Cancel requested</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>Elapsed %1, no progress for %2</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Elapsed %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[notice] %1: %2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>The test stopped with an exception: %1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>About Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>Stopping the running test before closing</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>The results of this session as a page to print (.html) or as JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Save Report</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>Page to print (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>Cannot write the report to %1: %2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Report saved to %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>not ready</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>The test may still hold the keyboard controller: restart the program to run tests again.</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Keys: %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Dialog keys: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::SessionResultsView</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>Select a result to see its messages.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Started %1, took %2</source>
        <translation>Started %1, took %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>No messages.</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>System event: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Halvik Diagnostics</source>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>cannot use working folder %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>the module %1 offers no diagnostic</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
</context>
</TS>
