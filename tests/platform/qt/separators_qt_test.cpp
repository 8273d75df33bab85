#include <gtest/gtest.h>

#include "platform/qt/separators_qt.h"

namespace zelta::qt {
namespace {

TEST(SeparatorsOf, TakesTheFirstCharacterOfEachLocaleSetting) {
    struct Case {
        const char* locale;
        std::string decimal, thousands;
    } const cases[] = {
        {"ru_RU", ",", "\u00A0"}, {"de_DE", ",", "."},      {"en_US", ".", ","},
        {"C", ".", ","},          {"fr_FR", ",", "\u202F"},
    };
    for (const auto& c : cases) {
        const NumberSeparators separators = SeparatorsOf(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(separators.decimal, c.decimal) << c.locale;
        EXPECT_EQ(separators.thousands, c.thousands) << c.locale;
    }
}

TEST(ReadSystemSeparators, FollowsTheReaderATestPutsInPlaceOfTheSystem) {
    SetSystemSeparatorReader([] { return NumberSeparators{"?", "~"}; });
    EXPECT_EQ(ReadSystemSeparators().decimal, "?");
    EXPECT_EQ(ReadSystemSeparators().thousands, "~");
    SetSystemSeparatorReader({});
    const NumberSeparators system = ReadSystemSeparators();
    EXPECT_EQ(system.decimal, SeparatorsOf(QLocale::system()).decimal);
}

}  // namespace
}  // namespace zelta::qt
