#pragma once

namespace ovl::db {

// A driver handle as the public headers carry it: opaque, so that no caller needs the
// driver interface's headers. Only the layer's own sources look behind it.
using NativeHandle = void*;

} // namespace ovl::db
