#include "app/Language.h"
#include "central/OvlStatusSet.h"
#include "central/StatusChecks.h"
#include "tests/central/CentralDatabaseTest.h"
#include "tests/support/RecordingMessageSink.h"

#include <optional>
#include <regex>

namespace ovl {
namespace {

using db::FieldType;
using db::Value;
using test::CentralDatabaseTest;
using test::RecordedMessage;
using test::RecordingMessageSink;
using Messages = std::vector<RecordedMessage>;

const std::string kVersionMessage = "Version de la base de donn\xE9"
                                    "es centrale incompatible !";
const std::string kLockedMessage = "Acc\xE8s \xE0 la base de donn\xE9"
                                   "es centrale v\xE9rouill\xE9 !";
const std::string kLocalVersionMessage = "La version de votre base de donn\xE9"
                                         "es Ovalane n'est pas compatible avec cette application !";

struct Entry {
    int id;
    std::optional<int> intValue;
    std::optional<std::string> strValue;
};

// The entries of a central database that is open and of a known version.
std::vector<Entry> OpenCentral(const char* dataVersion) {
    return {{0, 2, {}},         {1, 2, {}},           {4, 2, {}},
            {5, {}, "1.0.0.0"}, {6, {}, dataVersion}, {13, {}, "srv-central"}};
}

std::vector<Entry> With(std::vector<Entry> entries, const Entry& changed) {
    std::erase_if(entries, [&](const Entry& e) { return e.id == changed.id; });
    entries.push_back(changed);
    return entries;
}

std::vector<Entry> Without(std::vector<Entry> entries, int id) {
    std::erase_if(entries, [&](const Entry& e) { return e.id == id; });
    return entries;
}

class StatusChecksTest : public CentralDatabaseTest {
protected:
    void SetUp() override {
        CentralDatabaseTest::SetUp();
        SetLanguage(0);
    }

    void SetEntries(const std::vector<Entry>& entries) {
        Connection().ExecuteDirect("DELETE FROM OVLSTATUS");
        COvlStatusSet writer(&Connection());
        writer.Open();
        for (const Entry& e : entries) {
            writer.AddNew();
            writer.m_VARID = e.id;
            writer.m_VARNAME = "entry " + std::to_string(e.id);
            if (e.intValue)
                writer.m_VARINTVALUE = *e.intValue;
            if (e.strValue)
                writer.m_VARSTRVALUE = *e.strValue;
            writer.Update();
        }
    }

    void SetLocalVersion(const std::optional<std::string>& version) {
        Connection().ExecuteDirect("DELETE FROM Langue_System");
        Execute("INSERT INTO [Langue_System] ([Item_Id],[Langue_1]) VALUES (263,?)",
                {version ? Value(*version) : Value()}, {FieldType::Text});
    }

    // No value: no row at all.
    void SetLocalRelease(const std::optional<Value>& valnum) {
        Connection().ExecuteDirect("DELETE FROM Variables");
        if (valnum)
            Execute("INSERT INTO [Variables] ([NAME],[VALNUM]) VALUES ('NUTRIDATARELEASE',?)",
                    {*valnum}, {FieldType::Long});
    }

    RecordingMessageSink m_sink;
};

TEST_P(StatusChecksTest, CentralChecksAtStart) {
    const RecordedMessage version{kVersionMessage, MessageIcon::Exclamation};
    const RecordedMessage locked{kLockedMessage, MessageIcon::Exclamation};
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        bool passes;
        Messages messages;
        int v12;
        int release;
        const char* server;
    } const cases[] = {
        {"version 1.1 passes without release",
         With(OpenCentral("1.1.0.0"), {15, 12, {}}),
         true,
         {},
         0,
         -1,
         "srv-central"},
        {"version 1.2 reads the release",
         With(OpenCentral("1.2.0.0"), {15, 12, {}}),
         true,
         {},
         1,
         12,
         "srv-central"},
        {"version 1.2 without entry 15", OpenCentral("1.2.0.0"), true, {}, 1, -1, "srv-central"},
        {"schema version other",
         With(OpenCentral("1.2.0.0"), {5, {}, "1.0.0.1"}),
         false,
         {version},
         0,
         -1,
         "srv-central"},
        {"schema version missing",
         Without(OpenCentral("1.1.0.0"), 5),
         false,
         {version},
         0,
         -1,
         "srv-central"},
        {"data version other", OpenCentral("1.3.0.0"), false, {version}, 0, -1, "srv-central"},
        {"data version missing",
         Without(OpenCentral("1.1.0.0"), 6),
         false,
         {version},
         0,
         -1,
         "srv-central"},
        {"access flag 4 closed",
         With(OpenCentral("1.1.0.0"), {4, 1, {}}),
         false,
         {locked},
         0,
         -1,
         "srv-central"},
        {"two flags closed, one message",
         With(With(OpenCentral("1.1.0.0"), {0, 0, {}}), {1, 3, {}}),
         false,
         {locked},
         0,
         -1,
         "srv-central"},
        {"flag NULL counts as closed",
         With(OpenCentral("1.1.0.0"), {1, {}, {}}),
         false,
         {locked},
         0,
         -1,
         "srv-central"},
        {"locked still reads the release",
         With(With(OpenCentral("1.2.0.0"), {0, 1, {}}), {15, 9, {}}),
         false,
         {locked},
         1,
         9,
         "srv-central"},
        {"no flag rows pass",
         Without(Without(Without(OpenCentral("1.1.0.0"), 0), 1), 4),
         true,
         {},
         0,
         -1,
         "srv-central"},
        {"entry 13 missing", Without(OpenCentral("1.1.0.0"), 13), true, {}, 0, -1, "Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetEntries(c.entries);
        RecordingMessageSink sink;
        CentralStatus status;
        EXPECT_EQ(RunCentralStatusChecks(Connection(), sink, status), c.passes);
        EXPECT_EQ(sink.m_messages, c.messages);
        EXPECT_EQ(status.m_bCentralV12, c.v12);
        EXPECT_EQ(status.m_nCentralRelease, c.release);
        EXPECT_EQ(status.m_strServerName, c.server);
    }
}

TEST_P(StatusChecksTest, LocalVersionMustBeAtLeast260571) {
    struct Case {
        std::optional<std::string> version; // none: NULL
        bool passes;
    } const cases[] = {
        {"2.6.0.571", true},
        {"2.6.1.0", true},
        {"2.7.0.0", true},
        {"10.0.0.0", true},
        {"2.5.9.999", false},
        {"2.6.0.570", false},
        {"2.6", false},
        {"", false},
        {"abc", false},
        {std::nullopt, false},
        {"2.6.0.99999999999", false},
    };
    const CentralStatus status; // release checks off
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version.value_or("NULL"));
        SetLocalVersion(c.version);
        RecordingMessageSink sink;
        EXPECT_EQ(CheckLocalVersion(Connection(), status, sink), c.passes);
        EXPECT_EQ(sink.m_messages,
                  (c.passes ? Messages{} : Messages{{kLocalVersionMessage, MessageIcon::Error}}));
    }

    Connection().ExecuteDirect("DELETE FROM Langue_System");
    EXPECT_FALSE(CheckLocalVersion(Connection(), status, m_sink)) << "no version row";
}

TEST_P(StatusChecksTest, LocalReleaseMustNotBeOlderThanCentral) {
    const std::string olderText = LoadLangString(2057);
    ASSERT_FALSE(olderText.empty());
    struct Case {
        const char* what;
        int v12;
        int centralRelease;
        std::optional<Value> valnum; // none: no Variables row
        bool passes;
    } const cases[] = {
        {"older", 1, 12, Value(11), false},
        {"same", 1, 12, Value(12), true},
        {"newer", 1, 12, Value(13), true},
        {"no row", 1, 12, std::nullopt, false},
        {"NULL", 1, 12, Value(), false},
        {"no central release, no row", 1, -1, std::nullopt, true},
        {"no central release, any value", 1, -1, Value(0), true},
        {"release checks off", 0, 12, Value(3), true},
    };
    SetLocalVersion("2.6.0.571");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetLocalRelease(c.valnum);
        CentralStatus status;
        status.m_bCentralV12 = c.v12;
        status.m_nCentralRelease = c.centralRelease;
        RecordingMessageSink sink;
        EXPECT_EQ(CheckLocalVersion(Connection(), status, sink), c.passes);
        EXPECT_EQ(sink.m_messages,
                  (c.passes ? Messages{} : Messages{{olderText, MessageIcon::Exclamation}}));
    }
}

TEST_P(StatusChecksTest, CentralReleasedAnewDuringTheRun) {
    const std::string anewText = LoadLangString(2058);
    ASSERT_FALSE(anewText.empty());
    struct Case {
        const char* what;
        int v12;
        std::optional<int> entry15; // none: no row
        bool result;
    } const cases[] = {
        {"unchanged", 1, 12, true},
        {"released anew", 1, 13, false},
        {"lower", 1, 11, true},
        {"entry gone", 1, std::nullopt, true},
        {"release checks off", 0, 13, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetEntries(c.entry15 ? std::vector<Entry>{{15, *c.entry15, {}}} : std::vector<Entry>{});
        CentralStatus status;
        status.m_bCentralV12 = c.v12;
        status.m_nCentralRelease = 12;
        RecordingMessageSink sink;
        EXPECT_EQ(CheckCentralDataRelease(Connection(), status, sink), c.result);
        EXPECT_EQ(sink.m_messages,
                  (c.result ? Messages{} : Messages{{anewText, MessageIcon::Exclamation}}));
    }
}

TEST_P(StatusChecksTest, OnlyFlagsZeroAndOneCountDuringTheRun) {
    SetLanguage(1); // the catalogue text follows the user's language
    const std::string lockedText = LoadLangString(2048);
    ASSERT_FALSE(lockedText.empty());
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        bool result;
    } const cases[] = {
        {"open", {{0, 2, {}}, {1, 2, {}}, {4, 2, {}}}, true},
        {"flag 4 ignored", {{0, 2, {}}, {1, 2, {}}, {4, 1, {}}}, true},
        {"flag 1 closed", {{0, 2, {}}, {1, 3, {}}}, false},
        {"both closed, one message", {{0, 0, {}}, {1, 0, {}}}, false},
        {"no rows", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetEntries(c.entries);
        RecordingMessageSink sink;
        EXPECT_EQ(CheckAccessFlagsDuringRun(Connection(), sink), c.result);
        EXPECT_EQ(sink.m_messages,
                  (c.result ? Messages{} : Messages{{lockedText, MessageIcon::Information}}));
    }
    SetLanguage(0);
}

TEST(FileVersionsTest, BothVersionsAreFourNumbers) {
    std::string product;
    std::string file;
    GetFileVersions(product, file);
    EXPECT_TRUE(std::regex_match(product, std::regex(R"(\d+\.\d+\.\d+\.\d+)"))) << product;
    EXPECT_EQ(file, product);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(StatusChecksTest);

} // namespace
} // namespace ovl
