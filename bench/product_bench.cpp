// Measures the product cache and the product detail at scale against a MariaDB central
// database: cache build time against the mariadb client's dump of the same columns, memory
// per product, search latency (scan and sort) and detail text latency. Run by
// scripts/bench.sh, which creates and fills the database.
#include "bench/BenchSupport.h"
#include "central/GrpIndex.h"
#include "central/ProductDetail.h"
#include "ui/ReferenceSearch.h"

#include <cstdlib>
#include <stdexcept>

using namespace ovl;

namespace {

struct Options {
    std::string central;    // ODBC connect string of the central database
    std::string local;      // ODBC connect string of a local database
    std::string clientDump; // shell command dumping the cache's columns with the client
    long products = 0;      // products in the central database, for the per-product figure
};

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (key == "--central")
            o.central = value;
        else if (key == "--local")
            o.local = value;
        else if (key == "--client-dump")
            o.clientDump = value;
        else if (key == "--products")
            o.products = std::atol(value.c_str());
        else
            throw std::invalid_argument("unknown option " + key);
    }
    if (o.central.empty() || o.local.empty() || o.clientDump.empty() || o.products <= 0)
        throw std::invalid_argument("usage: product_bench --central CONNECT --local CONNECT "
                                    "--client-dump COMMAND --products N");
    return o;
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// The supplier with the shortest name, as a user would pick a small supplier.
std::int32_t ShortestSupplier(CProvCache& suppliers) {
    int best = 0;
    for (int row = 1; row < suppliers.GetCount(); ++row)
        if (suppliers.GetNameByRow(row).size() < suppliers.GetNameByRow(best).size())
            best = row;
    return suppliers.GetRecord(best).m_nID;
}

} // namespace

int main(int argc, char** argv) try {
    const Options options = ParseOptions(argc, argv);
    db::Connection central;
    central.Open(options.central);
    db::Connection local;
    local.Open(options.local);
    CacheSet caches(central, local, 0, 1);
    caches.ProvCache();
    caches.SrcCache();

    // 1. Cache build against the client's dump of the same join; best of two runs each.
    double client = 1e9;
    for (int run = 0; run < 2; ++run)
        client = std::min(client, bench::SecondsOf([&] {
                              if (std::system(options.clientDump.c_str()) != 0)
                                  throw std::runtime_error("the client dump failed");
                          }));
    // 2. Memory of the first build, as resident-set growth.
    const long before = bench::ResidentBytes();
    double build = bench::SecondsOf([&] { caches.ProdCache(); });
    const long grown = bench::ResidentBytes() - before;
    caches.DropProdCache();
    build = std::min(build, bench::SecondsOf([&] { caches.ProdCache(); }));
    const double bytesPerProduct =
        static_cast<double>(grown) / static_cast<double>(options.products);

    // 3. Search latency: scan and sort, over a fixed set of queries.
    CProvCache& suppliers = caches.ProvCache();
    CGrpIndex groups;
    groups.Build(central, 0);
    ReferenceSearch search(central, caches, 0, 1);
    std::vector<ReferenceSearchInputs> queries(5);
    queries[0].name = "lai";   // a 3-letter name fragment
    queries[1].name = "Cho*";  // a prefix search
    queries[2].code = "12";    // a code fragment
    queries[3].source = "ciq"; // a source fragment
    queries[4].supplierId = ShortestSupplier(suppliers);
    std::vector<double> searchMillis;
    size_t rowsFound = 0;
    for (int round = 0; round < 20; ++round)
        for (const auto& query : queries) {
            searchMillis.push_back(
                bench::SecondsOf([&] {
                    rowsFound += search.FindRows(query, false, 2, suppliers, groups).size();
                }) *
                1000.0);
        }
    std::sort(searchMillis.begin(), searchMillis.end());

    // 4. Detail text of one product, on the loopback server.
    const std::int32_t productId = caches.ProdCache().GetRecord(0).m_nID;
    const auto detailMillis = bench::SortedMillis(50, [&] {
        if (!BuildProductDetail(central, productId, 0, caches))
            throw std::runtime_error("the first product has no detail");
    });

    const double ratio = build / client;
    std::printf("products: %ld, search rows found per round: %zu\n\n", options.products,
                rowsFound / 20);
    std::printf("| %-44s | %14s | %14s | %-4s |\n", "figure", "measured", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(),
                std::string(16, '-').c_str(), std::string(6, '-').c_str());
    bench::PrintRow("product cache build (s)", Fixed(build, 2), "", true);
    bench::PrintRow("mariadb client dump, same join (s)", Fixed(client, 2), "", true);
    bench::PrintRow("1. build time / client time", Fixed(ratio, 2), "<= 1.30", ratio <= 1.3);
    bench::PrintRow("2. product cache memory (bytes per product)", Fixed(bytesPerProduct, 0),
                    "<= 200", bytesPerProduct <= 200);
    const double p50 = bench::Percentile(searchMillis, 0.5);
    const double p99 = bench::Percentile(searchMillis, 0.99);
    bench::PrintRow("3. search p50 (ms)", Fixed(p50, 2), "<= 10", p50 <= 10);
    bench::PrintRow("3. search p99 (ms)", Fixed(p99, 2), "<= 30", p99 <= 30);
    const double detail = bench::Percentile(detailMillis, 0.5);
    bench::PrintRow("4. detail text p50 (ms)", Fixed(detail, 2), "<= 10", detail <= 10);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "product_bench: %s\n", e.what());
    return 1;
}
