// Renders the two diagrams with the drawing code and writes them out as C++ bitmaps for the window to show.
//
//   render_diagrams OUTPUT.cpp
//
// Runs during the build on the platform in QT_QPA_PLATFORM (the build sets "offscreen"), with the fonts
// installed on the building machine; the tests compare the stored bitmaps with a fresh drawing.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>

#include "ui/diagram_bitmap.h"
#include "ui/diagrams.h"

namespace {

bool Fits(const QImage& image) {
    return image.format() == QImage::Format_Mono && image.width() == zelta::ui::kDiagramWidth &&
           image.height() == zelta::ui::kDiagramHeight &&
           image.bytesPerLine() == zelta::ui::kDiagramBytesPerLine && image.colorCount() == 2;
}

void Write(QTextStream& out, const char* name, const QImage& image) {
    out << "\nconst DiagramBitmap " << name << " = {\n";
    out << Qt::hex << Qt::showbase << "    {" << image.color(0) << "u, " << image.color(1) << "u},\n    {";
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        out << "\n        ";
        for (int byte = 0; byte < image.bytesPerLine(); ++byte) {
            out << static_cast<unsigned>(row[byte]) << ',';
        }
    }
    out << Qt::dec << Qt::noshowbase << "\n    },\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_diagrams OUTPUT.cpp\n");
        return 2;
    }
    const QImage star = zelta::ui::StarDiagram();
    const QImage chain = zelta::ui::ChainDiagram();
    if (!Fits(star) || !Fits(chain)) {
        std::fprintf(stderr, "render_diagrams: a diagram is not a 548 x 224 two-colour bitmap\n");
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "render_diagrams: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Written by render_diagrams from the diagrams' drawing code during the build.\n"
           "#include \"ui/diagram_bitmap.h\"\n\nnamespace zelta::ui {\n";
    Write(out, "kStarDiagramBitmap", star);
    Write(out, "kChainDiagramBitmap", chain);
    out << "\n}  // namespace zelta::ui\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFile::NoError ? 0 : 1;
}
