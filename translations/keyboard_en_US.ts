<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>KEYBOARD</name>
    <message>
        <source>KEYBOARD</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD</source>
        <translation>Quick Keyboard Tests</translation>
    </message>
    <message>
        <source>QUICK_KEYBOARD_TESTS_TOOLTIP</source>
        <translation>Checks the keyboards of this computer: a PS/2 keyboard reset, the identification of USB keyboards, and two tests in which you press keys.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST</source>
        <translation>PS/2 Keyboard Test</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Resets the PS/2 keyboard through the keyboard controller and checks its self-test answer. Do not touch the keyboard or the mouse while it runs.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST</source>
        <translation>USB Keyboard Test</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_TEST_DESCRIPTION</source>
        <translation>Checks that every USB keyboard identifies itself with a vendor and product identifier and with its manufacturer and product names.</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST</source>
        <translation>Keycode Verification Test</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION_TEST_DESCRIPTION</source>
        <translation>Shows the last key you pressed and the state of the lock keys, so that you can judge whether the keyboard works.</translation>
    </message>
    <message>
        <source>ADVANCED_TEST</source>
        <translation>Advanced Test</translation>
    </message>
    <message>
        <source>ADVANCED_TEST_DESCRIPTION</source>
        <translation>Shows a picture of the laptop's keyboard and marks every key you press, so that you can find keys that do not respond.</translation>
    </message>
    <message>
        <source>TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.</source>
        <translation>Test aborted because a system event that could compromise the outcome has happened.</translation>
    </message>
    <message>
        <source>THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED</source>
        <translation>This test cannot be performed because the device could not be identified or has been disconnected.</translation>
    </message>
    <message>
        <source>POSSIBLE_DEFECTIVE_COMPONENTS</source>
        <translation>Possible defective components</translation>
    </message>
    <message>
        <source>THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING</source>
        <translation>The test detected user intervention while running. Please run the test again without touching any attached or built-in keyboard or pointing device while the test is running.</translation>
    </message>
    <message>
        <source>KEYBOARD_CHECK_CONNECTIONS_MESSAGE</source>
        <translation>The keyboard did not pass its self-test. Check that it is connected properly and run the test again.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE</source>
        <translation>The keyboard interrupt could not be switched off at the keyboard controller.</translation>
    </message>
    <message>
        <source>KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE</source>
        <translation>The keyboard interrupt could not be switched back on at the keyboard controller. The keyboard may not respond until the computer is restarted.</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS</source>
        <translation>The keyboard's repeat delay and rate could not be restored.</translation>
    </message>
    <message>
        <source>KEYBOARD_AVOID_USER_INTERVATION_MESSAGE</source>
        <translation>Please do not touch the keyboard or the mouse until the test has finished.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_FAIL_MESSAGE</source>
        <translation>This USB keyboard does not identify itself:</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PID_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no product identifier.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VID_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no vendor identifier.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no manufacturer name.</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_DEVICE_FAIL_MESSAGE</source>
        <translation>A USB keyboard reports no product name.</translation>
    </message>
    <message>
        <source>KEYCODE_INPUT_TITLE</source>
        <translation>Keycode Verification</translation>
    </message>
    <message>
        <source>kTkAdvancedTestInputTitle</source>
        <translation>Advanced Keyboard Test</translation>
    </message>
    <message>
        <source>KEYBOARD_DEVICE_NAME</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD</source>
        <translation>PS/2 keyboard</translation>
    </message>
    <message>
        <source>USB_KEYBOARD</source>
        <translation>USB keyboard</translation>
    </message>
    <message>
        <source>PS2_KEYBOARD_DETECTED_STATUS</source>
        <translation>Detected</translation>
    </message>
    <message>
        <source>DRIVER_VERSION</source>
        <translation>Driver version</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_VENDOR_ID</source>
        <translation>Vendor ID</translation>
    </message>
    <message>
        <source>USB_KEYBOARD_PRODUCT_ID</source>
        <translation>Product ID</translation>
    </message>
    <message>
        <source>APPLICATION_NAME</source>
        <translation>Halvik Diagnostics</translation>
    </message>
    <message>
        <source>KEYCODE_VERIFICATION</source>
        <translation>Keycode Verification</translation>
    </message>
    <message>
        <source>FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.</source>
        <translation>Feel free to use your keyboard, and give the test result when you have finished.</translation>
    </message>
    <message>
        <source>LATEST_PRESSED_KEY:</source>
        <translation>Latest pressed key:</translation>
    </message>
    <message>
        <source>TOGGLE_KEYS:</source>
        <translation>Toggle keys:</translation>
    </message>
    <message>
        <source>IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?</source>
        <translation>Is your keyboard behaving as expected?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ADV_TEST_INSTRUCTION</source>
        <translation>Press every key of your keyboard. Each key you press is marked in the picture.</translation>
    </message>
    <message>
        <source>CHOOSE_LAYOUT</source>
        <translation>Choose layout:</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>ILUSTRATION_DESCRIPTION</source>
        <translation>Keys drawn for illustration only are not counted.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>LEFT_ARROW</source>
        <translation>Left Arrow</translation>
    </message>
    <message>
        <source>RIGHT_ARROW</source>
        <translation>Right Arrow</translation>
    </message>
    <message>
        <source>UP_ARROW</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>DOWN_ARROW</source>
        <translation>Down Arrow</translation>
    </message>
    <message>
        <source>SPACEBAR</source>
        <translation>Spacebar</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>BROWSER_BACK</source>
        <translation>Browser Back</translation>
    </message>
    <message>
        <source>BROWSER_FORWARD</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>BROWSER_REFRESH</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>BROWSER_STOP</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>BROWSER_SEARCH</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>BROWSER_FAVORITES</source>
        <translation>Browser Favorites</translation>
    </message>
    <message>
        <source>BROWSER_HOME</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>VOLUME_MUTE</source>
        <translation>Volume Mute</translation>
    </message>
    <message>
        <source>VOLUME_DOWN</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>VOLUME_UP</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>NEXT_TRACK</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>PREVIOUS_TRACK</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>STOP_MEDIA</source>
        <translation>Stop Media</translation>
    </message>
    <message>
        <source>PLAY/PAUSE_MEDIA</source>
        <translation>Play/Pause Media</translation>
    </message>
    <message>
        <source>SLEEP_KEY</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>DIVIDE_KEY</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>RESERVED_KEYCODE</source>
        <translation>Reserved keycode</translation>
    </message>
    <message>
        <source>UNDEFINED_KEYCODE</source>
        <translation>Undefined keycode</translation>
    </message>
</context>
</TS>
