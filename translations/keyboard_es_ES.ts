<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Pruebas rápidas del teclado</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Comprueba los teclados de este equipo: un reinicio del teclado PS/2, la identificación de los teclados USB y dos pruebas en las que usted pulsa teclas.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>Prueba del teclado PS/2</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Reinicia el teclado PS/2 mediante el controlador de teclado y comprueba la respuesta de su autoprueba. No toque el teclado ni el ratón mientras se ejecuta.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>Prueba del teclado USB</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Comprueba que cada teclado USB se identifica con un identificador de proveedor y de producto, y con los nombres del fabricante y del producto.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Prueba de verificación de códigos de tecla</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Muestra la última tecla pulsada y el estado de las teclas de bloqueo, para que pueda juzgar si el teclado funciona.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Prueba avanzada</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Muestra una imagen del teclado del portátil y marca cada tecla que pulse, para que pueda encontrar las teclas que no responden.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>Prueba interrumpida porque se ha producido un evento del sistema que podría comprometer el resultado.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>Esta prueba no se puede realizar porque no se ha podido identificar el dispositivo o se ha desconectado.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Posibles componentes defectuosos</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>La prueba ha detectado la intervención del usuario durante la ejecución. Vuelva a ejecutar la prueba sin tocar ningún teclado ni dispositivo señalador, conectado o integrado, mientras la prueba se esté ejecutando.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>El teclado no ha superado su autoprueba. Compruebe que está bien conectado y vuelva a ejecutar la prueba.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>No se ha podido desactivar la interrupción del teclado en el controlador de teclado.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>No se ha podido volver a activar la interrupción del teclado en el controlador de teclado. Es posible que el teclado no responda hasta que se reinicie el equipo.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>No se han podido restaurar el retardo y la velocidad de repetición del teclado.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>No toque el teclado ni el ratón hasta que termine la prueba.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>Este teclado USB no se identifica:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>Un teclado USB no indica ningún identificador de producto.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>Un teclado USB no indica ningún identificador de proveedor.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>Un teclado USB no indica ningún nombre de fabricante.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>Un teclado USB no indica ningún nombre de producto.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Verificación de códigos de tecla</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Prueba avanzada del teclado</translation>
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
        <translation>Versión del controlador</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>Id. de proveedor</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>Id. de producto</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Verificación de códigos de tecla</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Use el teclado libremente e indique el resultado de la prueba cuando termine.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Última tecla pulsada:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Teclas de bloqueo:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>¿El teclado funciona como esperaba?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>NO</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>No</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Pulse todas las teclas del teclado. Cada tecla que pulse se marca en la imagen.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Elija la distribución:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>Las teclas dibujadas solo como ilustración no se cuentan.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>Otro programa retiene el teclado: las teclas le llegan a él en lugar de a esta prueba y no se muestran aquí. Cierre el menú o el cuadro de diálogo de ese programa; la prueba tomará el teclado en cuanto quede libre.</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>Este escritorio no permite que la prueba retenga el teclado: las teclas solo se muestran aquí mientras esta ventana tiene el foco, y los atajos del propio escritorio (como Alt+Tab) siguen funcionando.</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Barra espaciadora</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Navegador: atrás</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Navegador: adelante</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Navegador: actualizar</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Navegador: detener</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Navegador: buscar</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Navegador: favoritos</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Navegador: página de inicio</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Detener reproducción</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Reproducir/pausar</translation>
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
        <translation>Código de tecla no definido</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>Botón izquierdo del ratón</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Botón derecho del ratón</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Procesamiento de interrupción de control</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>Botón central del ratón (ratón de tres botones)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>Botón X1 del ratón</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>Botón X2 del ratón</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Mayús</translation>
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
        <translation>Pausa</translation>
    </message>
    <message>
        <source>CAPS LOCK</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>IME Kana mode</source>
        <translation>Modo Kana del IME</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>Modo Hanguel del IME</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>Modo Hangul del IME</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>Modo Junja del IME</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>Modo final del IME</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>Modo Hanja del IME</translation>
    </message>
    <message>
        <source>ESC</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>Convertir (IME)</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>No convertir (IME)</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>Aceptar (IME)</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>Solicitud de cambio de modo (IME)</translation>
    </message>
    <message>
        <source>PAGE UP</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>PAGE DOWN</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>END</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>PRINT SCREEN</source>
        <translation>Impr Pant</translation>
    </message>
    <message>
        <source>INS</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Insert</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Supr</translation>
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
        <translation>Windows izquierda</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows derecha</translation>
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
        <translation>Tecla Sumar</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>Tecla Separador</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>Tecla Restar</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>Tecla Decimal</translation>
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
        <translation>Sin asignar</translation>
    </message>
    <message>
        <source>NUM LOCK</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>SCROLL LOCK</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>OEM specific</source>
        <translation>Específica del OEM</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>Iniciar correo</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Seleccionar multimedia</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translation>Aplicación 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translation>Aplicación 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>Puede variar según el teclado. En el teclado estándar de EE. UU., la tecla &apos;;:&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>En cualquier país o región, la tecla &apos;+&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>En cualquier país o región, la tecla &apos;,&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>En cualquier país o región, la tecla &apos;-&apos;</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>En cualquier país o región, la tecla &apos;.&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>Puede variar según el teclado. En el teclado estándar de EE. UU., la tecla &apos;/?&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>Puede variar según el teclado. En el teclado estándar de EE. UU., la tecla &apos;`~&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>Puede variar según el teclado. En el teclado estándar de EE. UU., la tecla &apos;[{&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>Puede variar según el teclado. En el teclado estándar de EE. UU., la tecla &apos;\|&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>Puede variar según el teclado. En el teclado estándar de EE. UU., la tecla &apos;]}&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>Puede variar según el teclado. En el teclado estándar de EE. UU., la tecla &apos;comilla simple/comilla doble&apos;</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>Puede variar según el teclado.</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>La tecla de ángulos o la tecla de barra diagonal inversa del teclado RT de 102 teclas</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>Tecla de proceso del IME</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Se usa para pasar caracteres Unicode como si fueran pulsaciones de teclas. La tecla VK_PACKET es la palabra baja de un valor de tecla virtual de 32 bits que se usa en métodos de entrada distintos del teclado. Para obtener más información, vea las observaciones de KEYBDINPUT, SendInput, WM_KEYDOWN y WM_KEYUP</translation>
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
        <translation>Reproducir</translation>
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
        <translation>Borrar</translation>
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
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Despl</translation>
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
        <translation>ImpPt</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
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
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
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
        <translation>Fin</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Bloq
Mayús</translation>
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
        <translation>Intro</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>RePág</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
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
        <translation>AvPág</translation>
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
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
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
        <translation>Esta prueba no tiene en cuenta las teclas con borde oscuro</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>Haga clic en Fallo si alguna tecla no se marca después de pulsarla.</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Enc</translation>
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
        <translation>Bloq
Num</translation>
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
        <translation>Red</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arch</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Inter</translation>
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
        <translation>Retro-
ceso</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>No</translation>
    </message>
</context>
</TS>
