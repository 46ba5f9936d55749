// Remembers where exceptions are thrown, so that the report of an unhandled error can show
// the chain of calls at the throw and not only at the handler that caught it.
//
// The C++ runtime's __cxa_throw is wrapped: this definition takes precedence over the one
// in libstdc++ (the executable's symbols come first), stores the raw return addresses into
// a small per-thread ring and passes on to the real function. Storing raw addresses needs
// no allocation, so even std::bad_alloc is thrown safely; names and lines are looked up only
// when a report is written.

#include "ui/ErrorReportThrow.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <array>
#include <cstddef>
#include <typeinfo>

namespace {

constexpr int kFrames = 64;
constexpr std::size_t kSlots = 4;

struct ThrowSlot {
    const void* object = nullptr;
    int count = 0;
    std::array<void*, kFrames> frames{};
};

struct ThrowRing {
    std::array<ThrowSlot, kSlots> slots;
    std::size_t next = 0;
};

thread_local ThrowRing t_ring;

// backtrace() loads the unwinder on its first call, which may allocate: do that once at
// start-up rather than inside a throw.
const bool g_unwinderLoaded = [] {
    std::array<void*, 2> probe{};
    return backtrace(probe.data(), static_cast<int>(probe.size())) >= 0;
}();

void Remember(const void* object) noexcept {
    ThrowSlot& slot = t_ring.slots[t_ring.next];
    t_ring.next = (t_ring.next + 1) % kSlots;
    slot.object = object;
    // The frames of this function and of the wrapper are dropped by name when the report
    // is written, which stays right whether or not the compiler inlined this one.
    slot.count = backtrace(slot.frames.data(), kFrames);
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

std::vector<void*> CurrentFrames() {
    std::array<void*, kFrames + 1> frames{};
    const int n = backtrace(frames.data(), static_cast<int>(frames.size()));
    return n > 1 ? std::vector<void*>(frames.begin() + 1, frames.begin() + n)
                 : std::vector<void*>();
}

std::optional<std::vector<void*>> FramesAtThrow(const void* thrownObject) {
    if (!thrownObject)
        return std::nullopt;
    for (const ThrowSlot& slot : t_ring.slots)
        if (slot.object == thrownObject && slot.count > 0)
            return std::vector<void*>(slot.frames.begin(), slot.frames.begin() + slot.count);
    return std::nullopt;
}

}  // namespace ui::detail
