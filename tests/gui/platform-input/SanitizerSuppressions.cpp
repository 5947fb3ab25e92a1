// Sanitizer findings in libraries the GUI test programs use that are known to be false or not ours.

// xkbcommon-x11 copies atom names out of X replies with strndup(name, length). For a name of
// length 0 that ends a reply, ASan's strict string checks (strict_string_checks=1, as our
// sanitizer runs set) take the pointer for a C string and check up to the next NUL, past the
// reply, although strndup reads nothing there. ASan reads these lines on top of any file named
// in ASAN_OPTIONS.
extern "C" const char* __asan_default_suppressions() { return "interceptor_via_lib:libxkbcommon-x11.so\n"; }

// Qt's xcb platform probes the session bus at start-up; libdbus keeps a buffer from that probe for
// the life of the process. LeakSanitizer reads these lines on top of any file in LSAN_OPTIONS.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
