#pragma once

#include <optional>
#include <vector>

namespace ui::detail {

// Return addresses of the calls active right now, innermost first (this function's caller
// first).
std::vector<void*> CurrentFrames();

// The return addresses at the moment `thrownObject` was thrown on this thread, when it was
// one of the last few exceptions thrown here.
std::optional<std::vector<void*>> FramesAtThrow(const void* thrownObject);

}  // namespace ui::detail
