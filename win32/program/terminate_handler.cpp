// What the program does when the C++ run-time must end it (an exception
// thrown where none may pass): the run-time's own handler names the
// exception's type, and for that it links the run-time's demangler, a
// tenth of the program. This one, linked in its place, gives what the
// exception says, without its type's name, and aborts as that one does.

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {  // NOLINT(bugprone-reserved-identifier): the run-time's hook

void __verbose_terminate_handler() {  // NOLINT(bugprone-reserved-identifier)
    if (const std::exception_ptr thrown = std::current_exception()) {
        try {
            std::rethrow_exception(thrown);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "terminate called after throwing: %s\n", error.what());
        } catch (...) {
            std::fputs("terminate called after throwing a non-standard exception\n", stderr);
        }
    } else {
        std::fputs("terminate called without an active exception\n", stderr);
    }
    std::abort();
}

}  // namespace __gnu_cxx
