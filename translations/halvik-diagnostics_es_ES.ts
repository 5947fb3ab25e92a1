<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>%1 no se encuentra en %2: se muestran las claves de los mensajes</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>%1 no se encuentra en %2: se muestra el inglés en su lugar</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>progreso %1% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>progreso %1% (%2): %3</translation>
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
        <translation>%1: %2 (resultado %3)</translation>
    </message>
</context>
<context>
    <name>DriverServiceState</name>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 no exporta %2</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>no se puede acceder al controlador de teclado</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>no encontrado (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - la prueba PS/2 no se puede ejecutar: %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 no devolvió ningún servicio</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>el servicio indica que no está listo</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>Módulo %1 (%2), versión %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>Diagnóstico %1: %2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>Esta compilación del módulo aún no tiene pruebas.</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Pruebas:</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (interactiva)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>el módulo no tiene gestor de componentes</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>%1: %2 found</source>
        <translation>%1: dispositivos encontrados: %2</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1</source>
        <translation>Teclado PS/2: %1</translation>
    </message>
    <message>
        <source>PS/2 keyboard: %1 - %2</source>
        <translation>Teclado PS/2: %1 - %2</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Servicio del controlador: %1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Eventos del sistema: %1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>vigilados (suspensión, bloqueo de pantalla y cambios de usuario desde el gestor de sesiones; conexión y desconexión de teclados desde udev)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>prueba interactiva: necesita a una persona ante un cuadro de diálogo, que este programa no puede mostrar</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>no iniciada: cancelada por el usuario</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>esta compilación del módulo no contiene esta prueba</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>la prueba se detuvo con una excepción: %1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>evento del sistema: %1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>eventos del sistema: %1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>no se puede escribir el informe en %1: %2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1: el diagnóstico no tiene pruebas en esta compilación del módulo.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1: no disponible en la línea de comandos (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>no disponible en la línea de comandos</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Resumen: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>no se puede usar la carpeta de trabajo %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>el módulo %1 no ofrece ningún diagnóstico</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Teclas de los diálogos: %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>Vigilancia del usuario en la prueba PS/2: %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
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
        <translation>dispositivos de eventos</translation>
    </message>
    <message>
        <source>XWayland</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>XWayland</translation>
    </message>
    <message>
        <source>focused dialog only</source>
        <translation>solo el diálogo con el foco</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>el servidor X %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>los dispositivos de eventos de %1 (teclados: %2)</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>el servidor X %1 dentro de la sesión Wayland, que solo ve las teclas pulsadas en ventanas X</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>solo las teclas pulsadas en el diálogo con el foco</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>en una sesión Wayland (%1)</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>en una sesión X</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>sin servidor X</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>no se pueden abrir los dispositivos de eventos (%1): ejecute como root o como miembro del grupo input</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>ningún dispositivo de eventos de teclado en %1</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>no hay pantalla X ni ningún dispositivo de entrada legible: las pruebas no pueden ver si alguien toca el teclado o el dispositivo señalador, así que la intervención del usuario no se detecta</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>las pruebas ven el teclado y el dispositivo señalador solo a través de XWayland, que no ve lo que se escribe en las ventanas propias de la sesión Wayland: ejecute como root o como miembro del grupo input para que lean los dispositivos directamente</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>servicio del controlador %1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>no hay ningún teclado PS/2</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>no hay ningún teclado PS/2: %1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>no hay bus de mensajes del sistema (%1): una suspensión, un bloqueo de pantalla o un cambio de usuario durante una prueba pasa inadvertido</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>no hay gestor de sesiones (org.freedesktop.login1) en el bus del sistema: una suspensión, un bloqueo de pantalla o un cambio de usuario durante una prueba pasa inadvertido</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>este programa se ejecuta fuera de una sesión de usuario: un bloqueo de pantalla o un cambio de usuario durante una prueba pasa inadvertido</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>el sistema está a punto de suspenderse</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>el sistema se ha reanudado tras la suspensión</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>se ha bloqueado la sesión</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>la sesión ha dejado de ser la activa (cambio de usuario o de terminal)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>no se puede consultar a udev (%1): un teclado conectado o desconectado durante una prueba pasa inadvertido</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>no se ha podido iniciar el monitor de udev (%1): un teclado conectado o desconectado durante una prueba pasa inadvertido</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>el servicio udev no se está ejecutando: un teclado conectado o desconectado durante una prueba pasa inadvertido</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>se ha conectado un teclado</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>se ha desconectado un teclado</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>la configuración de la pantalla ha cambiado</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>superada</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallida</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>no ejecutada</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>interrumpida</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>superada con advertencias</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>error interno</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>resultado desconocido %1</translation>
    </message>
    <message>
        <source>info</source>
        <translation>información</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>fallo</translation>
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
        <translation>la prueba no se detuvo en los %1 s siguientes a la solicitud de cancelación y se abandonó</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>requiere root</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>bloqueo del kernel</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>sin controlador de teclado</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>rechazado por el kernel</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Eventos del sistema: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Evento del sistema: %1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[diálogo] %1: abierto</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>no</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>sin veredicto</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[diálogo] %1: cerrado con %2 (%3), teclas mostradas: %4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>Teclas en el diálogo: %1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>Carpeta de trabajo: %1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>Módulo %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Guardar informe...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Pruebas</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>&amp;Ejecutar las pruebas seleccionadas</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>Seleccionar todas las pruebas &amp;automáticas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>&amp;Actualizar dispositivos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>&amp;Acerca de Halvik Diagnostics</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Servicio del controlador: %1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>El módulo no ofrece ningún diagnóstico</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>interactiva</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automática</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>Lista de dispositivos actualizada: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>devices of a component</comment>
        <translation>
            <numerusform>%n encontrado</numerusform>
            <numerusform>%n encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>esta compilación del módulo no contiene esta prueba</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Starting %1</source>
        <translation>Iniciando %1</translation>
    </message>
    <message>
        <source>%1: %2 (result %3)</source>
        <translation>%1: %2 (resultado %3)</translation>
    </message>
    <message>
        <source>Cancel requested</source>
        <translation>Cancelación solicitada</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>Transcurrido %1, sin progreso desde hace %2</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Transcurrido %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[aviso] %1: %2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>La prueba se detuvo con una excepción: %1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>Acerca de Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Módulo de teclado %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Carpeta de trabajo: %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>Deteniendo la prueba en curso antes de cerrar</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>Los resultados de esta sesión como página para imprimir (.html) o como JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>Página para imprimir (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>No se puede escribir el informe en %1: %2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Informe guardado en %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>no listo</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>Es posible que la prueba siga ocupando el controlador de teclado: reinicie el programa para volver a ejecutar pruebas.</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Teclas: %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Teclas de los diálogos: %1</translation>
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
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>Seleccione un resultado para ver sus mensajes.</translation>
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
        <translation>Iniciada el %1, duró %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>No hay mensajes.</translation>
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
        <translation>Evento del sistema: %1</translation>
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
        <translation>no se puede usar la carpeta de trabajo %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>el módulo %1 no ofrece ningún diagnóstico</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
</context>
</TS>
