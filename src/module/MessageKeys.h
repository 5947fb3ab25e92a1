// Every message key the module sends to the host or shows in its dialogs, context "KEYBOARD".
// Keys are looked up character for character, so they live here once and nowhere else; every
// literal in this file is a key, and translations/keyboard_en_US.ts must have an entry for each
// (a test reads this file and checks).
#pragma once

namespace corvo::keyboard::keys {

// Diagnostic and test names and descriptions.
inline constexpr char kKeyboard[] = "KEYBOARD";
inline constexpr char kQuickKeyboard[] = "QUICK_KEYBOARD";
inline constexpr char kQuickKeyboardTestsTooltip[] = "QUICK_KEYBOARD_TESTS_TOOLTIP";
inline constexpr char kPs2KeyboardTest[] = "PS2_KEYBOARD_TEST";
inline constexpr char kPs2KeyboardTestDescription[] = "PS2_KEYBOARD_TEST_DESCRIPTION";
inline constexpr char kUsbKeyboardTest[] = "USB_KEYBOARD_TEST";
inline constexpr char kUsbKeyboardTestDescription[] = "USB_KEYBOARD_TEST_DESCRIPTION";
inline constexpr char kKeycodeVerificationTest[] = "KEYCODE_VERIFICATION_TEST";
inline constexpr char kKeycodeVerificationTestDescription[] = "KEYCODE_VERIFICATION_TEST_DESCRIPTION";
inline constexpr char kAdvancedTest[] = "ADVANCED_TEST";
inline constexpr char kAdvancedTestDescription[] = "ADVANCED_TEST_DESCRIPTION";

// Messages and progress texts every test may send.
inline constexpr char kSystemEventAbort[] =
    "TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.";
inline constexpr char kDeviceNotIdentified[] =
    "THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED";
inline constexpr char kPossibleDefectiveComponents[] = "POSSIBLE_DEFECTIVE_COMPONENTS";

// PS/2 test.
inline constexpr char kUserIntervention[] =
    "THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_"
    "ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING";
inline constexpr char kCheckConnections[] = "KEYBOARD_CHECK_CONNECTIONS_MESSAGE";
inline constexpr char kCouldNotDisableInterrupts[] = "KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE";
inline constexpr char kCouldNotReenableInterrupts[] = "KEYBOARD_COULD_NOT_RENABLE_INTERRUPTS_MESSAGE";
inline constexpr char kCouldNotRestoreTypematic[] = "PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS";
inline constexpr char kAvoidUserIntervention[] = "KEYBOARD_AVOID_USER_INTERVATION_MESSAGE";

// USB test.
inline constexpr char kUsbKeyboardFail[] = "USB_KEYBOARD_FAIL_MESSAGE";
inline constexpr char kUsbKeyboardPidFail[] = "USB_KEYBOARD_PID_FAIL_MESSAGE";
inline constexpr char kUsbKeyboardVidFail[] = "USB_KEYBOARD_VID_FAIL_MESSAGE";
inline constexpr char kUsbKeyboardManufacturerFail[] = "USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE";
inline constexpr char kUsbKeyboardDeviceFail[] = "USB_KEYBOARD_DEVICE_FAIL_MESSAGE";

// Input-request titles of the interactive tests.
inline constexpr char kKeycodeInputTitle[] = "KEYCODE_INPUT_TITLE";
inline constexpr char kAdvancedTestInputTitle[] = "kTkAdvancedTestInputTitle";

// Device description of the keyboard component.
inline constexpr char kKeyboardDeviceName[] = "KEYBOARD_DEVICE_NAME";
inline constexpr char kPs2Keyboard[] = "PS2_KEYBOARD";
inline constexpr char kUsbKeyboard[] = "USB_KEYBOARD";
inline constexpr char kPs2KeyboardDetectedStatus[] = "PS2_KEYBOARD_DETECTED_STATUS";
inline constexpr char kDriverVersion[] = "DRIVER_VERSION";
inline constexpr char kUsbKeyboardVendorId[] = "USB_KEYBOARD_VENDOR_ID";
inline constexpr char kUsbKeyboardProductId[] = "USB_KEYBOARD_PRODUCT_ID";

// Dialog texts.
inline constexpr char kApplicationName[] = "APPLICATION_NAME";
inline constexpr char kKeycodeVerification[] = "KEYCODE_VERIFICATION";
inline constexpr char kFeelFreeToUseYourKeyboard[] =
    "FEEL_FREE_TO_USE_YOUR_KEYBOARD_AND_PROVIDE_THE_TEST_RESULT_WHEN_YOU_FINISH.";
inline constexpr char kLatestPressedKey[] = "LATEST_PRESSED_KEY:";
inline constexpr char kToggleKeys[] = "TOGGLE_KEYS:";
inline constexpr char kIsYourKeyboardBehavingAsExpected[] = "IS_YOUR_KEYBOARD_BEHAVING_AS_EXPECTED?";
inline constexpr char kYes[] = "YES";
inline constexpr char kNo[] = "NO";
inline constexpr char kAdvancedTestInstruction[] = "ADV_TEST_INSTRUCTION";
inline constexpr char kChooseLayout[] = "CHOOSE_LAYOUT";
inline constexpr char kClear[] = "CLEAR";
inline constexpr char kIllustrationDescription[] = "ILUSTRATION_DESCRIPTION";
inline constexpr char kFail[] = "FAIL";
inline constexpr char kKeyboardHeldElsewhere[] = "KEYBOARD_HELD_BY_ANOTHER_PROGRAM";
inline constexpr char kKeysOnlyWhileFocused[] = "KEYBOARD_KEYS_ONLY_WHILE_FOCUSED";

// Key descriptions of the keycode dialog's key table.
inline constexpr char kLeftArrow[] = "LEFT_ARROW";
inline constexpr char kRightArrow[] = "RIGHT_ARROW";
inline constexpr char kUpArrow[] = "UP_ARROW";
inline constexpr char kDownArrow[] = "DOWN_ARROW";
inline constexpr char kSpacebar[] = "SPACEBAR";
inline constexpr char kHelp[] = "HELP";
inline constexpr char kApplications[] = "APPLICATIONS";
inline constexpr char kBrowserBack[] = "BROWSER_BACK";
inline constexpr char kBrowserForward[] = "BROWSER_FORWARD";
inline constexpr char kBrowserRefresh[] = "BROWSER_REFRESH";
inline constexpr char kBrowserStop[] = "BROWSER_STOP";
inline constexpr char kBrowserSearch[] = "BROWSER_SEARCH";
inline constexpr char kBrowserFavorites[] = "BROWSER_FAVORITES";
inline constexpr char kBrowserHome[] = "BROWSER_HOME";
inline constexpr char kVolumeMute[] = "VOLUME_MUTE";
inline constexpr char kVolumeDown[] = "VOLUME_DOWN";
inline constexpr char kVolumeUp[] = "VOLUME_UP";
inline constexpr char kNextTrack[] = "NEXT_TRACK";
inline constexpr char kPreviousTrack[] = "PREVIOUS_TRACK";
inline constexpr char kStopMedia[] = "STOP_MEDIA";
inline constexpr char kPlayPauseMedia[] = "PLAY/PAUSE_MEDIA";
inline constexpr char kSleepKey[] = "SLEEP_KEY";
inline constexpr char kDivideKey[] = "DIVIDE_KEY";
inline constexpr char kReservedKeycode[] = "RESERVED_KEYCODE";
inline constexpr char kUndefinedKeycode[] = "UNDEFINED_KEYCODE";

} // namespace corvo::keyboard::keys
