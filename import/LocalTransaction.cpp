#include "import/LocalTransaction.h"

#include "central/LibPreEmbCache.h"

namespace ovl {

LocalTransaction::LocalTransaction(ImportContext& context)
    : m_context(context), m_nLabelCheckpoint(context.caches.LibPreEmbCache().Checkpoint()) {
    m_context.local.BeginTransaction();
}

LocalTransaction::~LocalTransaction() {
    if (m_bDone)
        return;
    try {
        m_context.local.Rollback();
    } catch (...) {
        // Already failing: the error that got us here is the one to report.
    }
    m_context.caches.LibPreEmbCache().ForgetLabelsAfter(m_nLabelCheckpoint);
}

void LocalTransaction::Commit() {
    m_context.local.Commit();
    m_bDone = true;
}

} // namespace ovl
