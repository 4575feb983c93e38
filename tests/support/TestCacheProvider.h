#pragma once

#include "central/CacheSet.h"

namespace ovl::test {

// The caches of a test, built on first use from the test's connections.
using TestCacheProvider = CacheSet;

} // namespace ovl::test
