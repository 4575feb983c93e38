#include "tests/support/ImportFixture.h"

namespace ovl::test {

void ImportTest::SetUp() {
    m_pCentral = std::make_unique<TestDatabase>(GetParam());
    if (!m_pCentral->SkipReason().empty())
        GTEST_SKIP() << m_pCentral->SkipReason();
    m_pLocal = std::make_unique<TestDatabase>(GetParam());
    const std::string flavour = IsMariaDb() ? ".mariadb.sql" : ".sqlite.sql";
    m_pCentral->RunScript(std::string(OVL_SOURCE_DIR) + "/db/central" + flavour);
    m_pLocal->RunScript(std::string(OVL_SOURCE_DIR) + "/db/local" + flavour);
    m_pCentralDb = m_pCentral->Connect();
    m_pLocalDb = m_pLocal->Connect();
    ResetCaches(0);
}

void ImportTest::TearDown() {
    m_pContext.reset();
    m_pCaches.reset();
}

void ImportTest::ResetCaches(int languageIndex) {
    m_pContext.reset();
    m_pCaches = std::make_unique<TestCacheProvider>(*m_pCentralDb, *m_pLocalDb, languageIndex, 1);
    m_pContext = std::make_unique<ImportContext>(
        ImportContext{*m_pLocalDb, *m_pCentralDb, *m_pCaches, m_messages, languageIndex,
                      IsMariaDb() ? 0 : 1, false});
}

std::string ImportTest::Rows(db::Connection& connection, const std::string& sql) {
    return QueryRows(connection, sql);
}

std::string ImportTest::LocalSnapshot() {
    std::string snapshot;
    const char* const queries[] = {
        "SELECT * FROM [Ingredients] ORDER BY [INGRED_ID]",
        "SELECT * FROM [NutriIngred] ORDER BY [ING_ID], [NUTRI_ID]",
        "SELECT * FROM [CategIngre] ORDER BY [INGR_ID], [CLASS_ID]",
        "SELECT * FROM [CategIngAllerg] ORDER BY [INGR_ID], [CLASS_ID]",
        "SELECT * FROM [MSpecifIng] ORDER BY [ID], [IDMSPECIF]",
        "SELECT * FROM [LibellesPreEmballe] ORDER BY [ID]",
        "SELECT * FROM [Categories] ORDER BY [CLASS_ID]",
        "SELECT * FROM [NutriLibelles] ORDER BY [ID]",
    };
    for (const char* query : queries)
        snapshot += std::string(query) + "\n" + Rows(Local(), query);
    return snapshot;
}

} // namespace ovl::test
