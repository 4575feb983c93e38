#include "app/CmdLineInfo.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

TEST(CCmdLineInfo, TakesTheSubnameFromTheDbSwitch) {
    const struct {
        std::vector<std::string> args;
        std::string subname;
    } cases[] = {
        {{}, ""},
        {{"/DB:abc"}, "abc"},
        {{"-DB:x"}, "x"},
        {{"/db:abc"}, ""},
        {{"/Db:abc"}, ""},
        {{"DB:abc"}, ""}, // not a switch
        {{"/DB:first", "file.txt", "-DB:second"}, "second"},
        {{"/DB:abc", "/DB:"}, ""},
        {{"/DB:a\"b\\c"}, "a\"b\\c"},
        {{"/DB:with space"}, "with space"},
        {{"/DB:Site\xE9"}, "Site\xE9"},
        {{"//DB:abc"}, ""},
        {{"/", "-", ""}, ""},
        {{"/DBabc", "/DB"}, ""},
    };
    for (const auto& c : cases) {
        CCmdLineInfo info;
        info.ParseCommandLine(c.args);
        std::string shown;
        for (const auto& arg : c.args)
            shown += "[" + arg + "]";
        EXPECT_EQ(info.m_strDbSubname, c.subname) << shown;
    }
}

TEST(CCmdLineInfo, SwitchesArriveWithoutTheirMark) {
    struct Recorder : CCmdLineInfo {
        void ParseParam(const std::string& param, bool isSwitch) override {
            seen.push_back((isSwitch ? "S:" : "A:") + param);
        }
        std::vector<std::string> seen;
    } recorder;
    recorder.ParseCommandLine({"/DB:x", "-y", "plain", ""});
    EXPECT_EQ(recorder.seen, (std::vector<std::string>{"S:DB:x", "S:y", "A:plain", "A:"}));
}

} // namespace
} // namespace ovl
