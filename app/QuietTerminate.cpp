// Replaces the C++ library's default terminate handler for the program. The library's handler
// prints the uncaught exception's type name, demangled, to the standard error stream, which a
// windowed program does not have; its demangler alone is 45 KB of the program. Linked into the
// program's own objects, so that the library's version is never pulled from its archive. Every
// exception is caught at the event dispatch boundary, so this runs only on a fault of the
// program itself, and it ends the process as the library's handler would.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
