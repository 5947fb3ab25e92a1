<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>%1 niet gevonden in %2: berichtsleutels worden getoond</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>%1 niet gevonden in %2: in plaats daarvan wordt Engels getoond</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>voortgang %1% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>voortgang %1% (%2): %3</translation>
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
        <translation>opmerking: %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (resultaat %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 exporteert %2 niet</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>de toetsenbordcontroller is niet bereikbaar</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>niet gevonden (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - de PS/2-toetsenbordtest kan niet worden uitgevoerd: %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>geweigerd: %1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 gaf geen dienst terug</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>de dienst meldt dat hij niet gereed is</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>fout: %1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>Module %1 (%2), versie %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>Diagnose %1: %2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>Deze build van de module bevat nog geen tests.</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tests:</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (interactief)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>de module heeft geen componentbeheer</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Aansluiting</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1: %2 gevonden</translation>
    </message>
    <message>
        <source>present</source>
        <translation>aanwezig</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>niet aanwezig</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>PS/2-toetsenbord: %1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>PS/2-toetsenbord: %1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Stuurprogrammaservice: %1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Systeemgebeurtenissen: %1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>bewaakt (slaapstand, schermvergrendeling en gebruikerswissels via de aanmeldbeheerder, aansluiten en loskoppelen van toetsenborden via udev)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>interactieve test: vereist iemand bij een dialoogvenster, dat dit programma niet kan tonen</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>niet gestart: geannuleerd door de gebruiker</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>deze build van de module bevat deze test niet</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>de test is gestopt met een uitzondering: %1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>systeemgebeurtenis: %1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>systeemgebeurtenissen: %1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>kan het rapport niet naar %1 schrijven: %2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1: de diagnose heeft geen tests in deze build van de module.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>opmerking: %1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1: niet beschikbaar op de opdrachtregel (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>niet beschikbaar op de opdrachtregel</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Samenvatting: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>waarschuwing: %1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>kan werkmap %1 niet gebruiken: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>de module %1 biedt geen diagnose</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Toetsen van de dialogen: %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>Bewaking van de gebruiker tijdens de PS/2-test: %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan niet naar de standaarduitvoer schrijven: %1</translation>
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
        <translation>event-apparaten</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>alleen de actieve dialoog</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>de X-server %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>de event-apparaten in %1 (toetsenborden: %2)</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>de X-server %1 binnen de Wayland-sessie, die alleen toetsen ziet die in X-vensters worden getypt</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>alleen de toetsen die in de actieve dialoog worden getypt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niets</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>in een Wayland-sessie (%1)</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>in een X-sessie</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>zonder X-server</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>de event-apparaten kunnen niet worden geopend (%1): start als root of als lid van de groep input</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>geen toetsenbord-event-apparaat in %1</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>geen X-display en geen leesbaar invoerapparaat aanwezig: de tests kunnen niet zien of iemand het toetsenbord of het aanwijsapparaat aanraakt, dus handelingen van de gebruiker blijven onopgemerkt</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>de tests zien het toetsenbord en het aanwijsapparaat alleen via XWayland, dat niet ziet wat in de eigen vensters van de Wayland-sessie wordt getypt: start als root of als lid van de groep input zodat ze de apparaten zelf lezen</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>stuurprogrammaservice %1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>geen PS/2-toetsenbord</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>geen PS/2-toetsenbord: %1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>geen systeemberichtenbus aanwezig (%1): slaapstand, schermvergrendeling of een gebruikerswissel tijdens een test blijft onopgemerkt</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>geen aanmeldbeheerder (org.freedesktop.login1) op de systeembus: slaapstand, schermvergrendeling of een gebruikerswissel tijdens een test blijft onopgemerkt</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>dit programma draait buiten een aanmeldsessie: schermvergrendeling of een gebruikerswissel tijdens een test blijft onopgemerkt</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>het systeem gaat zo naar de slaapstand</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>het systeem is uit de slaapstand ontwaakt</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>de sessie is vergrendeld</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>de sessie is niet langer de actieve (een wissel van gebruiker of terminal)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>udev kan hier niet worden bevraagd (%1): een toetsenbord dat tijdens een test wordt aangesloten of losgekoppeld, blijft onopgemerkt</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>de udev-monitor kon niet worden gestart (%1): een toetsenbord dat tijdens een test wordt aangesloten of losgekoppeld, blijft onopgemerkt</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>de udev-service draait niet: een toetsenbord dat tijdens een test wordt aangesloten of losgekoppeld, blijft onopgemerkt</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>er is een toetsenbord aangesloten</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>er is een toetsenbord losgekoppeld</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>de schermconfiguratie is gewijzigd</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>geslaagd</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>mislukt</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>niet uitgevoerd</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>afgebroken</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>geslaagd met waarschuwingen</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>interne fout</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>onbekend resultaat %1</translation>
    </message>
    <message>
        <source>info</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>info</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>waarschuwing</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>soort %1</translation>
    </message>
</context>
<context>
    <name>TestRunner</name>
    <message>
        <source>the test did not stop within %1 s of the cancel request and was given up</source>
        <translation>de test stopte niet binnen %1 s na het annuleringsverzoek en is opgegeven</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>rootrechten vereist</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>kernel-lockdown</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>geen toetsenbordcontroller</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>geweigerd door de kernel</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Systeemgebeurtenissen: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Systeemgebeurtenis: %1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[dialoog] %1: geopend</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>geen oordeel</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[dialoog] %1: gesloten met %2 (%3), getoonde toetsen: %4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>Toetsen in dialoog: %1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>Werkmap: %1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Module %1</translation>
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
        <translation>Soort</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Apparaten</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschap</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Uitvoeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>Rapport &amp;opslaan...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>Geselecteerde tests &amp;uitvoeren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>Alle automatische tests &amp;selecteren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>Apparaten &amp;vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>&amp;Over Halvik Diagnostics</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>geweigerd</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>niet gevonden</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>gereed</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Stuurprogrammaservice: %1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>De module biedt geen diagnose</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>interactief</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>Apparatenlijst vernieuwd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>%n gevonden</numerusform>
            <numerusform>%n gevonden</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>deze build van de module bevat deze test niet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>%1 wordt gestart</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (resultaat %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>Annulering aangevraagd</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>Verstreken: %1, al %2 geen voortgang</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Verstreken: %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[melding] %1: %2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>De test is gestopt met een uitzondering: %1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>Over Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Toetsenbordmodule %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Werkmap: %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>De lopende test wordt vóór het sluiten gestopt</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>De resultaten van deze sessie als af te drukken pagina (.html) of als JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Rapport opslaan</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>Af te drukken pagina (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>Kan het rapport niet naar %1 schrijven: %2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Rapport opgeslagen in %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>niet gereed</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>De test houdt de toetsenbordcontroller mogelijk nog vast: start het programma opnieuw om weer tests uit te voeren.</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Toetsen: %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Toetsen van de dialogen: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Opmerking: %1</translation>
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
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestart</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duur</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>Selecteer een resultaat om de meldingen ervan te zien.</translation>
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
        <translation>Gestart: %1, duur: %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Geen meldingen.</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Opmerking: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Systeemgebeurtenis: %1</translation>
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
        <translation>kan werkmap %1 niet gebruiken: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>de module %1 biedt geen diagnose</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>fout: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>waarschuwing: %1</translation>
    </message>
</context>
</TS>
