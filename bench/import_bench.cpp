// Measures imports into an SQLite local database from a MariaDB central database on the
// loopback: one import's latency with its statement count, and a batch of 1,000 imports.
// Run by scripts/bench.sh after product_bench, on the same databases.
#include "bench/BenchSupport.h"
#include "import/ReferenceImport.h"
#include "platform/FailureHook.h"

#include <cstdlib>
#include <stdexcept>

using namespace ovl;

namespace {

// Imports ask nothing when run unattended; messages are counted, not shown.
class QuietMessages : public MessageSink {
public:
    void ShowMessage(const std::string&, MessageIcon) override { ++m_nShown; }
    bool AskYesNo(const std::string&) override { return false; }
    int m_nShown = 0;
};

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

} // namespace

int main(int argc, char** argv) try {
    if (argc != 3)
        throw std::invalid_argument("usage: import_bench CENTRAL_CONNECT LOCAL_CONNECT");
    db::Connection central;
    central.Open(argv[1]);
    db::Connection local;
    local.Open(argv[2]);
    CacheSet caches(central, local, 0, 1);
    QuietMessages messages;
    ImportContext context{local, central, caches, messages, 0, 1, false};

    // Supplier products (no CIQID), which take every step of an import.
    CProdCache& products = caches.ProdCache();
    std::vector<std::int32_t> productIds;
    for (int row = 0; row < products.GetCount() && productIds.size() < 1000; ++row)
        if (!products.GetRecord(row).m_bHasCIQID)
            productIds.push_back(products.GetRecord(row).m_nID);
    if (productIds.empty())
        throw std::runtime_error("no supplier product in the central database");
    const std::int32_t ingredientId = 1;
    ImportReferenceProduct(context, ingredientId, productIds[0]); // builds the other caches

    db::FailureHook::FailAtStatement(0); // only counts
    ImportReferenceProduct(context, ingredientId, productIds[0]);
    const long statements = db::FailureHook::ExecutedCount();
    db::FailureHook::Disarm(); // the timings are those of the unarmed layer

    size_t next = 0;
    const auto single = bench::SortedMillis(50, [&] {
        ImportReferenceProduct(context, ingredientId, productIds[next++ % productIds.size()]);
    });
    const double batch = bench::SecondsOf([&] {
        for (int i = 0; i < 1000; ++i)
            ImportReferenceProduct(context, 1 + i % 20,
                                   productIds[static_cast<size_t>(i) % productIds.size()]);
    });

    const double p50 = bench::Percentile(single, 0.5);
    std::printf("\nstatements executed by one import of a supplier product: %ld\n\n", statements);
    std::printf("| %-44s | %14s | %14s | %-4s |\n", "figure", "measured", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(),
                std::string(16, '-').c_str(), std::string(6, '-').c_str());
    bench::PrintRow("one import p50 (ms)", Fixed(p50, 2), "<= 30", p50 <= 30);
    bench::PrintRow("one import p99 (ms)", Fixed(bench::Percentile(single, 0.99), 2), "", true);
    bench::PrintRow("1,000 imports (s)", Fixed(batch, 2), "<= 30", batch <= 30);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "import_bench: %s\n", e.what());
    return 1;
}
