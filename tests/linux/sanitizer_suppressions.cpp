// Read by the sanitizers in the sanitizer build; unused functions otherwise.
//
// Fontconfig keeps a few process-wide values (the default languages, the program name) until
// FcFini, which the launcher never calls: its fonts are in use until the process ends.
// The sanitizer's own hook, so its reserved name.
extern "C" const char* __lsan_default_suppressions();   // NOLINT(bugprone-reserved-identifier)
extern "C" const char* __lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
  return "leak:libfontconfig.so\n";
}

// A damaged picture's header may ask for a surface of terabytes. A real process's malloc then
// returns null and SDL refuses the picture, which is what the tests check; the sanitizer's own
// allocator would end the process instead.
extern "C" const char* __asan_default_options();   // NOLINT(bugprone-reserved-identifier)
extern "C" const char* __asan_default_options() {  // NOLINT(bugprone-reserved-identifier)
  return "allocator_may_return_null=1";
}
