#pragma once

#include "import/ImportContext.h"

namespace ovl {

// Rewrites every local legal sales name (pre-packaging label of type 0) whose text in the
// user's language differs from the central label of the same search key with the central
// texts in all five languages, then tells the user to restart the kitchen-management
// software. A failed row is reported and skipped. The caches keep the old texts for the run.
void UpdateLegalSalesNames(ImportContext& context);

} // namespace ovl
