#include "central/CacheSet.h"

#include <utility>

namespace ovl {

namespace {

// Builds into the slot only once the build has finished: a failure leaves it empty.
template <class Cache, class BuildFn>
Cache& GetOrBuild(std::unique_ptr<Cache>& slot, BuildFn build) {
    if (!slot) {
        auto pCache = std::make_unique<Cache>();
        build(*pCache);
        slot = std::move(pCache);
    }
    return *slot;
}

} // namespace

CacheSet::CacheSet(db::Connection& central, db::Connection& local, int nLanguageIndex,
                   int nAccountId)
    : m_central(central), m_local(local), m_nLanguageIndex(nLanguageIndex),
      m_nAccountId(nAccountId) {}

CacheSet::~CacheSet() {
    FreeAll();
}

void CacheSet::FreeAll() {
    m_pLibPreEmb.reset();
    m_pMsLib.reset();
    m_pSrc.reset();
    m_pProd.reset();
    m_pAlrg.reset();
    m_pLib.reset();
    m_pProv.reset();
}

CProvCache& CacheSet::ProvCache() {
    return GetOrBuild(m_pProv, [&](CProvCache& c) { c.Build(m_central, m_nAccountId); });
}

CSrcCache& CacheSet::SrcCache() {
    return GetOrBuild(m_pSrc, [&](CSrcCache& c) { c.Build(m_central); });
}

CLibCache& CacheSet::LibCache() {
    return GetOrBuild(m_pLib, [&](CLibCache& c) { c.Build(m_central, m_nLanguageIndex); });
}

CAlrgCache& CacheSet::AlrgCache() {
    return GetOrBuild(m_pAlrg,
                      [&](CAlrgCache& c) { c.Build(m_central, m_local, m_nLanguageIndex); });
}

CMsLibCache& CacheSet::MsLibCache() {
    return GetOrBuild(m_pMsLib,
                      [&](CMsLibCache& c) { c.Build(m_central, m_local, m_nLanguageIndex); });
}

CLibPreEmbCache& CacheSet::LibPreEmbCache() {
    return GetOrBuild(m_pLibPreEmb,
                      [&](CLibPreEmbCache& c) { c.Build(m_local, m_nLanguageIndex); });
}

CProdCache& CacheSet::ProdCache() {
    ProgressObserver* progress = std::exchange(m_pProdProgress, nullptr);
    return GetOrBuild(
        m_pProd, [&](CProdCache& c) { c.Build(m_central, m_nLanguageIndex, *this, progress); });
}

} // namespace ovl
