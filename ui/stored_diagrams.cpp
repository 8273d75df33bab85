#include "ui/diagram_bitmap.h"
#include "ui/diagrams.h"

namespace zelta::ui {

namespace {

// The image reads the bitmap where it lies, read-only: nothing is copied until someone paints on it.
QImage ImageOf(const DiagramBitmap& bitmap) {
    QImage image(bitmap.bits, kDiagramWidth, kDiagramHeight, kDiagramBytesPerLine, QImage::Format_Mono);
    image.setColorTable({bitmap.colours[0], bitmap.colours[1]});
    return image;
}

}  // namespace

QImage StoredStarDiagram() {
    return ImageOf(kStarDiagramBitmap);
}

QImage StoredChainDiagram() {
    return ImageOf(kChainDiagramBitmap);
}

}  // namespace zelta::ui
