#pragma once

#include <boost/stacktrace/stacktrace.hpp>

#include <optional>

namespace ui::detail {

// The chain of calls at the moment `thrownObject` was thrown on this thread, when it was one
// of the last few exceptions thrown here.
std::optional<boost::stacktrace::stacktrace> StackAtThrow(const void* thrownObject);

}  // namespace ui::detail
