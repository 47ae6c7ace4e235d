// SanitizerOptions: what the sanitizers are told about the libraries the
// program uses, in a sanitizer build only.
// - The web engine and fontconfig keep what they allocate until the process
//   ends, by design: those leaks are suppressed by library name.
// - The web engine's own allocator frees some blocks with another size than
//   it allocated them with. AddressSanitizer cannot be told that for one
//   library, so its new-delete size check is off for the whole test program;
//   every other check stays on. (Deleting through a base without a virtual
//   destructor, the usual way our own code could trip it, is a compile-time
//   warning of the build.)
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libQt6WebEngineCore.so\n"
         "leak:libfontconfig.so\n";
}
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }
#endif
