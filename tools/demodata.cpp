// ovl-demodata: writes the rows of the demo databases as SQL INSERT statements.
//
//   ovl-demodata --dialect sqlite|mariadb --target central|local [--products N] [--seed S]
//
// Output goes to stdout as code page 1252 bytes, one transaction, rows batched 500 per
// INSERT; run db/<target>.<dialect>.sql first. Texts are in their stored form (a quote as
// %039, a percent sign as %%), masks are X'..' literals, dates 'YYYY-MM-DD HH:MM:SS'. The
// same seed gives the same output; product n does not depend on N.
//
// Central (DemoCatalogue.cpp holds the fixed tables):
//   OVLSTATUS      0, 1, 4 = 2 (2 = 1, not checked); 5 "1.0.0.0"; 6 "1.2.0.0"; 13 server;
//                  15 = release 12.
//   OVLNUTRIPROV   1 generic foods (CIQID set), 2-9 suppliers; 5 has OPENBAR and DATEMAJ
//                  NULL; 6 withdrawn (OPENBAR 0) but selected; 10 OPENBAR 2, no products;
//                  7 never selected. OVLNUTRIUSRPROV: account 1 (and account 2).
//   OVLNUTRISRC    4 has SOURCE set (never cited); products with SRCID NULL cite the supplier.
//   OVLNUTRILIB    central ids 1-42, IDOVL = local id (6, 7, 10, ..., 500-505, 600-604, 15,
//                  17, 18, 21, 22); category 4 with PARAM1: 1000-1004 and 700 (< 1000, shown
//                  but not imported); 40 has CATEG 6; 42 has IDOVL -1; 9 has CATEG NULL.
//   OVLNUTRIALRG   0 = free of allergens (class 36); groups 27 crustaceans, 29 nuts,
//                  30 gluten, their rows GROUPE = own id. IDOVL NULL: 23, 25 (found locally
//                  by name under 2629), 28, 31 (no local class: group-27 substitute), 33
//                  (local class under a non-allergen parent).
//   OVLNUTRIMSLIB  types 0 (1-13; 9 and 13 fold to the same key), 1 (20-30), 6 (31-36),
//                  7 (40-44), 8 (50-54), and 60 of type 3 (never loaded).
//   Products       ids 1..N, ~15% generic. Some miss companion rows (IT; DE+SP; FR) or their
//                  lists; masks NULL, 3, 8 or 12 bytes; OPTIONS 0x02 (water, salt, coffee),
//                  0x10, 0x20, or NULL; contents with flags 0x01, 0x02, 0x08 (nutrient 22,
//                  automation date) and the sign bit; ~2% without contents. Error report on
//                  product 3 by account 1.
// Local:
//   Utilisateurs user 0 = French; Langue_System 263 "2.6.0.600"; Variables NUTRIDATARELEASE 12.
//   NutriLibelles  every local id above except 18 (start-up creates it), plus 41 (local only).
//   Categories     26 > 36 and the allergen classes (2600 + allergen id; members under
//                  2627/2629/2630; 2723, 2725 by name only); 4001 > 4010, 4011 (4007 is left
//                  to start-up); 9000 > 9001 "Lactose"; 100-102 plain classes.
//   LibellesPreEmballe  15 labels of types 0, 1, 6, 7, 8; 3 differs from central label 3 only
//                  by accents; 5 and 14 are local only.
//   Ingredients    -1 and 1-40; 1 carries an earlier import; 3, 7, 8, 22 hold some values.

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "tools/CentralDemoData.h"
#include "tools/LocalDemoData.h"
#include "tools/SqlWriter.h"

namespace {

struct Options {
    ovl::demo::SqlDialect m_dialect = ovl::demo::SqlDialect::Sqlite;
    bool m_bDialect = false;
    bool m_bCentral = true;
    bool m_bTarget = false;
    long long m_nProducts = 300;
    unsigned long long m_nSeed = 1;
};

int Usage(const char* pszError) {
    if (pszError)
        std::fprintf(stderr, "ovl-demodata: %s\n", pszError);
    std::fputs("usage: ovl-demodata --dialect sqlite|mariadb --target central|local "
               "[--products N] [--seed S]\n",
               stderr);
    return 2;
}

template <typename T> bool ParseNumber(std::string_view text, T& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// Returns nullptr on success, else the error text.
const char* ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc)
            return "missing value after an option";
        const std::string_view value = argv[++i];
        if (arg == "--dialect") {
            if (value != "sqlite" && value != "mariadb")
                return "unknown dialect";
            options.m_dialect =
                value == "sqlite" ? ovl::demo::SqlDialect::Sqlite : ovl::demo::SqlDialect::MariaDb;
            options.m_bDialect = true;
        } else if (arg == "--target") {
            if (value != "central" && value != "local")
                return "unknown target";
            options.m_bCentral = value == "central";
            options.m_bTarget = true;
        } else if (arg == "--products") {
            if (!ParseNumber(value, options.m_nProducts) || options.m_nProducts < 0 ||
                options.m_nProducts > 100000000)
                return "--products needs a count from 0 to 100000000";
        } else if (arg == "--seed") {
            if (!ParseNumber(value, options.m_nSeed))
                return "--seed needs an unsigned number";
        } else {
            return "unknown option";
        }
    }
    if (!options.m_bDialect || !options.m_bTarget)
        return "--dialect and --target are required";
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const char* pszError = ParseOptions(argc, argv, options))
        return Usage(pszError);
    ovl::demo::SqlWriter writer(options.m_dialect, stdout);
    if (options.m_bCentral)
        ovl::demo::CentralDemoData(writer, static_cast<int>(options.m_nProducts), options.m_nSeed)
            .Write();
    else
        ovl::demo::LocalDemoData(writer).Write();
    if (!writer.Finish()) {
        std::fprintf(stderr, "ovl-demodata: writing failed: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
