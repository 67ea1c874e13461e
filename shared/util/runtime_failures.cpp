// Linked into the programs only (not the tests). The programs throw and catch nothing: a
// failure inside the C++ runtime (memory exhausted, a string past its maximum length) ends
// the program at once, as the uncaught exception did before, the way a runtime configured
// without its verbose messages does. Defining the runtime's reporting functions here keeps
// its exception classes, their strings and its name demangler (about 120 KB) out of the
// executables; the linker stops with "multiple definition" if the runtime ever needs
// another of them.
#include <cstddef>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

// The runtime's own allocation throws bad_alloc when memory runs out, and that throw alone
// links in the whole exception machinery (the unwinder and, for the 32-bit programs, a
// threads library under it: about 60 KB). The programs set no new-handler, so ending here
// is what the uncaught bad_alloc did.
void *operator new(std::size_t size) {
    if (void *block = std::malloc(size == 0 ? 1 : size)) return block;
    std::abort();
}
void operator delete(void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char *) { std::abort(); }
void __throw_logic_error(const char *) { std::abort(); }
void __throw_out_of_range(const char *) { std::abort(); }
void __throw_out_of_range_fmt(const char *, ...) { std::abort(); }
void __throw_invalid_argument(const char *) { std::abort(); }
} // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
