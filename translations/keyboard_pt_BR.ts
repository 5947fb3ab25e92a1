<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Testes rápidos do teclado</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Verifica os teclados deste computador: uma reinicialização do teclado PS/2, a identificação dos teclados USB e dois testes em que você pressiona teclas.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>Teste do teclado PS/2</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Reinicializa o teclado PS/2 por meio do controlador de teclado e verifica a resposta do autoteste. Não toque no teclado nem no mouse durante a execução.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>Teste do teclado USB</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Verifica se cada teclado USB se identifica com um identificador de fornecedor e de produto e com os nomes do fabricante e do produto.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Teste de verificação de códigos de tecla</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Mostra a última tecla pressionada e o estado das teclas de bloqueio, para que você possa avaliar se o teclado funciona.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Teste avançado</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Mostra uma imagem do teclado do notebook e marca cada tecla pressionada, para que você possa encontrar as teclas que não respondem.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>Teste interrompido porque ocorreu um evento do sistema que poderia comprometer o resultado.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>Este teste não pode ser executado porque o dispositivo não pôde ser identificado ou foi desconectado.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Possíveis componentes com defeito</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>O teste detectou intervenção do usuário durante a execução. Execute o teste novamente sem tocar em nenhum teclado ou dispositivo apontador, conectado ou integrado, enquanto o teste estiver em execução.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>O teclado não passou no autoteste. Verifique se ele está conectado corretamente e execute o teste novamente.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>Não foi possível desativar a interrupção do teclado no controlador de teclado.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>Não foi possível reativar a interrupção do teclado no controlador de teclado. O teclado pode não responder até que o computador seja reiniciado.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>Não foi possível restaurar o atraso e a taxa de repetição do teclado.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>Não toque no teclado nem no mouse até o teste terminar.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>Este teclado USB não se identifica:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>Um teclado USB não informa o identificador do produto.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>Um teclado USB não informa o identificador do fornecedor.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>Um teclado USB não informa o nome do fabricante.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>Um teclado USB não informa o nome do produto.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Verificação de códigos de tecla</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Teste avançado do teclado</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>Teclado PS/2</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>Teclado USB</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>Detectado</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>Versão do driver</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>ID do fornecedor</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>ID do produto</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Verificação de códigos de tecla</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Use o teclado à vontade e informe o resultado do teste quando terminar.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Última tecla pressionada:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Teclas de bloqueio:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>O teclado está funcionando como esperado?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Pressione todas as teclas. Cada tecla pressionada é marcada na imagem.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Escolha o layout:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>As teclas desenhadas apenas como ilustração não são contadas.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>Outro programa está retendo o teclado: as teclas vão para ele em vez de para este teste e não aparecem aqui. Feche o menu ou a caixa de diálogo desse programa; o teste assume o teclado assim que ele ficar livre.</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>Esta área de trabalho não permite que o teste retenha o teclado: as teclas só aparecem aqui enquanto esta janela estiver em foco, e os atalhos da própria área de trabalho (como Alt+Tab) continuam funcionando.</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Seta para a esquerda</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Seta para a direita</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Seta para cima</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Seta para baixo</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Barra de espaços</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Navegador: voltar</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Navegador: avançar</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Navegador: atualizar</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Navegador: parar</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Navegador: pesquisar</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Navegador: favoritos</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Navegador: página inicial</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Sem áudio</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Próxima faixa</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Parar mídia</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Reproduzir/pausar mídia</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>Código de tecla reservado</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>Código de tecla indefinido</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>Botão esquerdo do mouse</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Botão direito do mouse</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Processamento de interrupção de controle</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>Botão do meio do mouse (mouse de três botões)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>Botão X1 do mouse</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>Botão X2 do mouse</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>TAB</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>ALT</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>CAPS LOCK</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>IME Kana mode</source>
        <translation>Modo Kana do IME</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>Modo Hanguel do IME</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>Modo Hangul do IME</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>Modo Junja do IME</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>Modo final do IME</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>Modo Hanja do IME</translation>
    </message>
    <message>
        <source>ESC</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>Converter (IME)</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>Não converter (IME)</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>Aceitar (IME)</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>Solicitação de mudança de modo (IME)</translation>
    </message>
    <message>
        <source>PAGE UP</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>PAGE DOWN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>END</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>End</translation>
    </message>
    <message>
        <source>HOME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Home</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>PRINT SCREEN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>INS</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Insert</translation>
    </message>
    <message>
        <source>DEL</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows esquerda</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows direita</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>Teclado numérico 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>Teclado numérico 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>Teclado numérico 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>Teclado numérico 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>Teclado numérico 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>Teclado numérico 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>Teclado numérico 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>Teclado numérico 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>Teclado numérico 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>Teclado numérico 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Tecla de adição</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>Tecla separadora</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>Tecla de subtração</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>Tecla decimal</translation>
    </message>
    <message>
        <source>F1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F12</translation>
    </message>
    <message>
        <source>F13</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F13</translation>
    </message>
    <message>
        <source>F14</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F14</translation>
    </message>
    <message>
        <source>F15</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F15</translation>
    </message>
    <message>
        <source>F16</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F16</translation>
    </message>
    <message>
        <source>F17</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F17</translation>
    </message>
    <message>
        <source>F18</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F18</translation>
    </message>
    <message>
        <source>F19</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F19</translation>
    </message>
    <message>
        <source>F20</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F20</translation>
    </message>
    <message>
        <source>F21</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F21</translation>
    </message>
    <message>
        <source>F22</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F22</translation>
    </message>
    <message>
        <source>F23</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F23</translation>
    </message>
    <message>
        <source>F24</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F24</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Não atribuído</translation>
    </message>
    <message>
        <source>NUM LOCK</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>SCROLL LOCK</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>OEM specific</source>
        <translation>Específico do OEM</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>Iniciar email</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Selecionar mídia</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>Aplicativo 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>Aplicativo 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>Pode variar conforme o teclado. No teclado padrão dos EUA, a tecla &apos;;:&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>Em qualquer país/região, a tecla &apos;+&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>Em qualquer país/região, a tecla &apos;,&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>Em qualquer país/região, a tecla &apos;-&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>Em qualquer país/região, a tecla &apos;.&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>Pode variar conforme o teclado. No teclado padrão dos EUA, a tecla &apos;/?&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>Pode variar conforme o teclado. No teclado padrão dos EUA, a tecla &apos;`~&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>Pode variar conforme o teclado. No teclado padrão dos EUA, a tecla &apos;[{&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>Pode variar conforme o teclado. No teclado padrão dos EUA, a tecla &apos;\|&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>Pode variar conforme o teclado. No teclado padrão dos EUA, a tecla &apos;]}&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>Pode variar conforme o teclado. No teclado padrão dos EUA, a tecla &apos;aspas simples/aspas duplas&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>Pode variar conforme o teclado.</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>A tecla de sinais de menor/maior ou a tecla de barra invertida no teclado RT de 102 teclas</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>Tecla de processamento do IME</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Usada para passar caracteres Unicode como se fossem pressionamentos de tecla. A tecla VK_PACKET é a palavra inferior de um valor de tecla virtual de 32 bits usado em métodos de entrada que não são de teclado. Para obter mais informações, consulte os comentários de KEYBDINPUT, SendInput, WM_KEYDOWN e WM_KEYUP</translation>
    </message>
    <message>
        <source>Attn</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Attn</translation>
    </message>
    <message>
        <source>CrSel</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>CrSel</translation>
    </message>
    <message>
        <source>ExSel</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>ExSel</translation>
    </message>
    <message>
        <source>Erase EOF</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Erase EOF</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>PA1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>KeycodeTestWidget</name>
    <message>
        <source>Num</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Num</translation>
    </message>
    <message>
        <source>Caps</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Caps</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Scroll</translation>
    </message>
</context>
<context>
    <name>AdvancedTestWidget</name>
    <message>
        <source>LAYOUT_TKN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>LAYOUT_TKN</translation>
    </message>
    <message>
        <source>PrtSc</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PrtSc</translation>
    </message>
    <message>
        <source>Del</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Del</translation>
    </message>
    <message>
        <source>Esc</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>F1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>F12</translation>
    </message>
    <message>
        <source>`</source>
        <translation>`</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Home</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Home</translation>
    </message>
    <message>
        <source>Tab</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>[</source>
        <translation>[</translation>
    </message>
    <message>
        <source>]</source>
        <translation>]</translation>
    </message>
    <message>
        <source>\</source>
        <translation>\</translation>
    </message>
    <message>
        <source>End</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>End</translation>
    </message>
    <message>
        <source>Caps</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Caps</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>;</source>
        <translation>;</translation>
    </message>
    <message>
        <source>&apos;</source>
        <translation>&apos;</translation>
    </message>
    <message>
        <source>Enter</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Shift</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>PgDn</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Fn</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Fn</translation>
    </message>
    <message>
        <source>Win</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Win</translation>
    </message>
    <message>
        <source>Alt</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Menu</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Dark bordered keys are ignored by this test</source>
        <translation>As teclas com borda escura são ignoradas por este teste</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>Clique em Falha se alguma tecla não for marcada depois de pressionada.</translation>
    </message>
    <message>
        <source>Ins</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Pwr</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>◀◀</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>▶</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>■</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>▶▶</translation>
    </message>
    <message>
        <source>NumLk</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>NumLk</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Calc</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Calc</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloq</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arq</translation>
    </message>
    <message>
        <source>Break</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Break</translation>
    </message>
    <message>
        <source>´</source>
        <translation>´</translation>
    </message>
    <message>
        <source>Ç</source>
        <translation>Ç</translation>
    </message>
    <message>
        <source>~</source>
        <translation>~</translation>
    </message>
    <message>
        <source>半角/
 全角
漢字</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>半角/
 全角
漢字</translation>
    </message>
    <message>
        <source>^</source>
        <translation>^</translation>
    </message>
    <message>
        <source> |
￥</source>
        <translation> |
￥</translation>
    </message>
    <message>
        <source>Back
space</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Back
space</translation>
    </message>
    <message>
        <source>@</source>
        <translation>@</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source> 無変換</source>
        <translatorcomment>same as English</translatorcomment>
        <translation> 無変換</translation>
    </message>
    <message>
        <source>変換</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>変換</translation>
    </message>
    <message>
        <source>カタカナ
ひらがな
ローマ字</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>カタカナ
ひらがな
ローマ字</translation>
    </message>
    <message>
        <source>REFRESH_TKN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>REFRESH_TKN</translation>
    </message>
    <message>
        <source>TEST_FEEDBACK_TKN</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>TEST_FEEDBACK_TKN</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
</TS>
