// Read by LeakSanitizer in the sanitizer build; an unused function otherwise.
//
// Fontconfig keeps a few process-wide values (the default languages, the program name) until
// FcFini, which the launcher never calls: its fonts are in use until the process ends.
// The sanitizer's own hook, so its reserved name.
extern "C" const char* __lsan_default_suppressions();   // NOLINT(bugprone-reserved-identifier)
extern "C" const char* __lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
  return "leak:libfontconfig.so\n";
}
