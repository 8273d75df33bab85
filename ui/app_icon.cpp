#include "ui/app_icon.h"

#include <QList>
#include <QPixmap>
#include <QRgb>

namespace zelta::ui {
namespace {

// Indices into the classic 16-colour palette.
enum PaletteIndex : uint {
    kBlack = 0,
    kMaroon,
    kGreen,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kSilver,
    kGray,
    kRed,
    kLime,
    kYellow,
    kBlue,
    kClear,  // magenta in the classic palette: the transparency key
    kAqua,
    kWhite,
};

QList<QRgb> IconPalette() {
    return {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),       qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128),     qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),       qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgba(255, 0, 255, 0), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
}

void FillBlock(QImage& image, int left, int top, int width, int height, uint index) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            image.setPixel(x, y, index);
        }
    }
}

struct Building {
    int left;
    int top;
    int width;
    uint body;
};

// One building: a black outline, a body, and a grid of 2 x 2 windows. The unlitMask picks, window by window
// in reading order, the few that are dark, so the block does not look like a test pattern.
void DrawBuilding(QImage& image, const Building& b, unsigned unlitMask) {
    constexpr int kGround = 30;  // last row of every building
    const int height = kGround - b.top + 1;
    FillBlock(image, b.left, b.top, b.width, height, kBlack);
    FillBlock(image, b.left + 1, b.top + 1, b.width - 2, height - 2, b.body);
    // A dark window must still show against the body.
    const uint unlit = b.body == kNavy ? kBlack : kNavy;
    int window = 0;
    for (int y = b.top + 3; y + 1 <= kGround - 3; y += 4) {
        for (int x = b.left + 2; x + 1 <= b.left + b.width - 3; x += 4) {
            const bool lit = (unlitMask & (1u << window)) == 0;
            FillBlock(image, x, y, 2, 2, lit ? kYellow : unlit);
            ++window;
        }
    }
}

}  // namespace

QImage AppIconImage() {
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable(IconPalette());
    image.fill(kClear);

    // Back to front: the tall tower in the middle, flanked by two lower blocks that overlap its sides.
    DrawBuilding(image, {11, 3, 10, kNavy}, 0b0000'1001'0000u);
    FillBlock(image, 15, 0, 2, 3, kBlack);  // the tower's mast
    FillBlock(image, 15, 0, 2, 1, kRed);    // its warning light
    DrawBuilding(image, {2, 11, 10, kBlue}, 0b0001'0010'0100u);
    DrawBuilding(image, {20, 15, 10, kBlue}, 0b0000'0101'0000u);
    FillBlock(image, 0, 31, 32, 1, kGray);  // the street
    return image;
}

QIcon AppIcon() {
    const QImage base = AppIconImage();
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(base));
    for (int scale : {2, 4}) {
        icon.addPixmap(QPixmap::fromImage(base.scaled(base.width() * scale, base.height() * scale,
                                                      Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    }
    return icon;
}

}  // namespace zelta::ui
