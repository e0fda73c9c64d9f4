// The program is built without C++ exceptions. These definitions stand in
// for the run-time library's throwing ones, so that neither its exception
// machinery nor its exception-enabled string code is linked into the
// program (together well over 100 KB). Where the library would throw (no
// memory left, a broken container precondition) the program ends, just as
// the uncaught exception would have ended it.
// Linked into the program only: the tests keep the library's own versions.
#include <cstdlib>
#include <new>
#include <string>

void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) std::abort();
    return block;
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

namespace std {

void __throw_bad_alloc() {
    std::abort();
}

void __throw_bad_array_new_length() {
    std::abort();
}

void __throw_length_error(const char*) {
    std::abort();
}

void __throw_logic_error(const char*) {
    std::abort();
}

void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}

}  // namespace std

// The library's own copies of these carry exception handling; ours do not.
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;
