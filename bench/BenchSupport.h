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

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ovl::bench {

// The caches on given connections, built on first use, as the application holds them.
class Caches : public CacheProvider {
public:
    Caches(db::Connection& central, db::Connection& local, int accountId)
        : m_central(central), m_local(local), m_nAccountId(accountId) {}
    CProvCache& ProvCache() override;
    CSrcCache& SrcCache() override;
    CLibCache& LibCache() override;
    CAlrgCache& AlrgCache() override;
    CMsLibCache& MsLibCache() override;
    CLibPreEmbCache& LibPreEmbCache() override;
    CProdCache& ProdCache() override;
    void DropProducts() { m_pProd.reset(); }

private:
    db::Connection& m_central;
    db::Connection& m_local;
    int m_nAccountId;
    std::unique_ptr<CProvCache> m_pProv;
    std::unique_ptr<CSrcCache> m_pSrc;
    std::unique_ptr<CLibCache> m_pLib;
    std::unique_ptr<CAlrgCache> m_pAlrg;
    std::unique_ptr<CMsLibCache> m_pMsLib;
    std::unique_ptr<CLibPreEmbCache> m_pLibPreEmb;
    std::unique_ptr<CProdCache> m_pProd;
};

// Seconds taken by one call.
double SecondsOf(const std::function<void()>& work);

// Milliseconds of each of `runs` calls, sorted.
std::vector<double> SortedMillis(int runs, const std::function<void()>& work);
double Percentile(const std::vector<double>& sorted, double fraction);

// Resident set size of this process, in bytes.
long ResidentBytes();

// One line of the result table.
void PrintRow(const std::string& figure, const std::string& measured, const std::string& goal,
              bool met);

} // namespace ovl::bench
