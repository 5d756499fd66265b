// Linked into the windowed program only. The C++ runtime's default terminate handler writes the
// uncaught exception's demangled type to standard error, which a windowed program does not have;
// its demangler alone is some 45 KB of the executable. Defining the handler here keeps the
// runtime's copy out of the link: terminating still aborts, as it does after that message.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
