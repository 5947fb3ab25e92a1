<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>OutcomeDisplay</name>
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
</context>
</TS>
