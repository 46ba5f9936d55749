// Remembers where exceptions are thrown, so that the report of an unhandled error can show
// the chain of calls at the throw and not only at the handler that caught it.
//
// The C++ runtime's __cxa_throw is wrapped: this definition takes precedence over the one
// in libstdc++ (the executable's symbols come first), stores the raw return addresses into
// a small per-thread ring and passes on to the real function. Storing raw addresses needs
// no allocation, so even std::bad_alloc is thrown safely; names and lines are looked up only
// when a report is written.

#include "ui/ErrorReportThrow.h"

#include <boost/stacktrace/safe_dump_to.hpp>

#include <cxxabi.h>
#include <dlfcn.h>

#include <array>
#include <cstddef>
#include <typeinfo>

namespace {

constexpr std::size_t kFrames = 64;
constexpr std::size_t kSlots = 4;

struct ThrowSlot {
    const void* object = nullptr;
    std::size_t bytes = 0;
    std::array<boost::stacktrace::frame::native_frame_ptr_t, kFrames> frames{};
};

struct ThrowRing {
    std::array<ThrowSlot, kSlots> slots;
    std::size_t next = 0;
};

thread_local ThrowRing t_ring;

void Remember(const void* object) noexcept {
    ThrowSlot& slot = t_ring.slots[t_ring.next];
    t_ring.next = (t_ring.next + 1) % kSlots;
    slot.object = object;
    // Skip this function and the wrapper below.
    const std::size_t n =
        boost::stacktrace::safe_dump_to(2, slot.frames.data(), sizeof slot.frames);
    slot.bytes = n * sizeof(boost::stacktrace::frame::native_frame_ptr_t);
}

using CxaThrow = void (*)(void*, std::type_info*, void (*)(void*));

CxaThrow RealThrow() noexcept {
    static const auto real = reinterpret_cast<CxaThrow>(dlsym(RTLD_NEXT, "__cxa_throw"));
    return real;
}

}  // namespace

namespace __cxxabiv1 {

extern "C" void __cxa_throw(void* object, std::type_info* type, void (*destructor)(void*)) {
    Remember(object);
    RealThrow()(object, type, destructor);
    __builtin_unreachable();
}

}  // namespace __cxxabiv1

namespace ui::detail {

std::optional<boost::stacktrace::stacktrace> StackAtThrow(const void* thrownObject) {
    if (!thrownObject)
        return std::nullopt;
    for (const ThrowSlot& slot : t_ring.slots)
        if (slot.object == thrownObject && slot.bytes > 0)
            return boost::stacktrace::stacktrace::from_dump(slot.frames.data(), slot.bytes);
    return std::nullopt;
}

}  // namespace ui::detail
