<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Tests rapides du clavier</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Vérifie les claviers de cet ordinateur&#xa0;: réinitialisation du clavier PS/2, identification des claviers USB et deux tests au cours desquels vous appuyez sur des touches.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>Test du clavier PS/2</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Réinitialise le clavier PS/2 par l&apos;intermédiaire du contrôleur de clavier et vérifie la réponse de son autotest. Ne touchez ni au clavier ni à la souris pendant le test.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>Test du clavier USB</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Vérifie que chaque clavier USB s&apos;identifie par un identifiant de fournisseur et de produit ainsi que par le nom de son fabricant et celui du produit.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Test de vérification des codes de touche</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Affiche la dernière touche pressée et l&apos;état des touches de verrouillage, pour que vous puissiez juger si le clavier fonctionne.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Test avancé</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Affiche une image du clavier de l&apos;ordinateur portable et marque chaque touche pressée, pour que vous puissiez repérer les touches qui ne répondent pas.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>Test interrompu, car un événement système susceptible de compromettre le résultat s&apos;est produit.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>Ce test ne peut pas être effectué, car le périphérique n&apos;a pas pu être identifié ou a été déconnecté.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Composants potentiellement défectueux</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>Le test a détecté une intervention de l&apos;utilisateur pendant son exécution. Veuillez relancer le test sans toucher aucun clavier ni périphérique de pointage, externe ou intégré, pendant son exécution.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>Le clavier a échoué à son autotest. Vérifiez qu&apos;il est correctement branché et relancez le test.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>Impossible de désactiver l&apos;interruption du clavier au niveau du contrôleur de clavier.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>Impossible de réactiver l&apos;interruption du clavier au niveau du contrôleur de clavier. Le clavier risque de ne plus répondre jusqu&apos;au redémarrage de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>Impossible de rétablir le délai et la vitesse de répétition du clavier.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>Veuillez ne toucher ni au clavier ni à la souris avant la fin du test.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>Ce clavier USB ne s&apos;identifie pas&#xa0;:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>Un clavier USB n&apos;indique aucun identifiant de produit.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>Un clavier USB n&apos;indique aucun identifiant de fournisseur.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>Un clavier USB n&apos;indique aucun nom de fabricant.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>Un clavier USB n&apos;indique aucun nom de produit.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Vérification des codes de touche</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Test avancé du clavier</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>Clavier PS/2</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>Clavier USB</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>Détecté</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>Version du pilote</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>ID du fournisseur</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>ID du produit</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Vérification des codes de touche</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Utilisez librement votre clavier, puis indiquez le résultat du test lorsque vous avez terminé.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Dernière touche pressée&#xa0;:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Touches de verrouillage&#xa0;:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>Votre clavier fonctionne-t-il correctement&#xa0;?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Appuyez sur chaque touche du clavier&#xa0;: elle est alors marquée sur l&apos;image.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Choisir la disposition&#xa0;:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>Les touches dessinées uniquement à titre d&apos;illustration ne sont pas comptées.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>KEYBOARD_HELD_BY_ANOTHER_PROGRAM</source>
        <translation>Un autre programme retient le clavier : les touches lui parviennent au lieu de ce test et ne s&apos;affichent pas ici. Fermez le menu ou la boîte de dialogue de ce programme ; le test prend le clavier dès qu&apos;il est libre.</translation>
    </message>
    <message>
        <source>KEYBOARD_KEYS_ONLY_WHILE_FOCUSED</source>
        <translation>Ce bureau ne permet pas au test de retenir le clavier : les touches ne s&apos;affichent ici que tant que cette fenêtre a le focus, et les raccourcis du bureau (comme Alt+Tab) restent actifs.</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Barre d&apos;espace</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Applications</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Page précédente du navigateur</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Page suivante du navigateur</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Actualisation du navigateur</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Arrêt du navigateur</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Recherche du navigateur</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Favoris du navigateur</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Page d&apos;accueil du navigateur</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Augmenter le volume</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Arrêt de la lecture</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>Code de touche réservé</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>Code de touche non défini</translation>
    </message>
    <message>
        <source>Left mouse button</source>
        <translation>Bouton gauche de la souris</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Bouton droit de la souris</translation>
    </message>
    <message>
        <source>Control-break processing</source>
        <translation>Traitement de l&apos;interruption Ctrl+Pause</translation>
    </message>
    <message>
        <source>Middle mouse button (three-button mouse)</source>
        <translation>Bouton central de la souris (souris à trois boutons)</translation>
    </message>
    <message>
        <source>X1 mouse button</source>
        <translation>Bouton X1 de la souris</translation>
    </message>
    <message>
        <source>X2 mouse button</source>
        <translation>Bouton X2 de la souris</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Maj</translation>
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
        <translation>Verr. maj</translation>
    </message>
    <message>
        <source>IME Kana mode</source>
        <translation>Mode Kana de l&apos;IME</translation>
    </message>
    <message>
        <source>IME Hanguel mode</source>
        <translation>Mode Hanguel de l&apos;IME</translation>
    </message>
    <message>
        <source>IME Hangul mode</source>
        <translation>Mode Hangul de l&apos;IME</translation>
    </message>
    <message>
        <source>IME Junja mode</source>
        <translation>Mode Junja de l&apos;IME</translation>
    </message>
    <message>
        <source>IME final mode</source>
        <translation>Mode final de l&apos;IME</translation>
    </message>
    <message>
        <source>IME Hanja mode</source>
        <translation>Mode Hanja de l&apos;IME</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>IME convert</source>
        <translation>Conversion de l&apos;IME</translation>
    </message>
    <message>
        <source>IME nonconvert</source>
        <translation>Non-conversion de l&apos;IME</translation>
    </message>
    <message>
        <source>IME accept</source>
        <translation>Acceptation de l&apos;IME</translation>
    </message>
    <message>
        <source>IME mode change request</source>
        <translation>Demande de changement de mode de l&apos;IME</translation>
    </message>
    <message>
        <source>PAGE UP</source>
        <translation>Page préc</translation>
    </message>
    <message>
        <source>PAGE DOWN</source>
        <translation>Page suiv</translation>
    </message>
    <message>
        <source>END</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>EXECUTE</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>PRINT SCREEN</source>
        <translation>Impr. écran</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Suppr</translation>
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
        <translation>Windows gauche</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows droite</translation>
    </message>
    <message>
        <source>Numeric keypad 0</source>
        <translation>Pavé numérique 0</translation>
    </message>
    <message>
        <source>Numeric keypad 1</source>
        <translation>Pavé numérique 1</translation>
    </message>
    <message>
        <source>Numeric keypad 2</source>
        <translation>Pavé numérique 2</translation>
    </message>
    <message>
        <source>Numeric keypad 3</source>
        <translation>Pavé numérique 3</translation>
    </message>
    <message>
        <source>Numeric keypad 4</source>
        <translation>Pavé numérique 4</translation>
    </message>
    <message>
        <source>Numeric keypad 5</source>
        <translation>Pavé numérique 5</translation>
    </message>
    <message>
        <source>Numeric keypad 6</source>
        <translation>Pavé numérique 6</translation>
    </message>
    <message>
        <source>Numeric keypad 7</source>
        <translation>Pavé numérique 7</translation>
    </message>
    <message>
        <source>Numeric keypad 8</source>
        <translation>Pavé numérique 8</translation>
    </message>
    <message>
        <source>Numeric keypad 9</source>
        <translation>Pavé numérique 9</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Touche d&apos;addition</translation>
    </message>
    <message>
        <source>Separator key</source>
        <translation>Touche de séparation</translation>
    </message>
    <message>
        <source>Subtract key</source>
        <translation>Touche de soustraction</translation>
    </message>
    <message>
        <source>Decimal key</source>
        <translation>Touche décimale</translation>
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
        <translation>Non attribué</translation>
    </message>
    <message>
        <source>NUM LOCK</source>
        <translation>Verr. num</translation>
    </message>
    <message>
        <source>SCROLL LOCK</source>
        <translation>Arrêt défil</translation>
    </message>
    <message>
        <source>OEM specific</source>
        <translation>Spécifique à l&apos;OEM</translation>
    </message>
    <message>
        <source>Start Mail</source>
        <translation>Démarrer la messagerie</translation>
    </message>
    <message>
        <source>Select Media</source>
        <translation>Sélectionner un média</translation>
    </message>
    <message>
        <source>APPLICATIONS1</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Applications 1</translation>
    </message>
    <message>
        <source>APPLICATIONS2</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Applications 2</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;;:&apos; key</source>
        <translation>Varie selon le clavier. La touche «&#xa0;;:&#xa0;» sur le clavier américain standard</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;+&apos; key</source>
        <translation>La touche «&#xa0;+&#xa0;», quels que soient le pays ou la région</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;,&apos; key</source>
        <translation>La touche «&#xa0;,&#xa0;», quels que soient le pays ou la région</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;-&apos; key</source>
        <translation>La touche «&#xa0;-&#xa0;», quels que soient le pays ou la région</translation>
    </message>
    <message>
        <source>For any country/region, the &apos;.&apos; key</source>
        <translation>La touche «&#xa0;.&#xa0;», quels que soient le pays ou la région</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;/?&apos; key</source>
        <translation>Varie selon le clavier. La touche «&#xa0;/?&#xa0;» sur le clavier américain standard</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;`~&apos; key</source>
        <translation>Varie selon le clavier. La touche «&#xa0;`~&#xa0;» sur le clavier américain standard</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;[{&apos; key</source>
        <translation>Varie selon le clavier. La touche «&#xa0;[{&#xa0;» sur le clavier américain standard</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;\|&apos; key</source>
        <translation>Varie selon le clavier. La touche «&#xa0;\|&#xa0;» sur le clavier américain standard</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;]}&apos; key</source>
        <translation>Varie selon le clavier. La touche «&#xa0;]}&#xa0;» sur le clavier américain standard</translation>
    </message>
    <message>
        <source>It can vary by keyboard. For the US standard keyboard, the &apos;single-quote/double-quote&apos; key</source>
        <translation>Varie selon le clavier. La touche apostrophe/guillemets sur le clavier américain standard</translation>
    </message>
    <message>
        <source>It can vary by keyboard.</source>
        <translation>Varie selon le clavier.</translation>
    </message>
    <message>
        <source>Either the angle bracket key or the backslash key on the RT 102-key keyboard</source>
        <translation>La touche chevrons ou la touche barre oblique inverse du clavier RT à 102 touches</translation>
    </message>
    <message>
        <source>IME PROCESS key</source>
        <translation>Touche de traitement de l&apos;IME</translation>
    </message>
    <message>
        <source>Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a 32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP</source>
        <translation>Sert à transmettre des caractères Unicode comme s&apos;il s&apos;agissait de frappes de touches. La touche VK_PACKET est le mot de poids faible d&apos;une valeur de touche virtuelle de 32 bits utilisée pour les méthodes de saisie autres que le clavier. Pour plus d&apos;informations, voir la section Remarques de KEYBDINPUT, SendInput, WM_KEYDOWN et WM_KEYUP</translation>
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
        <translation>Effacer EOF</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
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
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>KeycodeTestWidget</name>
    <message>
        <source>Num</source>
        <translation>Verr. num</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Verr. maj</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Arrêt défil</translation>
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
        <translation>Impr</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
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
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
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
        <translation>Verr.
maj</translation>
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
        <translation>Entrée</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Pg↑</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
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
        <translation>Pg↓</translation>
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
        <translation>Espace</translation>
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
        <translation>Les touches à bordure sombre sont ignorées par ce test</translation>
    </message>
    <message>
        <source>Click Fail if any key is not marked after being pressed.</source>
        <translation>Cliquez sur Échec si une touche pressée n&apos;est pas marquée.</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Alim</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Préc</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suiv</translation>
    </message>
    <message>
        <source>NumLk</source>
        <translation>Verr.
num</translation>
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
        <translation>Verrou</translation>
    </message>
    <message>
        <source>Net</source>
        <translatorcomment>same as English</translatorcomment>
        <translation>Net</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Attn</translation>
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
        <translation>Retour
arrière</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
</TS>
