<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>impossibile trovare %1 in %2: vengono mostrate le chiavi dei messaggi</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>impossibile trovare %1 in %2: viene mostrato l&apos;inglese</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>avanzamento %1% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>avanzamento %1% (%2): %3</translation>
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
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (risultato %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 non esporta %2</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>il controller della tastiera non è raggiungibile</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>non trovato (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - impossibile eseguire il test PS/2: %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rifiutato: %1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 non ha restituito alcun servizio</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>il servizio segnala di non essere pronto</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file regolare</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>errore: %1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>Modulo %1 (%2), versione %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>Diagnostica %1: %2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>Questa versione del modulo non contiene ancora alcun test.</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Test:</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (interattivo)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>il modulo non ha un gestore dei componenti</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1: trovati %2</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>assente</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>Tastiera PS/2: %1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>Tastiera PS/2: %1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Servizio del driver: %1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Eventi di sistema: %1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>monitorati (sospensione, blocco dello schermo e cambi utente dal gestore degli accessi, collegamento a caldo delle tastiere da udev)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>test interattivo: richiede una persona davanti a una finestra di dialogo, che questo host non può mostrare</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>non avviato: annullato dall&apos;utente</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>questa versione del modulo non contiene questo test</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>il test si è interrotto a causa di un&apos;eccezione: %1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>evento di sistema: %1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>eventi di sistema: %1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>impossibile scrivere il rapporto in %1: %2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1: la diagnostica non contiene alcun test in questa versione del modulo.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1: non disponibile dalla riga di comando (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>non disponibile dalla riga di comando</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Riepilogo: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>impossibile usare la cartella di lavoro %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>il modulo %1 non offre alcuna diagnostica</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Tasti delle finestre di dialogo: %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>Sorveglianza dell&apos;utente nel test PS/2: %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossibile scrivere sull&apos;output standard: %1</translation>
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
        <translation>dispositivi di eventi</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>solo la finestra attiva</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>il server X %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>i dispositivi di eventi in %1 (tastiere: %2)</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>il server X %1 all&apos;interno della sessione Wayland, che vede solo i tasti premuti nelle finestre X</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>solo i tasti premuti nella finestra di dialogo attiva</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>in una sessione Wayland (%1)</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>in una sessione X</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>senza server X</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>impossibile aprire i dispositivi di eventi (%1): eseguire come root o come membro del gruppo input</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>nessun dispositivo di eventi della tastiera in %1</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>nessun display X e nessun dispositivo di input leggibile qui: i test non possono vedere una persona che tocca la tastiera o il dispositivo di puntamento, quindi un intervento dell&apos;utente non viene rilevato</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>i test vedono la tastiera e il dispositivo di puntamento solo attraverso XWayland, che non vede ciò che si digita nelle finestre proprie della sessione Wayland: eseguire come root o come membro del gruppo input perché leggano direttamente i dispositivi</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>servizio del driver %1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>nessuna tastiera PS/2</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>nessuna tastiera PS/2: %1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>nessun bus di messaggi di sistema qui (%1): una sospensione, un blocco dello schermo o un cambio utente durante un test passano inosservati</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>nessun gestore degli accessi (org.freedesktop.login1) sul bus di sistema: una sospensione, un blocco dello schermo o un cambio utente durante un test passano inosservati</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>questo programma viene eseguito fuori da una sessione di accesso: un blocco dello schermo o un cambio utente durante un test passano inosservati</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>il sistema sta per entrare in sospensione</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>il sistema è uscito dalla sospensione</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>la sessione è stata bloccata</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>la sessione non è più quella attiva (cambio di utente o di terminale)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>impossibile interrogare udev qui (%1): una tastiera collegata o scollegata durante un test passa inosservata</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>impossibile avviare il monitor di udev (%1): una tastiera collegata o scollegata durante un test passa inosservata</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>il servizio udev non è in esecuzione: una tastiera collegata o scollegata durante un test passa inosservata</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>è stata collegata una tastiera</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>è stata scollegata una tastiera</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>la configurazione dello schermo è cambiata</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>superato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non superato</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>non eseguito</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>superato con avvisi</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>errore interno</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>risultato sconosciuto %1</translation>
    </message>
    <message>
        <source>info</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>info</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>tipo %1</translation>
    </message>
</context>
<context>
    <name>TestRunner</name>
    <message>
        <source>the test did not stop within %1 s of the cancel request and was given up</source>
        <translation>il test non si è fermato entro %1 s dalla richiesta di annullamento ed è stato abbandonato</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>richiede root</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>lockdown del kernel</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>nessun controller della tastiera</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>rifiutato dal kernel</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Eventi di sistema: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Evento di sistema: %1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[finestra] %1: aperta</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>no</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>nessun verdetto</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[finestra] %1: chiusa con %2 (%3), tasti mostrati: %4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>Tasti mostrati nella finestra: %1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>Cartella di lavoro: %1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>Modulo %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Test</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salva rapporto...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>&amp;Esegui test selezionati</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>Seleziona tutti i test a&amp;utomatici</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>&amp;Aggiorna dispositivi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>&amp;Informazioni su Halvik Diagnostics</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutato</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Servizio del driver: %1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>Il modulo non offre alcuna diagnostica</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>interattivo</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatico</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>Elenco dei dispositivi aggiornato: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>%n trovato</numerusform>
            <numerusform>%n trovati</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>questa versione del modulo non contiene questo test</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>Avvio di %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (risultato %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>Annullamento richiesto</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>Trascorso: %1, nessun avanzamento da %2</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Trascorso: %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[notifica] %1: %2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>Il test si è interrotto a causa di un&apos;eccezione: %1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>Informazioni su Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Modulo tastiera %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Cartella di lavoro: %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>Interruzione del test in corso prima della chiusura</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>I risultati di questa sessione come pagina da stampare (.html) o in formato JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>Pagina da stampare (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>Impossibile scrivere il rapporto in %1: %2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Rapporto salvato in %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>non pronto</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>Il test potrebbe occupare ancora il controller della tastiera: riavviare il programma per eseguire di nuovo i test.</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Tasti: %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Tasti delle finestre di dialogo: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
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
        <translation>Esito</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>Selezionare un risultato per vederne i messaggi.</translation>
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
        <translation>Avviato il %1, durata %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Nessun messaggio.</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Evento di sistema: %1</translation>
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
        <translation>impossibile usare la cartella di lavoro %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>il modulo %1 non offre alcuna diagnostica</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>errore: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
</context>
</TS>
