#pragma once

#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <memory>

namespace ovl::test {

// The shared fixture of every data test: the same test body runs once per backend, on a fresh
// database. Instantiate with OVL_INSTANTIATE_FOR_EVERY_BACKEND(SuiteName).
class DatabaseTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        m_pDatabase = std::make_unique<TestDatabase>(GetParam());
        if (!m_pDatabase->SkipReason().empty())
            GTEST_SKIP() << m_pDatabase->SkipReason();
        m_pConnection = m_pDatabase->Connect();
    }

    bool IsMariaDb() const { return GetParam() == Backend::MariaDb; }
    TestDatabase& Database() { return *m_pDatabase; }
    db::Connection& Connection() { return *m_pConnection; }

private:
    std::unique_ptr<TestDatabase> m_pDatabase;
    std::unique_ptr<db::Connection> m_pConnection;
};

inline std::string BackendParamName(const testing::TestParamInfo<Backend>& info) {
    return BackendName(info.param);
}

} // namespace ovl::test

#define OVL_INSTANTIATE_FOR_EVERY_BACKEND(suite)                                                   \
    INSTANTIATE_TEST_SUITE_P(                                                                      \
        Backends, suite, testing::Values(ovl::test::Backend::Sqlite, ovl::test::Backend::MariaDb), \
        ovl::test::BackendParamName)
