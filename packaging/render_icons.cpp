// Writes the program's icon as the PNG files the desktop's icon theme looks up: one file per size,
// <directory>/<size>.png, for every size named on the command line. The 32-pixel icon is the original
// 16-colour artwork and keeps its palette; the larger ones are its pixel-doubled renderings.

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "ui/app_icon.h"

namespace {

// The rendering of exactly this size, or a null image when the icon has none: a blurred, smoothly scaled
// stand-in would be worse than a build that stops.
QImage Rendering(int size) {
    const QImage original = zelta::ui::AppIconImage();
    if (original.width() == size && original.height() == size) {
        return original;
    }
    const QIcon icon = zelta::ui::AppIcon();
    if (!icon.availableSizes().contains(QSize(size, size))) {
        return QImage();
    }
    return icon.pixmap(QSize(size, size), 1.0).toImage();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: %s DIRECTORY SIZE...\n", qPrintable(arguments.value(0)));
        return 2;
    }
    const QDir directory(arguments.at(1));
    if (!directory.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(directory.path()));
        return 1;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        bool isNumber = false;
        const int size = sizeText.toInt(&isNumber);
        const QImage image = isNumber ? Rendering(size) : QImage();
        if (image.isNull() || image.size() != QSize(size, size)) {
            std::fprintf(stderr, "the icon has no %s-pixel rendering\n", qPrintable(sizeText));
            return 1;
        }
        const QString path = directory.filePath(QStringLiteral("%1.png").arg(size));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
