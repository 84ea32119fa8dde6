#pragma once
// The large blocks of a run's working storage, and the limit each of them
// is held to.

#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quorbix {

// The most bytes one block of a run's working storage may take; a larger
// block fails with std::bad_alloc as on a system out of memory. No limit
// unless lowered (tests fail a run this way without exhausting memory).
inline std::size_t Speichergrenze = std::numeric_limits<std::size_t>::max();

// Every large block asks here first, so that a lowered limit fails the
// block just as a system without memory would.
inline std::size_t allowed(std::size_t bytes) {
    if (bytes > Speichergrenze) {
        throw std::bad_alloc();
    }
    return bytes;
}

// A large array left uninitialised, on huge pages where the system offers
// them: a run over 16.7 million codes touches every page of it.
template <class T> class Buffer {
public:
    explicit Buffer(std::size_t size) {
        constexpr std::size_t Page = std::size_t{2} << 20;
        const std::size_t bytes = (size * sizeof(T) + Page - 1) / Page * Page;
        data_ = static_cast<T*>(std::aligned_alloc(Page, allowed(bytes == 0 ? Page : bytes)));
        if (data_ == nullptr) {
            throw std::bad_alloc();
        }
#if defined(MADV_HUGEPAGE)
        madvise(data_, bytes, MADV_HUGEPAGE);
#endif
    }
    ~Buffer() {
        std::free(data_);
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    T& operator[](std::size_t i) {
        return data_[i];
    }
    const T& operator[](std::size_t i) const {
        return data_[i];
    }

private:
    T* data_;
};

} // namespace quorbix
