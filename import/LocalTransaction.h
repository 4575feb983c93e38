#pragma once

#include "import/ImportContext.h"

namespace ovl {

// One operation of the import engine as a unit: a transaction on the local connection, and
// the labels the operation adds to the label cache. Unless committed, the destructor rolls
// both back, so a failed import, clearing or creation leaves the ingredient as it was.
class LocalTransaction {
public:
    explicit LocalTransaction(ImportContext& context);
    ~LocalTransaction();
    LocalTransaction(const LocalTransaction&) = delete;
    LocalTransaction& operator=(const LocalTransaction&) = delete;

    void Commit();

private:
    ImportContext& m_context;
    int m_nLabelCheckpoint;
    bool m_bDone = false;
};

} // namespace ovl
