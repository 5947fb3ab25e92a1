<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>impossible de trouver %1 dans %2&#xa0;: affichage des clés de message</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>impossible de trouver %1 dans %2&#xa0;: affichage en anglais à la place</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>progression %1&#xa0;% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>progression %1&#xa0;% (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>message kind: message</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <comment>message kind: message (the keyboard it is about)</comment>
        <translation>%1&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1&#xa0;: %2 (résultat %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 n&apos;exporte pas %2</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>le contrôleur de clavier est inaccessible</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>introuvable (%1&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - le test PS/2 ne peut pas s&apos;exécuter&#xa0;: %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 n&apos;a renvoyé aucun service</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>le service indique qu&apos;il n&apos;est pas prêt</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Module %1 (%2), version %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>Diagnostic %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>Cette version du module ne contient encore aucun test.</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Tests&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (interactif)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>le module n&apos;a pas de gestionnaire de composants</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1&#xa0;: %2 trouvé(s)</translation>
    </message>
    <message>
        <source>present</source>
        <translation>présent</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>Clavier PS/2&#xa0;: %1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>Clavier PS/2&#xa0;: %1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Service de pilote&#xa0;: %1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Événements système&#xa0;: %1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>surveillés (mise en veille, verrouillage de l&apos;écran et changements d&apos;utilisateur par le gestionnaire de connexions, branchement à chaud de claviers par udev)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>test interactif&#xa0;: il faut une personne devant une boîte de dialogue, que cet hôte ne peut pas afficher</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>non démarré&#xa0;: annulé par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>cette version du module ne contient pas ce test</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>le test s&apos;est arrêté à cause d&apos;une exception&#xa0;: %1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>événement système&#xa0;: %1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>événements système&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>impossible d&apos;écrire le rapport dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1&#xa0;: le diagnostic ne contient aucun test dans cette version du module.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1&#xa0;: indisponible en ligne de commande (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>indisponible en ligne de commande</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Résumé&#xa0;: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>impossible d&apos;utiliser le dossier de travail %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>le module %1 ne propose aucun diagnostic</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Touches des dialogues : %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>Surveillance de l&apos;utilisateur pendant le test PS/2 : %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
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
        <translation>périphériques d&apos;événements</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>dialogue actif seulement</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>le serveur X %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>les périphériques d&apos;événements de %1 (claviers : %2)</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>le serveur X %1 dans la session Wayland, qui ne voit que les touches tapées dans des fenêtres X</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>seulement les touches tapées dans le dialogue actif</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>dans une session Wayland (%1)</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>dans une session X</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>sans serveur X</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>les périphériques d&apos;événements ne peuvent pas être ouverts (%1) : lancez en root ou en tant que membre du groupe input</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>aucun périphérique d&apos;événements de clavier dans %1</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>ni affichage X ni périphérique d&apos;entrée lisible ici&#xa0;: les tests ne peuvent pas voir une personne toucher le clavier ou le dispositif de pointage, une intervention de l&apos;utilisateur passe donc inaperçue</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>les tests ne voient le clavier et le dispositif de pointage qu&apos;à travers XWayland, qui ignore ce qui est tapé dans les fenêtres propres de la session Wayland : lancez en root ou en tant que membre du groupe input pour qu&apos;ils lisent les périphériques eux-mêmes</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>service de pilote %1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>aucun clavier PS/2</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>aucun clavier PS/2&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>aucun bus de messages système ici (%1)&#xa0;: une mise en veille, un verrouillage de l&apos;écran ou un changement d&apos;utilisateur pendant un test passe inaperçu</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>aucun gestionnaire de connexions (org.freedesktop.login1) sur le bus système&#xa0;: une mise en veille, un verrouillage de l&apos;écran ou un changement d&apos;utilisateur pendant un test passe inaperçu</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>ce programme s&apos;exécute hors d&apos;une session de connexion&#xa0;: un verrouillage de l&apos;écran ou un changement d&apos;utilisateur pendant un test passe inaperçu</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>le système va se mettre en veille</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>le système est sorti de veille</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>la session a été verrouillée</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>la session n&apos;est plus la session active (changement d&apos;utilisateur ou de terminal)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>impossible d&apos;interroger udev ici (%1)&#xa0;: un clavier branché ou débranché pendant un test passe inaperçu</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>le moniteur udev n&apos;a pas pu être démarré (%1)&#xa0;: un clavier branché ou débranché pendant un test passe inaperçu</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>le service udev n&apos;est pas en cours d&apos;exécution&#xa0;: un clavier branché ou débranché pendant un test passe inaperçu</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>un clavier a été branché</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>un clavier a été débranché</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>la configuration de l’écran a changé</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>non exécuté</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>réussi avec avertissements</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>erreur interne</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>résultat inconnu %1</translation>
    </message>
    <message>
        <source>info</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>info</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>type %1</translation>
    </message>
</context>
<context>
    <name>TestRunner</name>
    <message>
        <source>the test did not stop within %1 s of the cancel request and was given up</source>
        <translation>le test ne s&apos;est pas arrêté dans les %1 s suivant la demande d&apos;annulation et a été abandonné</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>root requis</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>verrouillage du noyau</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>aucun contrôleur de clavier</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>refusé par le noyau</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Événements système&#xa0;: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Événement système&#xa0;: %1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[dialogue] %1&#xa0;: ouvert</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>sans verdict</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[dialogue] %1&#xa0;: fermé avec %2 (%3), touches affichées&#xa0;: %4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>Touches affichées dans le dialogue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>Dossier de travail&#xa0;: %1</translation>
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
        <translation>Type</translation>
    </message>
    <message>
        <source>Description</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Description</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Périphériques</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>&amp;Lancer les tests sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>Sélectionner tous les tests a&amp;utomatiques</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>&amp;Actualiser les périphériques</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>À &amp;propos de Halvik Diagnostics</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Service de pilote&#xa0;: %1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>Le module ne propose aucun diagnostic</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>interactif</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>Liste des périphériques actualisée&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>%n trouvé</numerusform>
            <numerusform>%n trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>cette version du module ne contient pas ce test</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>Démarrage de %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1&#xa0;: %2 (résultat %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>Annulation demandée</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>Écoulé&#xa0;: %1, sans progression depuis %2</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Écoulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[avis] %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>Le test s&apos;est arrêté à cause d&apos;une exception&#xa0;: %1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>À propos de Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Module clavier %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Dossier de travail&#xa0;: %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>Arrêt du test en cours avant la fermeture</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>Les résultats de cette session sous forme de page à imprimer (.html) ou en JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>Page à imprimer (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>Impossible d&apos;écrire le rapport dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Rapport enregistré dans %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>pas prêt</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>Le test occupe peut-être encore le contrôleur de clavier : redémarrez le programme pour exécuter à nouveau des tests.</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Touches : %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Touches des dialogues : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque&#xa0;: %1</translation>
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
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>Sélectionnez un résultat pour voir ses messages.</translation>
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
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Started %1, took %2</source>
        <translation>Démarré le %1, durée %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Aucun message.</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Événement système&#xa0;: %1</translation>
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
        <translation>impossible d&apos;utiliser le dossier de travail %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>le module %1 ne propose aucun diagnostic</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
</context>
</TS>
