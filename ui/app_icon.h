#pragma once
// The window icon: blue buildings with lit windows.

#include <QIcon>
#include <QImage>

namespace zelta::ui {

// 32 x 32 pixels, QImage::Format_Indexed8 with a colour table of exactly 16 entries: the classic 16-colour
// palette with magenta, the traditional transparency key of such artwork, made fully transparent.
QImage AppIconImage();

// The icon built from AppIconImage(), with pixel-doubled 64 and 128 pixel renderings so that large sizes
// stay crisp instead of being blurred by smooth scaling.
QIcon AppIcon();

}  // namespace zelta::ui
