<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Catalogues</name>
    <message>
        <source>%1 not found in %2: showing message keys</source>
        <translation>%1 não encontrado em %2: exibindo as chaves das mensagens</translation>
    </message>
    <message>
        <source>%1 not found in %2: showing English instead</source>
        <translation>%1 não encontrado em %2: exibindo o inglês no lugar</translation>
    </message>
</context>
<context>
    <name>ConsoleReport</name>
    <message>
        <source>progress %1% (%2)</source>
        <translation>progresso %1% (%2)</translation>
    </message>
    <message>
        <source>progress %1% (%2): %3</source>
        <translation>progresso %1% (%2): %3</translation>
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
        <translation>observação: %1</translation>
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
        <translation>%1 não exporta %2</translation>
    </message>
    <message>
        <source>the keyboard controller cannot be reached</source>
        <translation>não é possível acessar o controlador de teclado</translation>
    </message>
    <message>
        <source>not found (%1: %2)</source>
        <translation>não encontrado (%1: %2)</translation>
    </message>
    <message>
        <source>%1 - the PS/2 test cannot run: %2</source>
        <translation>%1 - o teste PS/2 não pode ser executado: %2</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>recusado: %1</translation>
    </message>
    <message>
        <source>%1 returned no service</source>
        <translation>%1 não retornou nenhum serviço</translation>
    </message>
    <message>
        <source>the service says it is not ready</source>
        <translation>o serviço informa que não está pronto</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>HalvikDiagnosticsCLI</name>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>Module %1 (%2), version %3</source>
        <translation>Módulo %1 (%2), versão %3</translation>
    </message>
    <message>
        <source>Diagnostic %1: %2</source>
        <translation>Diagnóstico %1: %2</translation>
    </message>
    <message>
        <source>This build of the module has no tests yet.</source>
        <translation>Esta compilação do módulo ainda não tem testes.</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Testes:</translation>
    </message>
    <message>
        <source>%1 (interactive)</source>
        <translation>%1 (interativo)</translation>
    </message>
    <message>
        <source>the module has no component manager</source>
        <translation>o módulo não tem gerenciador de componentes</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
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
        <translation>Serviço do driver: %1</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Eventos do sistema: %1</translation>
    </message>
    <message>
        <source>watched (suspend, screen lock and user switches from the login manager, keyboard hot-plug from udev)</source>
        <translation>monitorados (suspensão, bloqueio de tela e troca de usuário pelo gerenciador de sessões; conexão e desconexão de teclados pelo udev)</translation>
    </message>
    <message>
        <source>interactive test: needs a person at a dialog, which this host cannot show</source>
        <translation>teste interativo: precisa de uma pessoa diante de uma caixa de diálogo, que este programa não pode exibir</translation>
    </message>
    <message>
        <source>not started: cancelled by the user</source>
        <translation>não iniciado: cancelado pelo usuário</translation>
    </message>
    <message>
        <source>this build of the module does not contain this test</source>
        <translation>esta compilação do módulo não contém este teste</translation>
    </message>
    <message>
        <source>the test stopped with an exception: %1</source>
        <translation>o teste parou com uma exceção: %1</translation>
    </message>
    <message>
        <source>system event: %1</source>
        <translation>evento do sistema: %1</translation>
    </message>
    <message>
        <source>system events: %1</source>
        <translation>eventos do sistema: %1</translation>
    </message>
    <message>
        <source>cannot write the report to %1: %2</source>
        <translation>não é possível gravar o relatório em %1: %2</translation>
    </message>
    <message>
        <source>%1: the diagnostic has no tests in this build of the module.</source>
        <translation>%1: o diagnóstico não tem testes nesta compilação do módulo.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>observação: %1</translation>
    </message>
    <message>
        <source>%1: unavailable on the command line (%2)</source>
        <translation>%1: indisponível na linha de comando (%2)</translation>
    </message>
    <message>
        <source>unavailable on the command line</source>
        <translation>indisponível na linha de comando</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a count and what it counts: 2 passed</comment>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Resumo: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>cannot use working folder %1: %2</source>
        <translation>não é possível usar a pasta de trabalho %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>o módulo %1 não oferece nenhum diagnóstico</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Teclas dos diálogos: %1</translation>
    </message>
    <message>
        <source>PS/2 test&apos;s watch for the user: %1</source>
        <translation>Vigilância do usuário no teste PS/2: %1</translation>
    </message>
</context>
<context>
    <name>HostProcess</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não é possível gravar na saída padrão: %1</translation>
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
        <translation>somente o diálogo em foco</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>the X server %1</source>
        <translation>o servidor X %1</translation>
    </message>
    <message>
        <source>the event devices in %1 (keyboards: %2)</source>
        <translation>os dispositivos de eventos em %1 (teclados: %2)</translation>
    </message>
    <message>
        <source>the X server %1 inside the Wayland session, which sees only keys typed into X windows</source>
        <translation>o servidor X %1 dentro da sessão Wayland, que vê apenas as teclas digitadas em janelas X</translation>
    </message>
    <message>
        <source>only the keys typed into the focused dialog</source>
        <translation>somente as teclas digitadas no diálogo em foco</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>on a Wayland session (%1)</source>
        <translation>em uma sessão Wayland (%1)</translation>
    </message>
    <message>
        <source>on an X session</source>
        <translation>em uma sessão X</translation>
    </message>
    <message>
        <source>with no X server</source>
        <translation>sem servidor X</translation>
    </message>
    <message>
        <source>the event devices cannot be opened (%1): run as root or as a member of the input group</source>
        <translation>não é possível abrir os dispositivos de eventos (%1): execute como root ou como membro do grupo input</translation>
    </message>
    <message>
        <source>no keyboard event device in %1</source>
        <translation>nenhum dispositivo de eventos de teclado em %1</translation>
    </message>
    <message>
        <source>no X display and no readable input device here: the tests cannot see a person touching the keyboard or the pointer, so user intervention goes undetected</source>
        <translation>não há display X nem dispositivo de entrada legível aqui: os testes não conseguem ver alguém tocando no teclado ou no dispositivo apontador, então a intervenção do usuário não é detectada</translation>
    </message>
    <message>
        <source>the tests see the keyboard and the pointer only through XWayland, which misses what is typed into the Wayland session&apos;s own windows: run as root or as a member of the input group so that they read the devices themselves</source>
        <translation>os testes veem o teclado e o dispositivo apontador apenas através do XWayland, que não vê o que é digitado nas janelas da própria sessão Wayland: execute como root ou como membro do grupo input para que leiam os dispositivos diretamente</translation>
    </message>
</context>
<context>
    <name>Ps2Readiness</name>
    <message>
        <source>driver service %1</source>
        <translation>serviço do driver %1</translation>
    </message>
    <message>
        <source>no PS/2 keyboard</source>
        <translation>nenhum teclado PS/2</translation>
    </message>
    <message>
        <source>no PS/2 keyboard: %1</source>
        <translation>nenhum teclado PS/2: %1</translation>
    </message>
</context>
<context>
    <name>SystemEvents</name>
    <message>
        <source>no system message bus here (%1): a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>não há barramento de mensagens do sistema aqui (%1): uma suspensão, um bloqueio de tela ou uma troca de usuário durante um teste passa despercebida</translation>
    </message>
    <message>
        <source>no login manager (org.freedesktop.login1) on the system bus: a suspend, a screen lock or a user switch during a test goes unseen</source>
        <translation>não há gerenciador de sessões (org.freedesktop.login1) no barramento do sistema: uma suspensão, um bloqueio de tela ou uma troca de usuário durante um teste passa despercebida</translation>
    </message>
    <message>
        <source>this program runs outside a login session: a screen lock or a user switch during a test goes unseen</source>
        <translation>este programa é executado fora de uma sessão de usuário: um bloqueio de tela ou uma troca de usuário durante um teste passa despercebida</translation>
    </message>
    <message>
        <source>the system is about to suspend</source>
        <translation>o sistema está prestes a entrar em suspensão</translation>
    </message>
    <message>
        <source>the system has resumed from suspend</source>
        <translation>o sistema saiu da suspensão</translation>
    </message>
    <message>
        <source>the session was locked</source>
        <translation>a sessão foi bloqueada</translation>
    </message>
    <message>
        <source>the session stopped being the active one (a user or terminal switch)</source>
        <translation>a sessão deixou de ser a ativa (troca de usuário ou de terminal)</translation>
    </message>
    <message>
        <source>udev cannot be asked here (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>não é possível consultar o udev aqui (%1): um teclado conectado ou desconectado durante um teste passa despercebido</translation>
    </message>
    <message>
        <source>the udev monitor could not be started (%1): a keyboard plugged in or out during a test goes unseen</source>
        <translation>não foi possível iniciar o monitor do udev (%1): um teclado conectado ou desconectado durante um teste passa despercebido</translation>
    </message>
    <message>
        <source>the udev service is not running: a keyboard plugged in or out during a test goes unseen</source>
        <translation>o serviço udev não está em execução: um teclado conectado ou desconectado durante um teste passa despercebido</translation>
    </message>
    <message>
        <source>a keyboard was plugged in</source>
        <translation>um teclado foi conectado</translation>
    </message>
    <message>
        <source>a keyboard was unplugged</source>
        <translation>um teclado foi desconectado</translation>
    </message>
    <message>
        <source>the screen configuration changed</source>
        <translation>a configuração da tela mudou</translation>
    </message>
</context>
<context>
    <name>TestOutcome</name>
    <message>
        <source>passed</source>
        <translation>aprovado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>reprovado</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>não executado</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>passed with warnings</source>
        <translation>aprovado com avisos</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>erro interno</translation>
    </message>
    <message>
        <source>unknown result %1</source>
        <translation>resultado desconhecido %1</translation>
    </message>
    <message>
        <source>info</source>
        <translation>informação</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>falha</translation>
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
        <translation>o teste não parou em %1 s após o pedido de cancelamento e foi abandonado</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::MainWindow</name>
    <message>
        <source>needs root</source>
        <translation>requer root</translation>
    </message>
    <message>
        <source>kernel lockdown</source>
        <translation>bloqueio do kernel</translation>
    </message>
    <message>
        <source>no keyboard controller</source>
        <translation>sem controlador de teclado</translation>
    </message>
    <message>
        <source>refused by the kernel</source>
        <translation>recusado pelo kernel</translation>
    </message>
    <message>
        <source>System events: %1</source>
        <translation>Eventos do sistema: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Evento do sistema: %1</translation>
    </message>
    <message>
        <source>[dialog] %1: opened</source>
        <translation>[diálogo] %1: aberto</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>sem veredito</translation>
    </message>
    <message>
        <source>[dialog] %1: closed with %2 (%3), keys shown: %4</source>
        <translation>[diálogo] %1: fechado com %2 (%3), teclas exibidas: %4</translation>
    </message>
    <message>
        <source>Keys shown in dialog: %1</source>
        <translation>Teclas no diálogo: %1</translation>
    </message>
    <message>
        <source>Halvik Diagnostics</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>Working folder: %1</source>
        <translation>Pasta de trabalho: %1</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>Módulo %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testes</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedade</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salvar relatório...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Testes</translation>
    </message>
    <message>
        <source>&amp;Run Selected Tests</source>
        <translation>&amp;Executar testes selecionados</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Select All &amp;Automatic Tests</source>
        <translation>Selecionar todos os testes &amp;automáticos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Refresh Devices</source>
        <translation>&amp;Atualizar dispositivos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Halvik Diagnostics</source>
        <translation>&amp;Sobre o Halvik Diagnostics</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>recusado</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>Driver service: %1</source>
        <translation>Serviço do driver: %1</translation>
    </message>
    <message>
        <source>The module offers no diagnostic</source>
        <translation>O módulo não oferece nenhum diagnóstico</translation>
    </message>
    <message>
        <source>interactive</source>
        <translation>interativo</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>Device list refreshed: %1</source>
        <translation>Lista de dispositivos atualizada: %1</translation>
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
        <translation>esta compilação do módulo não contém este teste</translation>
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
        <translation>Cancelamento solicitado</translation>
    </message>
    <message>
        <source>Elapsed %1, no progress for %2</source>
        <translation>Decorrido %1, sem progresso há %2</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Decorrido %1</translation>
    </message>
    <message>
        <source>[notice] %1: %2</source>
        <translation>[notificação] %1: %2</translation>
    </message>
    <message>
        <source>The test stopped with an exception: %1</source>
        <translation>O teste parou com uma exceção: %1</translation>
    </message>
    <message>
        <source>About Halvik Diagnostics</source>
        <translation>Sobre o Halvik Diagnostics</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Keyboard module %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Working folder: %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Halvik Diagnostics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Módulo de teclado %2&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Pasta de trabalho: %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stopping the running test before closing</source>
        <translation>Parando o teste em execução antes de fechar</translation>
    </message>
    <message>
        <source>The results of this session as a page to print (.html) or as JSON (.json)</source>
        <translation>Os resultados desta sessão como página para imprimir (.html) ou como JSON (.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>Page to print (*.html);;JSON (*.json)</source>
        <translation>Página para imprimir (*.html);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: %2</source>
        <translation>Não é possível gravar o relatório em %1: %2</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Relatório salvo em %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>não pronto</translation>
    </message>
    <message>
        <source>The test may still hold the keyboard controller: restart the program to run tests again.</source>
        <translation>O teste ainda pode estar ocupando o controlador de teclado: reinicie o programa para executar testes novamente.</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Teclas: %1</translation>
    </message>
    <message>
        <source>Dialog keys: %1</source>
        <translation>Teclas dos diálogos: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Observação: %1</translation>
    </message>
</context>
<context>
    <name>corvo::hosts::gui::SessionResultsView</name>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Select a result to see its messages.</source>
        <translation>Selecione um resultado para ver as mensagens dele.</translation>
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
        <translation>Iniciado em %1, levou %2</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Nenhuma mensagem.</translation>
    </message>
    <message>
        <source>+%1  [%2] %3</source>
        <translation>+%1  [%2] %3</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Observação: %1</translation>
    </message>
    <message>
        <source>System event: %1</source>
        <translation>Evento do sistema: %1</translation>
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
        <translation>não é possível usar a pasta de trabalho %1: %2</translation>
    </message>
    <message>
        <source>the module %1 offers no diagnostic</source>
        <translation>o módulo %1 não oferece nenhum diagnóstico</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
</context>
</TS>
