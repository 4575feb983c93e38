#include "central/ODBCRecordset.h"
#include "platform/DbException.h"
#include "tests/support/DatabaseTest.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace ovl {
namespace {

using Kind = DBFieldKind;

class DynamicRecordsetTest : public test::DatabaseTest {
protected:
    void CreateIngredients(const std::string& rows) {
        Database().RunStatements(
            "CREATE TABLE Ingredients (INGRED_ID INTEGER NOT NULL, NAME_1 VARCHAR(255) NULL);\n" +
            rows);
    }

    static std::vector<std::string> FieldNames(const CODBCRecordset& rs) {
        std::vector<std::string> names;
        for (int i = 0; i < rs.GetFieldCount(); ++i)
            names.push_back(rs.GetField(i).GetName());
        return names;
    }
};

// Each column's kind as the driver's SQL type decides it, and its two conversions. The
// drivers differ: SQLite reports FLOAT and NUMERIC as DOUBLE, MariaDB FLOAT as REAL and
// NUMERIC as DECIMAL (read as text).
TEST_P(DynamicRecordsetTest, ColumnsTakeTheirKindAndConvert) {
    Database().RunStatements(
        "CREATE TABLE K (ID INTEGER, SM SMALLINT, FL FLOAT, DB DOUBLE PRECISION, DT DATETIME,"
        " BT BIT, TY TINYINT, TX TEXT, VC VARCHAR(20), NU NUMERIC(5,2), BI BIGINT,"
        " VB VARBINARY(10));\n"
        "INSERT INTO K VALUES (7, -12, 2.75, -3.5, '2023-04-05 06:07:08', 1, 65, 'long text',"
        " ' -42 apples', -123.45, 9000000000, X'4142');\n"
        "INSERT INTO K (ID) VALUES (NULL);\n");
    struct Case {
        Kind sqliteKind;
        Kind mariaKind;
        long asInt;
        const char* text;
        const char* mariaText;
    };
    const Case cases[] = {
        {Kind::Long, Kind::Long, 7, "7", nullptr},
        {Kind::Long, Kind::Long, -12, "-12", nullptr}, // SMALLINT is read as long
        {Kind::Double, Kind::Single, 2, "2.750000", nullptr},
        {Kind::Double, Kind::Double, -3, "-3.500000", nullptr},
        {Kind::Date, Kind::Date, 0, "05/04/2023 06:07:08", nullptr},
        {Kind::Boolean, Kind::Boolean, 1, "T", nullptr},
        {Kind::Byte, Kind::Byte, 65, "A", nullptr},
        {Kind::ByteBlock, Kind::ByteBlock, 0, "long text", nullptr},
        {Kind::Text, Kind::Text, -42, " -42 apples", nullptr},
        // The text of a DECIMAL is longer than its precision: it is read whole.
        {Kind::Double, Kind::Text, -123, "-123.450000", "-123.45"},
        {Kind::Text, Kind::Text, 9000000000L, "9000000000", nullptr},
        {Kind::ByteBlock, Kind::ByteBlock, 0, "AB", nullptr},
    };
    CODBCRecordset rs(&Connection());
    rs.Open("SELECT * FROM [K] ORDER BY [ID] DESC");
    ASSERT_FALSE(rs.IsEOF());
    ASSERT_EQ(rs.GetFieldCount(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < rs.GetFieldCount(); ++i) {
        const Case& c = cases[i];
        const CDBField& field = rs.GetField(i);
        SCOPED_TRACE(field.GetName());
        EXPECT_EQ(field.GetKind(), IsMariaDb() ? c.mariaKind : c.sqliteKind);
        EXPECT_FALSE(field.IsNull());
        EXPECT_EQ(field.AsInt(), c.asInt);
        EXPECT_EQ(field.AsText(), IsMariaDb() && c.mariaText ? c.mariaText : c.text);
    }

    // The NULL row: every kind converts to 0; text and blocks are empty.
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    for (int i = 0; i < rs.GetFieldCount(); ++i) {
        const CDBField& field = rs.GetField(i);
        SCOPED_TRACE(field.GetName());
        EXPECT_TRUE(field.IsNull());
        EXPECT_EQ(field.AsInt(), 0);
        const Kind kind = field.GetKind();
        if (kind == Kind::Text || kind == Kind::ByteBlock) {
            EXPECT_EQ(field.AsText(), "");
        }
    }
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_THROW(rs.MoveNext(), db::DbException);
}

// Every field gets a unique upper-case name: repeats take 2, 3, ... after the column name.
TEST_P(DynamicRecordsetTest, RepeatedNamesAreNumbered) {
    CreateIngredients("INSERT INTO Ingredients VALUES (1, 'Sel');\n");
    struct Case {
        const char* sql;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"SELECT NAME_1, NAME_1 FROM Ingredients", {"NAME_1", "NAME_12"}},
        {"SELECT NAME_1, NAME_1, NAME_1 FROM Ingredients", {"NAME_1", "NAME_12", "NAME_13"}},
        {"SELECT INGRED_ID AS Code, NAME_1 AS code, NAME_1 AS CODE FROM Ingredients",
         {"CODE", "CODE2", "CODE3"}},
    };
    CODBCRecordset rs(&Connection());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        rs.Open(c.sql);
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(FieldNames(rs), c.names);
        EXPECT_EQ(rs.GetField(rs.GetFieldCount() - 1).AsText(), "Sel");
    }
}

// Opening again rebinds: fewer columns reuse the fields, more columns get new ones.
TEST_P(DynamicRecordsetTest, ReopeningRebindsTheColumns) {
    CreateIngredients("INSERT INTO Ingredients VALUES (5, 'Poivre');\n");
    CODBCRecordset rs(&Connection());
    rs.Open("SELECT INGRED_ID, NAME_1 FROM Ingredients");
    ASSERT_EQ(rs.GetFieldCount(), 2);
    EXPECT_EQ(rs.GetField(0).GetKind(), Kind::Long);

    rs.Open("SELECT NAME_1 FROM Ingredients");
    ASSERT_EQ(rs.GetFieldCount(), 1);
    EXPECT_EQ(rs.GetField(0).GetName(), "NAME_1");
    EXPECT_EQ(rs.GetField(0).GetKind(), Kind::Text);
    EXPECT_EQ(rs.GetField(0).AsText(), "Poivre");
    EXPECT_THROW(rs.GetField(1), std::out_of_range);

    rs.Open("SELECT NAME_1, INGRED_ID, INGRED_ID FROM Ingredients");
    EXPECT_EQ(FieldNames(rs), (std::vector<std::string>{"NAME_1", "INGRED_ID", "INGRED_ID2"}));
    EXPECT_EQ(rs.GetField(2).AsInt(), 5);

    EXPECT_THROW(rs.Open("SELECT NOPE FROM Ingredients"), db::DbException);
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_TRUE(rs.IsEOF());
}

// The next ingredient id comes from the highest one; an empty table gives no row.
TEST_P(DynamicRecordsetTest, HighestIngredientId) {
    const std::string sql =
        "SELECT [INGRED_ID] FROM [Ingredients] ORDER BY [INGRED_ID] DESC LIMIT 1";
    CreateIngredients("");
    CODBCRecordset rs(&Connection());
    rs.Open(sql);
    EXPECT_TRUE(rs.IsEOF());

    Database().RunStatements("INSERT INTO Ingredients VALUES (3, 'A');\n"
                             "INSERT INTO Ingredients VALUES (12, 'B');\n"
                             "INSERT INTO Ingredients VALUES (7, 'C');\n");
    rs.Open(sql);
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetField(0).AsInt(), 12);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

// At most 255 columns; a wider result is refused rather than read past the fields.
TEST_P(DynamicRecordsetTest, RefusesMoreThan255Columns) {
    auto select = [](int columns) {
        std::string sql = "SELECT 0 AS C0";
        for (int i = 1; i < columns; ++i)
            sql += ", " + std::to_string(i) + " AS C" + std::to_string(i);
        return sql;
    };
    CODBCRecordset rs(&Connection());
    rs.Open(select(255));
    ASSERT_EQ(rs.GetFieldCount(), 255);
    EXPECT_EQ(rs.GetField(254).AsInt(), 254);
    EXPECT_THROW(rs.Open(select(256)), db::DbException);
    EXPECT_FALSE(rs.IsOpen());
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(DynamicRecordsetTest);

// Conversions that no test driver produces: a column of no kind, values no integer holds,
// a timestamp that is no date, text that starts without a number.
TEST(DBFieldTest, ConvertsValuesDriversRarelyGive) {
    struct Case {
        const char* name;
        CDBField::Value value;
        long asInt;
        const char* text;
    };
    const Case cases[] = {
        {"no kind", std::monostate{}, 0, ""},
        {"double too large", 1e300, std::numeric_limits<long>::max(), nullptr},
        {"single too small", -1e30f, std::numeric_limits<long>::min(), nullptr},
        {"NaN", std::nan(""), 0, nullptr},
        {"negative fraction", -0.9, 0, "-0.900000"},
        {"zeroed timestamp", db::DateTime{}, 0, "Invalid DateTime"},
        {"30 February", db::DateTime{2023, 2, 30, 0, 0, 0}, 0, "Invalid DateTime"},
        {"words", std::string("abc 12"), 0, "abc 12"},
        {"empty block", db::Bytes{}, 0, ""},
        {"short", std::int16_t{-300}, -300, "-300"},
        {"false", false, 0, "F"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDBField field;
        field.SetValue(c.value);
        EXPECT_EQ(field.AsInt(), c.asInt);
        if (c.text) {
            EXPECT_EQ(field.AsText(), c.text);
        }
    }
}

} // namespace
} // namespace ovl
