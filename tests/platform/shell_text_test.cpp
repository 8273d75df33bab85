#include <gtest/gtest.h>

#include <string>

#include "platform/shell_text.h"

namespace zelta {
namespace {

struct Titled {
    const char* path;
    const char* title;
};

TEST(ShellText, TitleIsTheFileNameUpToItsFirstFullStopInLowerCaseAfterTheFirstCharacter) {
    const Titled titled[] = {
        {"/usr/bin/zelta7-power", "zelta7-power"},
        {"ZELTA7-Power.exe.old", "Zelta7-power"},
        {"./a.b", "a"},
        {"/opt/ZELTA/POWER", "Power"},
        {"/opt/zelta.d/Power", "Power"},  // a full stop in a folder does not count
        {"/opt/bin/zELTA", "zelta"},      // the first character keeps its case
        {"Z", "Z"},
        {"", ""},
        {"/usr/bin/", ""},
        {"/opt/.hidden", ""},
        {"/opt/\xC3\x84RGER.bin", "\xC3\x84rger"},  // a two-byte first character stays whole
        {"/opt/\xD0\x97\xD0\x95\xD0\x9B-7",
         "\xD0\x97\xD0\x95\xD0\x9B-7"},  // bytes beyond ASCII are left as they are
        {"/opt/Zelta\xE2\x80\x93Power", "Zelta\xE2\x80\x93power"},
    };
    for (const Titled& t : titled) {
        SCOPED_TRACE(t.path);
        EXPECT_EQ(ApplicationTitle(t.path), t.title);
    }
}

struct Displayed {
    const char* message;
    bool fullStop;
};

TEST(ShellText, ErrorDisplayAddsAFullStopAfterCharactersAboveTheFullStop) {
    const Displayed displayed[] = {
        {"'' is not a valid floating point value", true},
        {"Floating point division by zero", true},
        {"Floating point overflow", true},
        {"Value 7", true},
        {"Path a/", true},  // 47, just above the full stop
        {"Question?", true},
        {"Bracket]", true},
        {"Tilde~", true},
        {"\xD0\x9E\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0", true},  // ending in a Cyrillic letter
        {"Done.", false},
        {"Dash -", false},  // 45, just below
        {"Comma,", false},
        {"Stop!", false},
        {"(closed)", false},
        {"'quoted'", false},
        {"\"quoted\"", false},
        {"Blank ", false},
        {"Line\n", false},
        {"", false},
    };
    for (const Displayed& d : displayed) {
        SCOPED_TRACE(d.message);
        EXPECT_EQ(ErrorDisplayText(d.message), std::string(d.message) + (d.fullStop ? "." : ""));
    }
}

}  // namespace
}  // namespace zelta
