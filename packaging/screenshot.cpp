// Pictures of the window for the software centre and for review: both pages as they open, the star page
// refusing too many sensors (its longest result line) and the chain page with five segments (the grid
// scrolls) and its verdict. Run it with QT_SCALE_FACTOR set to picture the window at that scale; the files
// are <directory>/<picture>-<suffix>.png.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <clocale>
#include <cstdio>

#include "ui/form1.h"

namespace {

using zelta::ui::TForm1;

bool Save(TForm1& form, QWidget* page, const QDir& directory, const QString& name, const QString& suffix) {
    form.TabSheet->setCurrentWidget(page);
    QApplication::processEvents();
    const QString path = directory.filePath(QStringLiteral("%1-%2.png").arg(name, suffix));
    if (!form.grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Twenty ЛИР and thirty ЛИФ draw 120 W, twice what the unit may deliver.
void RefuseTooManySensors(TForm1& form) {
    form.ComboBox1->SetItemIndex(20);
    form.ComboBox2->SetItemIndex(30);
    form.Button1->click();
}

// Five segments of 1000 m: the grid shows its scroll bar, and the unit cannot feed the chain.
void ListFiveSegments(TForm1& form) {
    for (int segment = 0; segment < 5; ++segment) {
        form.Edit2->setText(QStringLiteral("1000"));
        form.ComboBox5->SetItemIndex(segment % form.ComboBox5->count());
        form.Button2->click();
    }
    form.Button4->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: %s DIRECTORY SUFFIX\n", qPrintable(arguments.value(0)));
        return 2;
    }
    const QDir directory(arguments.at(1));
    const QString& suffix = arguments.at(2);
    if (!directory.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(directory.path()));
        return 1;
    }

    TForm1 form;
    bool written = Save(form, form.v1, directory, QStringLiteral("star"), suffix) &&
                   Save(form, form.TabSheet2, directory, QStringLiteral("chain"), suffix);
    RefuseTooManySensors(form);
    ListFiveSegments(form);
    written = written && Save(form, form.v1, directory, QStringLiteral("star-refused"), suffix) &&
              Save(form, form.TabSheet2, directory, QStringLiteral("chain-segments"), suffix);
    return written ? 0 : 1;
}
