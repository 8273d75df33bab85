// The diagrams and the window icon are artwork; these tests pin what the window relies on (size, format,
// colours, the unscaled picture area) and probe the drawing where its parts must be, so a broken painter
// setting, a shifted element or a lost font shows up as a failure rather than as a wrong picture.
// They need the application object that the GUI test main creates (fonts, pixmaps).

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>

#include <cstring>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>

#include "ui/app_icon.h"
#include "ui/diagrams.h"

namespace zelta::ui {
namespace {

constexpr QRgb kInk = qRgb(0, 0, 0);
constexpr QRgb kPaper = qRgb(255, 255, 255);

// The area the picture control shows unscaled from the bitmap's top-left corner.
constexpr QRect kShownArea(0, 0, 545, 217);
// The supply unit's outline, the same on both diagrams.
constexpr QRect kUnitBox(24, 79, 92, 90);
// The cable leaves the unit as a 5-pixel band from the middle of its right side.
constexpr int kCableTop = 122;
constexpr int kCableBottom = 126;
constexpr int kCableRow = 124;

bool IsInk(const QImage& image, int x, int y) {
    return image.pixel(x, y) == kInk;
}

// Streamed rather than concatenated: g++ 12 at -O3 warns falsely (-Wrestrict) on std::string operator+.
std::string Where(int x, int y) {
    std::ostringstream text;
    text << '(' << x << ", " << y << ')';
    return text.str();
}

// The first pixel in area whose colour is not wanted, if any.
std::optional<QPoint> FirstPixelNot(const QImage& image, const QRect& area, bool wantInk) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsInk(image, x, y) != wantInk) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

::testing::AssertionResult AllPaper(const QImage& image, const QRect& area) {
    if (const auto hit = FirstPixelNot(image, area, false)) {
        return ::testing::AssertionFailure() << "ink at " << Where(hit->x(), hit->y());
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AllInk(const QImage& image, const QRect& area) {
    if (const auto hit = FirstPixelNot(image, area, true)) {
        return ::testing::AssertionFailure() << "paper at " << Where(hit->x(), hit->y());
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SomeInk(const QImage& image, const QRect& area) {
    if (FirstPixelNot(image, area, false)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "no ink in " << area.width() << "x" << area.height() << " at "
                                         << Where(area.left(), area.top());
}

// Pixels on a circle's outer edge, and a disc well inside it that must stay empty: a hollow sensor ring.
void ExpectHollowRing(const QImage& image, QPoint centre, int radius, int ringWidth) {
    SCOPED_TRACE(::testing::Message() << "ring at " << Where(centre.x(), centre.y()));
    EXPECT_TRUE(IsInk(image, centre.x(), centre.y() - radius)) << "top edge";
    EXPECT_TRUE(IsInk(image, centre.x(), centre.y() + radius)) << "bottom edge";
    EXPECT_TRUE(IsInk(image, centre.x() + radius, centre.y())) << "right edge";
    EXPECT_FALSE(IsInk(image, centre.x(), centre.y() - radius - 1)) << "above the ring";
    EXPECT_FALSE(IsInk(image, centre.x(), centre.y() + radius + 1)) << "below the ring";
    const int hollow = radius - ringWidth - 1;
    for (int dy = -hollow; dy <= hollow; ++dy) {
        for (int dx = -hollow; dx <= hollow; ++dx) {
            if (dx * dx + dy * dy <= hollow * hollow) {
                ASSERT_FALSE(IsInk(image, centre.x() + dx, centre.y() + dy))
                    << "inside the ring at " << Where(centre.x() + dx, centre.y() + dy);
            }
        }
    }
}

// ---- Both diagrams -------------------------------------------------------------------------------------

struct DiagramCase {
    const char* name;
    QImage (*draw)();
};

void PrintTo(const DiagramCase& diagram, std::ostream* os) {
    *os << diagram.name;
}

class DiagramTest : public ::testing::TestWithParam<DiagramCase> {};

TEST_P(DiagramTest, IsA548x224BlackAndWhiteBitmap) {
    const QImage image = GetParam().draw();
    EXPECT_EQ(image.size(), QSize(548, 224));
    EXPECT_EQ(image.format(), QImage::Format_Mono);
    const QList<QRgb> table = image.colorTable();
    ASSERT_EQ(table.size(), 2);
    EXPECT_TRUE(table.contains(kInk)) << std::hex << table[0] << " " << table[1];
    EXPECT_TRUE(table.contains(kPaper)) << std::hex << table[0] << " " << table[1];
}

TEST_P(DiagramTest, DrawsNothingOutsideTheShownArea) {
    const QImage image = GetParam().draw();
    EXPECT_TRUE(AllPaper(image, QRect(kShownArea.right() + 1, 0, image.width() - kShownArea.width(), 224)))
        << "right strip";
    EXPECT_TRUE(AllPaper(image, QRect(0, kShownArea.bottom() + 1, 548, image.height() - kShownArea.height())))
        << "bottom strip";
}

TEST_P(DiagramTest, UnitOutlineIsExactly92x90At24_79) {
    const QImage image = GetParam().draw();
    const QRect& box = kUnitBox;
    EXPECT_TRUE(AllInk(image, QRect(box.left(), box.top(), box.width(), 1))) << "top edge";
    EXPECT_TRUE(AllInk(image, QRect(box.left(), box.bottom(), box.width(), 1))) << "bottom edge";
    EXPECT_TRUE(AllInk(image, QRect(box.left(), box.top(), 1, box.height()))) << "left edge";
    EXPECT_TRUE(AllInk(image, QRect(box.right(), box.top(), 1, box.height()))) << "right edge";

    const QRect outside = box.adjusted(-1, -1, 1, 1);
    EXPECT_TRUE(AllPaper(image, QRect(outside.left(), outside.top(), outside.width(), 1))) << "above";
    EXPECT_TRUE(AllPaper(image, QRect(outside.left(), outside.bottom(), outside.width(), 1))) << "below";
    EXPECT_TRUE(AllPaper(image, QRect(outside.left(), outside.top(), 1, outside.height()))) << "left of it";
    // Right of the unit only the cable, and it leaves from the middle of that side.
    EXPECT_TRUE(AllPaper(image, QRect(outside.right(), outside.top(), 1, kCableTop - outside.top())));
    EXPECT_TRUE(AllInk(image, QRect(outside.right(), kCableTop, 1, kCableBottom - kCableTop + 1)));
    EXPECT_TRUE(
        AllPaper(image, QRect(outside.right(), kCableBottom + 1, 1, outside.bottom() - kCableBottom)));
}

TEST_P(DiagramTest, UnitNameSitsInsideTheOutlineWithoutTouchingIt) {
    const QImage image = GetParam().draw();
    const QRect interior = kUnitBox.adjusted(3, 3, -3, -3);
    EXPECT_TRUE(SomeInk(image, interior)) << "the name \"ZELTA-7\" is missing";
    // The band just inside the outline stays clear, so the name does not run into the box.
    const QRect band = kUnitBox.adjusted(2, 2, -2, -2);
    EXPECT_TRUE(AllPaper(image, QRect(band.left(), band.top(), band.width(), 1)));
    EXPECT_TRUE(AllPaper(image, QRect(band.left(), band.bottom(), band.width(), 1)));
    EXPECT_TRUE(AllPaper(image, QRect(band.left(), band.top(), 1, band.height())));
    EXPECT_TRUE(AllPaper(image, QRect(band.right(), band.top(), 1, band.height())));
}

TEST_P(DiagramTest, FirstCableIsFivePixelsThick) {
    const QImage image = GetParam().draw();
    // The first cable run ends at x 195 on the chain diagram; the star's trunk is longer.
    for (int x = kUnitBox.right() + 1; x <= 195; ++x) {
        ASSERT_TRUE(AllInk(image, QRect(x, kCableTop, 1, kCableBottom - kCableTop + 1))) << "x " << x;
        ASSERT_FALSE(IsInk(image, x, kCableTop - 1)) << Where(x, kCableTop - 1);
        ASSERT_FALSE(IsInk(image, x, kCableBottom + 1)) << Where(x, kCableBottom + 1);
    }
}

// The window shows the bitmaps rendered during the build; they must be what the drawing code draws today,
// colour table and padding bits included, or a changed drawing would never reach the window.
TEST(StoredDiagrams, AreExactlyWhatTheDrawingCodeDraws) {
    for (const auto& [stored, drawn] : {std::pair{StoredStarDiagram(), StarDiagram()},
                                        std::pair{StoredChainDiagram(), ChainDiagram()}}) {
        ASSERT_EQ(stored.format(), drawn.format());
        EXPECT_EQ(stored.colorTable(), drawn.colorTable());
        ASSERT_EQ(stored.sizeInBytes(), drawn.sizeInBytes());
        EXPECT_EQ(std::memcmp(stored.constBits(), drawn.constBits(), drawn.sizeInBytes()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Diagrams, DiagramTest,
                         ::testing::Values(DiagramCase{"Star", &StarDiagram},
                                           DiagramCase{"Chain", &ChainDiagram}),
                         [](const ::testing::TestParamInfo<DiagramCase>& info) { return info.param.name; });

// ---- Star diagram --------------------------------------------------------------------------------------

constexpr QPoint kJunction(361, kCableRow);
constexpr int kStarSensorRadius = 16;
constexpr QPoint kStarSensors[] = {{500, 52}, {500, 124}, {500, 196}};

TEST(StarDiagramTest, TrunkRunsAbout245PixelsToAFilledJunction) {
    const QImage image = StarDiagram();
    for (int x = kUnitBox.right() + 1; x < kJunction.x() - 4; ++x) {
        ASSERT_TRUE(AllInk(image, QRect(x, kCableTop, 1, kCableBottom - kCableTop + 1))) << "x " << x;
        // Nothing, in particular not the "Lmax" label, touches the trunk.
        ASSERT_FALSE(IsInk(image, x, kCableTop - 1)) << Where(x, kCableTop - 1);
        ASSERT_FALSE(IsInk(image, x, kCableBottom + 1)) << Where(x, kCableBottom + 1);
    }
    // The junction is a dot wider than the trunk.
    EXPECT_TRUE(AllInk(image, QRect(kJunction.x() - 2, kJunction.y() - 3, 5, 7)));
    // Past the junction only the thin drop to the middle sensor stays on the trunk's row.
    const int firstRing = kStarSensors[1].x() - kStarSensorRadius;
    EXPECT_TRUE(AllInk(image, QRect(kJunction.x() + 5, kCableRow, firstRing - kJunction.x() - 5, 1)));
    EXPECT_TRUE(AllPaper(image, QRect(kJunction.x() + 9, kCableTop, firstRing - kJunction.x() - 9, 1)));
    EXPECT_TRUE(AllPaper(image, QRect(kJunction.x() + 9, kCableBottom, firstRing - kJunction.x() - 9, 1)));
}

TEST(StarDiagramTest, ThreeHollowSensorsEachReachedByADrop) {
    const QImage image = StarDiagram();
    for (const QPoint& sensor : kStarSensors) {
        ExpectHollowRing(image, sensor, kStarSensorRadius, 2);
        // Half way along the drop from the junction.
        const QPoint middle = (kJunction + sensor) / 2;
        EXPECT_TRUE(SomeInk(image, QRect(middle.x() - 1, middle.y() - 1, 3, 3)))
            << "drop to " << Where(sensor.x(), sensor.y());
    }
}

TEST(StarDiagramTest, ThreeSeparateDotsBetweenMiddleAndBottomSensor) {
    const QImage image = StarDiagram();
    const int x = kStarSensors[1].x();
    for (int y : {152, 160, 168}) {
        EXPECT_TRUE(IsInk(image, x, y)) << Where(x, y);
    }
    for (int y : {156, 164}) {
        EXPECT_FALSE(IsInk(image, x, y)) << "dots run together at " << Where(x, y);
    }
    // Clear of both rings.
    EXPECT_TRUE(AllPaper(image, QRect(x - 4, 142, 9, 8)));
    EXPECT_TRUE(AllPaper(image, QRect(x - 4, 171, 9, 7)));
}

TEST(StarDiagramTest, LabelsStandWhereDescribed) {
    const QImage image = StarDiagram();
    // "Lmax" above the trunk, a little left of its middle (x 238).
    EXPECT_TRUE(SomeInk(image, QRect(200, 100, 38, 20))) << "Lmax";
    EXPECT_TRUE(AllPaper(image, QRect(260, 90, 95, 31))) << "right half above the trunk stays empty";
    // The two-line list of sensor kinds at the top right, left of the upper sensor.
    EXPECT_TRUE(SomeInk(image, QRect(318, 36, 150, 16))) << "first caption line";
    EXPECT_TRUE(SomeInk(image, QRect(318, 53, 60, 16))) << "second caption line";
    EXPECT_TRUE(AllPaper(image, QRect(300, 0, 245, 34))) << "above the caption";
}

// ---- Chain diagram -------------------------------------------------------------------------------------

constexpr int kChainSensorRadius = 15;

struct ChainSensor {
    const char* label;
    int centreX;
    bool cableBeyond;  // a cable leaves the ring on its far side
};
constexpr ChainSensor kChainSensors[] = {
    {"Dn", 211, true},
    {"D3", 302, true},
    {"D2", 413, true},
    {"D1", 524, false},
};

TEST(ChainDiagramTest, CableStopsAtTheEdgesOfHollowSensors) {
    const QImage image = ChainDiagram();
    for (const ChainSensor& sensor : kChainSensors) {
        SCOPED_TRACE(sensor.label);
        const QPoint centre(sensor.centreX, kCableRow);
        ExpectHollowRing(image, centre, kChainSensorRadius, 2);
        // The cable comes in up to the ring and does not cross it.
        EXPECT_TRUE(AllInk(image, QRect(centre.x() - kChainSensorRadius - 1, kCableTop, 1, 5)));
        EXPECT_TRUE(AllPaper(
            image, QRect(centre.x() - kChainSensorRadius + 3, kCableTop, 2 * kChainSensorRadius - 5, 5)));
        EXPECT_EQ(IsInk(image, centre.x() + kChainSensorRadius + 1, kCableRow), sensor.cableBeyond);
        // The label above the ring keeps clear of it.
        EXPECT_TRUE(SomeInk(image, QRect(centre.x() - 12, 88, 25, 19))) << "label missing";
        EXPECT_TRUE(
            AllPaper(image, QRect(centre.x() - kChainSensorRadius, 107, 2 * kChainSensorRadius + 1, 2)));
    }
}

TEST(ChainDiagramTest, NothingBeyondTheFarEndSensor) {
    const QImage image = ChainDiagram();
    const int farEdge = kChainSensors[3].centreX + kChainSensorRadius;
    EXPECT_TRUE(AllPaper(image, QRect(farEdge + 1, 0, 548 - farEdge - 1, 224)));
}

TEST(ChainDiagramTest, SegmentLabelsStandAboveTheCable) {
    const QImage image = ChainDiagram();
    struct Segment {
        const char* label;
        int left;
        int right;
    };
    for (const Segment& s : {Segment{"Ln", 116, 195}, Segment{"L2", 318, 397}, Segment{"L1", 429, 508}}) {
        SCOPED_TRACE(s.label);
        EXPECT_TRUE(AllInk(image, QRect(s.left, kCableTop, s.right - s.left + 1, 5)));
        const int middle = (s.left + s.right) / 2;
        EXPECT_TRUE(SomeInk(image, QRect(middle - 12, 100, 25, 20))) << "label missing";
        EXPECT_TRUE(AllPaper(image, QRect(s.left, kCableTop - 2, s.right - s.left + 1, 2)))
            << "label on the cable";
        EXPECT_TRUE(AllPaper(image, QRect(s.left, kCableBottom + 1, s.right - s.left + 1, 40))) << "below";
    }
}

TEST(ChainDiagramTest, ThreeDotsBetweenTwoShortStubs) {
    const QImage image = ChainDiagram();
    EXPECT_TRUE(AllInk(image, QRect(227, kCableTop, 12, 5))) << "stub after Dn";
    EXPECT_TRUE(AllInk(image, QRect(275, kCableTop, 12, 5))) << "stub before D3";
    for (int x : {248, 257, 266}) {
        EXPECT_TRUE(IsInk(image, x, kCableRow)) << Where(x, kCableRow);
    }
    for (int x : {240, 252, 261, 270, 274}) {
        EXPECT_FALSE(IsInk(image, x, kCableRow)) << "gap filled at " << Where(x, kCableRow);
    }
    EXPECT_TRUE(AllPaper(image, QRect(239, kCableTop - 20, 36, 18))) << "no label over the dots";
}

// ---- Window icon ---------------------------------------------------------------------------------------

TEST(AppIconTest, Is32PixelsIn16Colours) {
    const QImage image = AppIconImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.colorCount(), 16);
}

TEST(AppIconTest, ShowsBlueBuildingsWithLitWindowsOnAClearBackground) {
    const QImage image = AppIconImage();
    int blue = 0;
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 255 && qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) >= 128) {
                ++blue;
            }
            if (c == qRgb(255, 255, 0)) {
                ++yellow;
            }
        }
    }
    EXPECT_GT(blue, 32 * 32 / 4) << "buildings";
    EXPECT_GT(yellow, 10) << "lit windows";
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "sky in the top-left corner";
    EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0) << "sky in the top-right corner";
}

TEST(AppIconTest, IconShowsTheSameArtworkAt32Pixels) {
    const QIcon icon = AppIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    // Premultiplied, so that every fully transparent pixel compares as 0 whatever colour it hides.
    const QImage shown =
        icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage art = AppIconImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(shown.size(), art.size());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(shown.pixel(x, y), art.pixel(x, y)) << Where(x, y);
        }
    }
}

}  // namespace
}  // namespace zelta::ui
