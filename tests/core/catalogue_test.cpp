#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string_view>

#include "core/core.h"
#include "core_test_support.h"

namespace zelta {
namespace {

using testing::IsFloat;

struct CatalogueRow {
    TSensorKind kind;
    std::string_view listName;
    std::string_view shortName;
    std::uint32_t powerBits;
    std::string_view power;
    int largestCount;
};

const CatalogueRow kCatalogueRows[] = {
    {TSensorKind::skLir, "ЛИР-С-11", "ЛИР", 0x40400000, "3.0", 20},
    {TSensorKind::skLif, "ЛИФ-С-11", "ЛИФ", 0x40000000, "2.0", 30},
    {TSensorKind::skLiv, "ЛИВ", "ЛИВ", 0x40A00000, "5.0", 12},
    {TSensorKind::skLiz, "ЛИЗ", "ЛИЗ", 0x40400000, "3.0", 16},
};

TEST(SensorCatalogue, HoldsTheFourKindsInOrder) {
    ASSERT_EQ(kAllSensorKinds.size(), std::size(kCatalogueRows));
    for (std::size_t i = 0; i < kAllSensorKinds.size(); ++i) {
        const CatalogueRow& row = kCatalogueRows[i];
        SCOPED_TRACE(row.listName);
        EXPECT_EQ(kAllSensorKinds[i], row.kind);
        EXPECT_EQ(ListName(row.kind), row.listName);
        EXPECT_EQ(ShortName(row.kind), row.shortName);
        EXPECT_TRUE(IsFloat(RatedPower(row.kind), row.powerBits, row.power));
        EXPECT_EQ(LargestCount(row.kind), row.largestCount);
    }
}

TEST(SensorCatalogue, NamesAreCyrillicUtf8) {
    // "ЛИР-С-11": the С is the Cyrillic letter (D0 A1), not a Latin C.
    EXPECT_EQ(ListName(TSensorKind::skLir), "\xD0\x9B\xD0\x98\xD0\xA0-\xD0\xA1-11");
}

TEST(SensorCatalogue, RejectsAValueOutsideTheKinds) {
    EXPECT_THROW(RatedPower(static_cast<TSensorKind>(4)), std::out_of_range);
}

struct LookupCase {
    std::string_view text;
    std::optional<TSensorKind> kind;
};

TEST(SensorKindByListName, MatchesListNamesExactly) {
    const LookupCase cases[] = {
        {"ЛИР-С-11", TSensorKind::skLir},
        {"ЛИФ-С-11", TSensorKind::skLif},
        {"ЛИВ", TSensorKind::skLiv},
        {"ЛИЗ", TSensorKind::skLiz},
        {"лив", std::nullopt},   // lower case
        {"ЛИВ ", std::nullopt},  // trailing blank
        {" ЛИВ", std::nullopt},  // leading blank
        {"", std::nullopt},
        {"ЛИР", std::nullopt},       // a short name only, not a list name
        {"ЛИР-C-11", std::nullopt},  // Latin C
        {"ЛИР-С-1", std::nullopt},   // a prefix of a list name
        {"ЛИВЛИВ", std::nullopt},
        {std::string_view("ЛИВ\0", 7), std::nullopt},  // an embedded NUL is a byte like any other
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE("text \"" + std::string(c.text) + "\"");
        EXPECT_EQ(SensorKindByListName(c.text), c.kind);
    }
}

}  // namespace
}  // namespace zelta
