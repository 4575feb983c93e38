#pragma once

#include "central/AlrgCache.h"
#include "central/CacheProvider.h"
#include "central/LibCache.h"
#include "central/LibPreEmbCache.h"
#include "central/MsLibCache.h"
#include "central/ProdCache.h"
#include "central/ProvCache.h"
#include "central/SrcCache.h"
#include "platform/Connection.h"

#include <memory>

namespace ovl {

class ProgressObserver;

// The seven caches of one run: each is built on first use from the given connections,
// language and installation account, and kept until freed. A build that fails leaves its
// slot empty, so the next use builds it again.
class CacheSet : public CacheProvider {
public:
    CacheSet(db::Connection& central, db::Connection& local, int nLanguageIndex, int nAccountId);
    ~CacheSet() override;

    CProvCache& ProvCache() override;
    CSrcCache& SrcCache() override;
    CLibCache& LibCache() override;
    CAlrgCache& AlrgCache() override;
    CMsLibCache& MsLibCache() override;
    CLibPreEmbCache& LibPreEmbCache() override;
    CProdCache& ProdCache() override;

    // Whether a slot holds its cache, without building it.
    bool HasProvCache() const { return m_pProv != nullptr; }
    bool HasSrcCache() const { return m_pSrc != nullptr; }
    bool HasProdCache() const { return m_pProd != nullptr; }
    bool HasAlrgCache() const { return m_pAlrg != nullptr; }

    // Frees the caches in the order the program frees them at shut-down.
    void FreeAll();
    // Drops the product cache only, so that the next use builds it again.
    void DropProdCache() { m_pProd.reset(); }
    // The next ProdCache() call that builds reports to `observer`; any call forgets it.
    void SetProdProgress(ProgressObserver* observer) { m_pProdProgress = observer; }

private:
    db::Connection& m_central;
    db::Connection& m_local;
    int m_nLanguageIndex;
    int m_nAccountId;
    std::unique_ptr<CProvCache> m_pProv;
    std::unique_ptr<CSrcCache> m_pSrc;
    std::unique_ptr<CLibCache> m_pLib;
    std::unique_ptr<CAlrgCache> m_pAlrg;
    std::unique_ptr<CMsLibCache> m_pMsLib;
    std::unique_ptr<CLibPreEmbCache> m_pLibPreEmb;
    std::unique_ptr<CProdCache> m_pProd;
    ProgressObserver* m_pProdProgress = nullptr;
};

} // namespace ovl
