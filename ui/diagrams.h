#pragma once
// The two wiring diagrams shown above the star and chain pages.
//
// Each is a 548 x 224 monochrome bitmap (QImage::Format_Mono, colour table black and white only), black
// drawing on white. The picture control shows it unscaled from its top-left corner in a 545 x 217 area, so
// nothing is drawn in the outer strip. The drawings are fixed artwork: they drive no calculation.
// Text is set in the window's own family, mapped to a face that carries the Cyrillic sensor names.
//
// StarDiagram and ChainDiagram draw; the window shows StoredStarDiagram and StoredChainDiagram, the same
// bitmaps rendered once when the program is built.

#include <QImage>

namespace zelta::ui {

// Star layout: the supply unit, one cable of length Lmax to a junction, thin drops to the sensors.
QImage StarDiagram();

// Chain layout: the supply unit, then segment Ln, sensor Дn, ..., sensor Д3, segment L2, sensor Д2,
// segment L1 and sensor Д1 at the far end. The drawing numbers segments from the far end.
QImage ChainDiagram();

// The diagrams as rendered during the build: pixel for pixel what the two functions above draw.
QImage StoredStarDiagram();
QImage StoredChainDiagram();

}  // namespace zelta::ui
