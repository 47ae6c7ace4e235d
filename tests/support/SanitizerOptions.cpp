// SanitizerOptions: what the sanitizers are told about the libraries the
// program uses, in a sanitizer build only. The web engine and fontconfig
// keep what they allocate until the process ends, by design; the web
// engine's own allocator frees some blocks with another size than it
// allocated them with, which AddressSanitizer would stop the program for.
// Every other check stays on, for the program and the libraries alike.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libQt6WebEngineCore.so\n"
         "leak:libfontconfig.so\n";
}
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }
#endif
