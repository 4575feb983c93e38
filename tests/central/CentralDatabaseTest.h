#pragma once

#include "platform/Statement.h"
#include "tests/support/DatabaseTest.h"

#include <string>
#include <vector>

namespace ovl::test {

// A fresh database holding the central and the local schemas side by side.
class CentralDatabaseTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        const std::string flavour = IsMariaDb() ? "mariadb" : "sqlite";
        Database().RunScript(std::string(OVL_SOURCE_DIR) + "/db/central." + flavour + ".sql");
        Database().RunScript(std::string(OVL_SOURCE_DIR) + "/db/local." + flavour + ".sql");
    }

    // Runs a bracketed statement with parameters bound by their value's type.
    void Execute(const std::string& sql, const std::vector<db::Value>& params,
                 const std::vector<db::FieldType>& types) {
        db::Statement statement(Connection());
        statement.Execute(Connection().TranslateBrackets(sql), params, types);
    }
};

} // namespace ovl::test
