#pragma once

#include "platform/Statement.h"
#include "tests/support/DatabaseTest.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ovl::test {

// A fresh local Ovalane database (its tables, no rows) on every backend.
class LocalDatabaseTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Database().RunScript(std::filesystem::path(OVL_SOURCE_DIR) / "db" /
                             (IsMariaDb() ? "local.mariadb.sql" : "local.sqlite.sql"));
    }

    using Row = std::vector<db::Value>;

    // Every column of the rows a query selects, each read as text (NULL stays NULL), so that
    // whole rows, unbound columns included, can be compared.
    std::vector<Row> ReadRows(const std::string& sql) {
        db::Statement statement(Connection());
        statement.ExecDirect(Connection().TranslateBrackets(sql));
        const int columns = statement.ColumnCount();
        std::vector<Row> rows;
        while (statement.Fetch()) {
            Row row;
            for (int column = 1; column <= columns; ++column)
                row.push_back(statement.GetValue(column, db::FieldType::Text, 0));
            rows.push_back(std::move(row));
        }
        return rows;
    }

    int CountRows(const std::string& table) {
        return static_cast<int>(ReadRows("SELECT * FROM [" + table + "]").size());
    }
};

} // namespace ovl::test
