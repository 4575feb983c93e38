#include "platform/DbException.h"
#include "platform/FailureHook.h"
#include "platform/Recordset.h"
#include "platform/Statement.h"
#include "tests/support/DatabaseTest.h"

namespace ovl::db {
namespace {

using test::DatabaseTest;

// A record class over a table with one column of every bound type.
class CTypesSet : public Recordset {
public:
    explicit CTypesSet(Connection* db) : Recordset(db) {
        Bind("[ID]", m_ID);
        Bind("[SMALL]", m_SMALL);
        Bind("[FLAG]", m_FLAG);
        Bind("[SINGLE]", m_SINGLE);
        Bind("[DBL]", m_DBL);
        Bind("[WHEN]", m_WHEN);
        Bind("[NAME]", m_NAME, 255);
        Bind("[LONGTEXT]", m_LONGTEXT, 32768);
        Bind("[MASK]", m_MASK, 255);
        SetKeyColumns({&m_ID});
    }
    LongField m_ID;
    ByteField m_SMALL;
    BoolField m_FLAG;
    SingleField m_SINGLE;
    DoubleField m_DBL;
    DateField m_WHEN;
    TextField m_NAME;
    TextField m_LONGTEXT;
    BinaryField m_MASK;

protected:
    std::string GetDefaultSQL() const override { return "[TypeTest]"; }
};

// The same table without its long text: every column has a bounded size, so forward-only
// reads fetch many rows per driver call.
class CBoundedSet : public Recordset {
public:
    explicit CBoundedSet(Connection* db) : Recordset(db) {
        Bind("[ID]", m_ID);
        Bind("[SMALL]", m_SMALL);
        Bind("[FLAG]", m_FLAG);
        Bind("[WHEN]", m_WHEN);
        Bind("[NAME]", m_NAME, 255);
        Bind("[MASK]", m_MASK, 255);
        SetKeyColumns({&m_ID});
    }
    LongField m_ID;
    ByteField m_SMALL;
    BoolField m_FLAG;
    DateField m_WHEN;
    TextField m_NAME;
    BinaryField m_MASK;

protected:
    std::string GetDefaultSQL() const override { return "[TypeTest]"; }
};

class RecordsetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        // WHEN is a reserved word in MariaDB: the brackets must become the driver's quote.
        Database().RunStatements(
            IsMariaDb()
                ? "CREATE TABLE `TypeTest` (`ID` INT PRIMARY KEY, `SMALL` TINYINT UNSIGNED,"
                  " `FLAG` BIT, `SINGLE` FLOAT, `DBL` DOUBLE, `WHEN` DATETIME,"
                  " `NAME` VARCHAR(255), `LONGTEXT` MEDIUMTEXT, `MASK` VARBINARY(255))"
                  " DEFAULT CHARSET=latin1;\n"
                : "CREATE TABLE \"TypeTest\" (\"ID\" INTEGER PRIMARY KEY, \"SMALL\" TINYINT,"
                  " \"FLAG\" BIT, \"SINGLE\" REAL, \"DBL\" DOUBLE, \"WHEN\" DATETIME,"
                  " \"NAME\" VARCHAR(255), \"LONGTEXT\" TEXT, \"MASK\" VARBINARY(255));\n");
    }

    void Insert(int id, const std::string& name) {
        CTypesSet rs(&Connection());
        rs.Open(OpenType::Dynaset);
        rs.AddNew();
        rs.m_ID = id;
        rs.m_NAME = name;
        rs.Update();
    }

    std::vector<int> IdsWhere(const std::string& filter) {
        CTypesSet rs(&Connection());
        rs.m_strFilter = filter;
        rs.m_strSort = "[ID]";
        rs.Open(OpenType::ForwardOnly);
        std::vector<int> ids;
        for (; !rs.IsEOF(); rs.MoveNext())
            ids.push_back(rs.m_ID);
        return ids;
    }
};

TEST_P(RecordsetTest, EveryTypeRoundTrips) {
    const std::string longText = [] {
        std::string t(32768, 'x');
        for (size_t i = 0; i < t.size(); i += 97)
            t[i] = static_cast<char>('A' + i % 26);
        t.back() = '\xE9';
        return t;
    }();
    {
        CTypesSet rs(&Connection());
        rs.Open(OpenType::Dynaset);
        EXPECT_EQ(rs.GetFieldCount(), 9);
        rs.AddNew();
        rs.m_ID = 1;
        rs.m_SMALL = 254;
        rs.m_FLAG = true;
        rs.m_SINGLE = 0.25f;
        rs.m_DBL = 44197.5;
        rs.m_WHEN = DateTime{2021, 6, 6, 13, 45, 59};
        rs.m_NAME = "Cr\xE8me br\xFBl\xE9"
                    "e";
        rs.m_LONGTEXT = longText;
        rs.m_MASK = Bytes{0x06, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x80};
        EXPECT_TRUE(rs.Update());
        rs.AddNew();
        rs.m_ID = 2;
        rs.m_MASK = Bytes{0x06, 0x00, 0x01};
        rs.Update();
        rs.AddNew();
        rs.m_ID = 3; // every other column NULL
        rs.Update();
    }
    CTypesSet rs(&Connection());
    rs.m_strSort = "[ID]";
    rs.Open(OpenType::ForwardOnly);
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_ID, 1);
    EXPECT_EQ(rs.m_SMALL, 254);
    EXPECT_EQ(rs.m_FLAG, true);
    EXPECT_EQ(rs.m_SINGLE, 0.25f);
    EXPECT_EQ(rs.m_DBL, 44197.5);
    EXPECT_EQ(rs.m_WHEN.Value(), (DateTime{2021, 6, 6, 13, 45, 59}));
    EXPECT_EQ(rs.m_NAME.Value(), "Cr\xE8me br\xFBl\xE9"
                                 "e");
    EXPECT_EQ(rs.m_LONGTEXT.Value().size(), longText.size());
    EXPECT_EQ(rs.m_LONGTEXT.Value(), longText);
    EXPECT_EQ(rs.m_MASK.Value(), (Bytes{0x06, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x80}));
    rs.MoveNext();
    EXPECT_EQ(rs.m_MASK.Value(), (Bytes{0x06, 0x00, 0x01}));
    rs.MoveNext();
    EXPECT_EQ(rs.m_ID, 3);
    for (FieldBase* f :
         std::initializer_list<FieldBase*>{&rs.m_SMALL, &rs.m_FLAG, &rs.m_SINGLE, &rs.m_DBL,
                                           &rs.m_WHEN, &rs.m_NAME, &rs.m_LONGTEXT, &rs.m_MASK})
        EXPECT_TRUE(rs.IsFieldNull(*f));
    EXPECT_FALSE(rs.IsFieldNull(rs.m_ID));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_THROW(rs.MoveNext(), DbException);
}

TEST_P(RecordsetTest, ForwardOnlyReadsManyRowsAcrossFetchBlocks) {
    const int rows = 700; // more than two blocks of rows
    Connection().BeginTransaction();
    {
        CBoundedSet rs(&Connection());
        rs.Open(OpenType::ForwardOnly);
        for (int id = 1; id <= rows; ++id) {
            rs.AddNew();
            rs.m_ID = id;
            if (id % 7 != 0) { // every seventh row keeps its columns NULL
                rs.m_SMALL = static_cast<std::uint8_t>(id % 256);
                rs.m_FLAG = id % 2 == 0;
                rs.m_WHEN = DateTime{2020, 1 + id % 12, 1 + id % 28, id % 24, id % 60, 0};
                rs.m_NAME = "n\xE9" + std::string(static_cast<size_t>(id % 253), 'x');
                rs.m_MASK = Bytes(static_cast<size_t>(1 + id % 12), static_cast<std::uint8_t>(id));
            }
            rs.Update();
        }
    }
    Connection().Commit();
    CBoundedSet rs(&Connection());
    rs.m_strSort = "[ID]";
    rs.Open(OpenType::ForwardOnly);
    // A driver that holds the whole result knows its size; one that reads as it goes does not.
    EXPECT_TRUE(rs.GetRowCountHint() == rows || rs.GetRowCountHint() == -1) << rs.GetRowCountHint();
    int id = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ++id;
        ASSERT_EQ(rs.m_ID, id);
        if (id % 7 == 0) {
            EXPECT_TRUE(rs.IsFieldNull(rs.m_NAME)) << id;
            EXPECT_TRUE(rs.IsFieldNull(rs.m_WHEN)) << id;
            EXPECT_EQ(rs.m_NAME.Value(), "") << id;
            continue;
        }
        EXPECT_EQ(rs.m_SMALL, id % 256) << id;
        EXPECT_EQ(rs.m_FLAG, id % 2 == 0) << id;
        EXPECT_EQ(rs.m_WHEN.Value(),
                  (DateTime{2020, 1 + id % 12, 1 + id % 28, id % 24, id % 60, 0}));
        EXPECT_EQ(rs.m_NAME.Value(), "n\xE9" + std::string(static_cast<size_t>(id % 253), 'x'));
        EXPECT_EQ(rs.m_MASK.Value().size(), static_cast<size_t>(1 + id % 12)) << id;
    }
    EXPECT_EQ(id, rows);
}

TEST_P(RecordsetTest, StoredTextComesBackByteForByte) {
    const std::string texts[] = {"Cr\xE8me br\xFBl\xE9"
                                 "e",
                                 "L%039huile d%039olive", "\x80\x8C\x9C\x9F\xA0\xFF"};
    int id = 0;
    for (const auto& text : texts)
        Insert(++id, text);
    CTypesSet rs(&Connection());
    rs.m_strSort = "[ID]";
    rs.Open(OpenType::ForwardOnly);
    for (const auto& text : texts) {
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.m_NAME.Value(), text);
        rs.MoveNext();
    }
    // The bytes as the server holds them, not as the driver shows them.
    Statement st(Connection());
    st.ExecDirect("SELECT HEX(NAME) FROM TypeTest WHERE ID=1");
    ASSERT_TRUE(st.Fetch());
    std::string hex;
    st.GetText(1, hex);
    EXPECT_EQ(hex, "4372E86D65206272FB6CE965");
}

TEST_P(RecordsetTest, QuotedTextInAFilterSelectsExactlyTheMatchingRow) {
    const std::string tricky = "it's 100% \\'; DROP TABLE TypeTest; --\\";
    Insert(1, tricky);
    Insert(2, "it's 100% ");
    Insert(3, "\\");
    Insert(4, "[NAME]");
    EXPECT_EQ(IdsWhere("[NAME]=" + Connection().QuoteText(tricky)), std::vector<int>{1});
    EXPECT_EQ(IdsWhere("[NAME]=" + Connection().QuoteText("\\")), std::vector<int>{3});
    // Brackets inside a literal are text, not a column name.
    EXPECT_EQ(IdsWhere("[NAME]=" + Connection().QuoteText("[NAME]")), std::vector<int>{4});
    EXPECT_EQ(IdsWhere("[NAME] LIKE " + Connection().QuoteText("it's 100%")),
              (std::vector<int>{1, 2}));
}

TEST_P(RecordsetTest, RequeryAppliesTheNewFilter) {
    for (int id = 1; id <= 3; ++id)
        Insert(id, "n" + std::to_string(id));
    CTypesSet rs(&Connection());
    rs.m_strFilter = "[ID]=2";
    rs.Open(OpenType::ForwardOnly);
    EXPECT_EQ(rs.m_NAME.Value(), "n2");
    rs.m_strFilter = "[ID]=9";
    rs.Requery();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_TRUE(rs.IsBOF());
}

TEST_P(RecordsetTest, EditWritesOnlyTheAssignedColumns) {
    Insert(1, "before");
    {
        CTypesSet rs(&Connection());
        rs.Open(OpenType::Dynaset);
        rs.Edit();
        rs.m_DBL = 2.5;
        EXPECT_TRUE(rs.Update());
        EXPECT_EQ(rs.m_DBL, 2.5);
    }
    CTypesSet rs(&Connection());
    rs.Open(OpenType::Snapshot);
    EXPECT_EQ(rs.m_NAME.Value(), "before");
    EXPECT_EQ(rs.m_DBL, 2.5);
    EXPECT_TRUE(rs.IsFieldNull(rs.m_SMALL));
}

TEST_P(RecordsetTest, DeleteAndMoveLast) {
    for (int id = 1; id <= 3; ++id)
        Insert(id, "n");
    {
        CTypesSet rs(&Connection());
        rs.m_strSort = "[ID]";
        rs.Open(OpenType::Dynaset);
        rs.MoveLast();
        EXPECT_EQ(rs.m_ID, 3);
        rs.Delete();
        rs.MoveLast();
        EXPECT_EQ(rs.m_ID, 2);
    }
    EXPECT_EQ(IdsWhere(""), (std::vector<int>{1, 2}));
}

TEST_P(RecordsetTest, FailingStatementRaisesTheDriverText) {
    try {
        Connection().ExecuteDirect("SELECT * FROM [NoSuchTable]");
        FAIL() << "no exception";
    } catch (const DbException& e) {
        EXPECT_NE(e.Message().find("NoSuchTable"), std::string::npos) << e.Message();
        EXPECT_EQ(e.SqlState().size(), 5u);
    }
    CTypesSet rs(&Connection());
    rs.m_strFilter = "[NOPE]=1";
    EXPECT_THROW(rs.Open(OpenType::ForwardOnly), DbException);
}

TEST_P(RecordsetTest, RollbackLeavesNoRowBehind) {
    Connection().BeginTransaction();
    Insert(1, "gone");
    Connection().ExecuteDirect("UPDATE [TypeTest] SET [NAME]='changed'");
    Connection().Rollback();
    EXPECT_TRUE(IdsWhere("").empty());
    Connection().BeginTransaction();
    Insert(2, "kept");
    Connection().Commit();
    EXPECT_EQ(IdsWhere(""), std::vector<int>{2});
}

TEST_P(RecordsetTest, FailureHookFailsTheNthStatement) {
    FailureHook::FailAtStatement(4); // each insert opens the set, then inserts
    Insert(1, "first");
    EXPECT_THROW(Insert(2, "second"), DbException);
    FailureHook::Disarm();
    EXPECT_EQ(IdsWhere(""), std::vector<int>{1});
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(RecordsetTest);

} // namespace
} // namespace ovl::db
