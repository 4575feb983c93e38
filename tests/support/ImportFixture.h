#pragma once

#include "import/ImportContext.h"
#include "platform/Statement.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestCacheProvider.h"
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ovl::test {

// The fixture of the import engine's tests: a central database and a separate local
// database of one backend, both with their schemas, the caches on them and an import
// context. Instantiate with OVL_INSTANTIATE_FOR_EVERY_BACKEND(SuiteName).
class ImportTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override;
    void TearDown() override;

    bool IsMariaDb() const { return GetParam() == Backend::MariaDb; }
    db::Connection& Central() { return *m_pCentralDb; }
    db::Connection& Local() { return *m_pLocalDb; }
    void RunCentral(const std::string& statements) { m_pCentral->RunStatements(statements); }
    void RunLocal(const std::string& statements) { m_pLocal->RunStatements(statements); }
    TestCacheProvider& Caches() { return *m_pCaches; }
    ImportContext& Context() { return *m_pContext; }
    RecordingMessageSink& Messages() { return m_messages; }
    int DatabaseType() const { return IsMariaDb() ? 0 : 1; }
    // A connection of its own to the local database, as another program would have.
    std::unique_ptr<db::Connection> OpenSecondLocalConnection() { return m_pLocal->Connect(); }
    // Rebuilds the caches and the context, for instance after changing the language.
    void ResetCaches(int languageIndex = 0);

    // Every row of a query as "v1|v2|...|", one line per row, NULL as "NULL". For comparing
    // whole tables before and after an operation.
    std::string Rows(db::Connection& connection, const std::string& sql);
    // Every local table the import engine writes, in a stable order.
    std::string LocalSnapshot();

private:
    std::unique_ptr<TestDatabase> m_pCentral;
    std::unique_ptr<TestDatabase> m_pLocal;
    std::unique_ptr<db::Connection> m_pCentralDb;
    std::unique_ptr<db::Connection> m_pLocalDb;
    std::unique_ptr<TestCacheProvider> m_pCaches;
    std::unique_ptr<ImportContext> m_pContext;
    RecordingMessageSink m_messages;
};

} // namespace ovl::test
