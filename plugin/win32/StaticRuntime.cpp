// The C++ runtime is linked into the library, so that it runs on a stock Windows. Two things
// its defaults do are wrong for a library that a host loads and unloads, and are set right
// here (this file is linked into the library itself, so its definitions come first).
#include <cstdlib>

namespace __gnu_cxx {

// The handler std::terminate calls, in place of the runtime's verbose one. That one prints
// the type of the exception that ended the program, and for that carries a name demangler
// and a printf family: some 70 KiB, a seventh of the library. Nothing is thrown out of the
// plug-in (every export catches all), a host shows no standard error stream, and the end is
// the same abort.
void __verbose_terminate_handler() { std::abort(); }

// Frees the runtime's reserve for throwing when memory is exhausted.
void __freeres();

}  // namespace __gnu_cxx

namespace {

// The runtime takes its reserve (about 18 KiB) when the library loads and never gives it back,
// so each load and unload of the library would leave it behind in the host. Static objects
// are destroyed when the library is unloaded, after its last call.
struct ReleaseRuntimeReserve {
    ~ReleaseRuntimeReserve() { __gnu_cxx::__freeres(); }
} releaseRuntimeReserve;

}  // namespace
