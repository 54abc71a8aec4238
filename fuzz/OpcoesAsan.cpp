// AddressSanitizer's defaults for the fuzz targets, also when run by hand:
// SIGFPE belongs to the calculation, whose handler turns the trap into an
// exception; the sanitizer must not take it over.
extern "C" const char* __asan_default_options() { return "handle_sigfpe=0"; }
