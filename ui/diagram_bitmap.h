#pragma once
// The two diagrams as bitmaps rendered from the drawing code when the program is built, so that the window
// shows them without loading the diagram faces or drawing anything at start-up.

#include <QImage>

namespace zelta::ui {

constexpr int kDiagramWidth = 548;
constexpr int kDiagramHeight = 224;
constexpr int kDiagramBytesPerLine = 72;  // 548 one-bit pixels, padded to whole 32-bit words

// A monochrome (most significant bit first) bitmap with its two colours, as QImage holds one.
struct DiagramBitmap {
    QRgb colours[2];
    alignas(4) unsigned char bits[kDiagramHeight * kDiagramBytesPerLine];
};

// Written by the build (render_diagrams): the star and chain diagrams exactly as drawn.
extern const DiagramBitmap kStarDiagramBitmap;
extern const DiagramBitmap kChainDiagramBitmap;

}  // namespace zelta::ui
