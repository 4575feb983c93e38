#pragma once

namespace ovl {

class CProvCache;
class CSrcCache;
class CLibCache;
class CAlrgCache;
class CMsLibCache;
class CLibPreEmbCache;
class CProdCache;

// The application-wide caches, each built on first use and kept for the run. An accessor
// whose build fails raises the failure and keeps its slot empty, so the next call builds
// again.
class CacheProvider {
public:
    virtual ~CacheProvider() = default;

    virtual CProvCache& ProvCache() = 0;
    virtual CSrcCache& SrcCache() = 0;
    virtual CLibCache& LibCache() = 0;
    virtual CAlrgCache& AlrgCache() = 0;
    virtual CMsLibCache& MsLibCache() = 0;
    virtual CLibPreEmbCache& LibPreEmbCache() = 0;
    virtual CProdCache& ProdCache() = 0;
};

} // namespace ovl
