<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>%1 nicht gefunden in %2: Meldungsschlüssel werden angezeigt</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>%1 nicht gefunden in %2: stattdessen wird Englisch angezeigt</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>Fortschritt %1 % (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>Fortschritt %1 % (%2): %3</translation>
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
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (Ergebnis %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 exportiert %2 nicht</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>der Tastaturcontroller ist nicht erreichbar</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>nicht gefunden (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - der PS/2-Tastaturtest kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 hat keinen Dienst geliefert</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>der Dienst meldet, dass er nicht bereit ist</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>Modul %1 (%2), Version %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>Diagnose %1: %2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>Dieser Build des Moduls enthält noch keine Tests.</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tests:</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (interaktiv)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>das Modul hat keine Komponentenverwaltung</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1: %2 gefunden</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>PS/2-Tastatur: %1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>PS/2-Tastatur: %1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Treiberdienst: %1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Systemereignisse: %1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>überwacht (Bereitschaft, Bildschirmsperre und Benutzerwechsel über den Login-Manager, Anschließen und Trennen von Tastaturen über udev)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>interaktiver Test: braucht eine Person an einem Dialog, den dieses Programm nicht anzeigen kann</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>nicht gestartet: vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>dieser Build des Moduls enthält diesen Test nicht</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>der Test wurde mit einer Ausnahme beendet: %1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>Systemereignis: %1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>Systemereignisse: %1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>der Bericht kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1: Die Diagnose hat in diesem Build des Moduls keine Tests.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1: auf der Befehlszeile nicht verfügbar (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>auf der Befehlszeile nicht verfügbar</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Zusammenfassung: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>Arbeitsordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>das Modul %1 bietet keine Diagnose an</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Tasten der Dialoge: %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>Beobachtung des Benutzers im PS/2-Test: %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: %1</translation>
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
        <translation>Ereignisgeräte</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>nur der fokussierte Dialog</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>der X-Server %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>die Ereignisgeräte in %1 (Tastaturen: %2)</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>der X-Server %1 innerhalb der Wayland-Sitzung, der nur Tasten sieht, die in X-Fenster getippt werden</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>nur die Tasten, die im fokussierten Dialog getippt werden</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>in einer Wayland-Sitzung (%1)</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>in einer X-Sitzung</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>ohne X-Server</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>die Ereignisgeräte lassen sich nicht öffnen (%1): als root oder als Mitglied der Gruppe input ausführen</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>kein Tastatur-Ereignisgerät in %1</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>weder ein X-Display noch ein lesbares Eingabegerät vorhanden: Die Tests sehen nicht, ob jemand die Tastatur oder das Zeigegerät berührt, ein Benutzereingriff bleibt daher unerkannt</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>die Tests sehen Tastatur und Zeigegerät nur über XWayland, das nicht sieht, was in die eigenen Fenster der Wayland-Sitzung getippt wird: als root oder als Mitglied der Gruppe input ausführen, damit sie die Geräte selbst lesen</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>Treiberdienst %1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>keine PS/2-Tastatur</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>keine PS/2-Tastatur: %1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>kein Systemnachrichtenbus vorhanden (%1): Bereitschaft, Bildschirmsperre oder Benutzerwechsel während eines Tests bleiben unbemerkt</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>kein Login-Manager (org.freedesktop.login1) am Systembus: Bereitschaft, Bildschirmsperre oder Benutzerwechsel während eines Tests bleiben unbemerkt</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>dieses Programm läuft außerhalb einer Anmeldesitzung: Bildschirmsperre oder Benutzerwechsel während eines Tests bleiben unbemerkt</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>das System wechselt gleich in die Bereitschaft</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>das System ist aus der Bereitschaft zurückgekehrt</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>die Sitzung wurde gesperrt</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>die Sitzung ist nicht mehr die aktive (Benutzer- oder Terminalwechsel)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>udev kann hier nicht abgefragt werden (%1): Eine während eines Tests angeschlossene oder getrennte Tastatur bleibt unbemerkt</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>der udev-Monitor konnte nicht gestartet werden (%1): Eine während eines Tests angeschlossene oder getrennte Tastatur bleibt unbemerkt</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>der udev-Dienst läuft nicht: Eine während eines Tests angeschlossene oder getrennte Tastatur bleibt unbemerkt</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>eine Tastatur wurde angeschlossen</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>eine Tastatur wurde getrennt</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>die Bildschirmkonfiguration hat sich geändert</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>nicht ausgeführt</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>bestanden mit Warnungen</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>interner Fehler</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>unbekanntes Ergebnis %1</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>Art %1</translation>
    </message>
</context>
<context>
    <name>TestRunner</name>
    <message>
        <source>the test did not stop within %1 s of the cancel request and was given up</source>
        <translation>der Test hat %1 s nach der Abbruchanforderung nicht angehalten und wurde aufgegeben</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>root-Rechte nötig</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>Kernel-Lockdown</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>kein Tastaturcontroller</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>vom Kernel abgelehnt</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Systemereignisse: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Systemereignis: %1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[Dialog] %1: geöffnet</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>kein Urteil</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[Dialog] %1: geschlossen mit %2 (%3), angezeigte Tasten: %4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>Tasten im Dialog: %1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>Arbeitsordner: %1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>Modul %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Test</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>Bericht &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>Ausgewählte Tests &amp;ausführen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>Alle a&amp;utomatischen Tests auswählen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>Geräte &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>Ü&amp;ber Halvik Diagnostics</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Treiberdienst: %1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>Das Modul bietet keine Diagnose an</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>interaktiv</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>Geräteliste aktualisiert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>%n gefunden</numerusform>
            <numerusform>%n gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>dieser Build des Moduls enthält diesen Test nicht</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>%1 wird gestartet</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (Ergebnis %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>Abbruch angefordert</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>Laufzeit %1, seit %2 ohne Fortschritt</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Laufzeit %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[Hinweis] %1: %2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>Der Test wurde mit einer Ausnahme beendet: %1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>Über Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Tastaturmodul %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Arbeitsordner: %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>Der laufende Test wird vor dem Schließen beendet</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>Die Ergebnisse dieser Sitzung als druckbare Seite (.html) oder als JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>Druckbare Seite (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>Der Bericht kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Bericht unter %1 gespeichert</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>nicht bereit</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>Der Test belegt möglicherweise noch den Tastaturcontroller: Starten Sie das Programm neu, um wieder Tests auszuführen.</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Tasten: %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Tasten der Dialoge: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::SessionResultsView</name>
    <message>
        <source>Test</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>Wählen Sie ein Ergebnis aus, um seine Meldungen zu sehen.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Started %1, took %2</source>
        <translation>Beginn: %1, Dauer: %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Keine Meldungen.</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Systemereignis: %1</translation>
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
        <translation>Arbeitsordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>das Modul %1 bietet keine Diagnose an</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
</TS>
