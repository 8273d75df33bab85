// The fixed table of the four sensor kinds a ZELTA-7 line may feed.

#include <array>
#include <cstddef>
#include <stdexcept>

#include "core/core.h"

namespace zelta {
namespace {

struct SensorEntry {
    std::string_view listName;
    std::string_view shortName;
    float ratedPower;  // W
    int largestCount;
};

// In catalogue order: the star page's selectors, the star power sum and the chain kind chooser all follow it.
constexpr std::array<SensorEntry, 4> kCatalogue = {{
    {"ЛИР-С-11", "ЛИР", 3.0f, 20},
    {"ЛИФ-С-11", "ЛИФ", 2.0f, 30},
    {"ЛИВ", "ЛИВ", 5.0f, 12},
    {"ЛИЗ", "ЛИЗ", 3.0f, 16},
}};

const SensorEntry& Entry(TSensorKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    if (index >= kCatalogue.size()) {
        throw std::out_of_range("not a sensor kind");
    }
    return kCatalogue[index];
}

}  // namespace

std::string_view ListName(TSensorKind kind) {
    return Entry(kind).listName;
}
std::string_view ShortName(TSensorKind kind) {
    return Entry(kind).shortName;
}
float RatedPower(TSensorKind kind) {
    return Entry(kind).ratedPower;
}
int LargestCount(TSensorKind kind) {
    return Entry(kind).largestCount;
}

std::optional<TSensorKind> SensorKindByListName(std::string_view listName) {
    for (const TSensorKind kind : kAllSensorKinds) {
        if (ListName(kind) == listName) {
            return kind;
        }
    }
    return std::nullopt;
}

}  // namespace zelta
