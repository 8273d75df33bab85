#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "platform/qt/widgets.h"

namespace zelta::qt {
namespace {

// The field's key hook sees exactly the characters a key press types.
TEST(TEdit, OffersTypedCharactersOnlyAndDiscardsWhatTheHookNulls) {
    TEdit edit(QString(), nullptr);
    QList<int> offered;
    edit.OnKeyPress = [&](QChar& key) {
        offered << key.unicode();
        if (key == QLatin1Char('x')) {
            key = QChar();
        }
    };
    QTest::keyClicks(&edit, QStringLiteral("axb"));
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));

    QTest::keyClick(&edit, Qt::Key_Left);       // types nothing: not offered, still moves the cursor
    QTest::keyClick(&edit, Qt::Key_Delete);     // not a typed character either: deletes "b"
    QTest::keyClick(&edit, Qt::Key_Backspace);  // typed: character 8
    EXPECT_EQ(edit.text(), QString());

    offered.clear();
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(offered, (QList<int>{0x16, 0x1A}));
}

TEST(TLabel, SizesItselfToItsText) {
    TLabel label(QStringLiteral("L1="), nullptr);
    const int narrow = label.width();
    label.SetCaption(QStringLiteral("L100="));
    EXPECT_GT(label.width(), narrow);
    EXPECT_EQ(label.size(), label.sizeHint());
}

// A one-bit picture shows its own two colours pixel for pixel, in either bit order, whatever part of the
// control is painted: the whole of it, or a part that starts and ends inside a byte of the bitmap.
TEST(TImage, ShowsAOneBitPictureExactlyInBothBitOrders) {
    for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_MonoLSB}) {
        QImage picture(45, 21, format);
        picture.setColorTable({qRgb(200, 30, 40), qRgb(10, 20, 250)});
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y, (x * 7 + y * 3 + x * y) % 5 < 2 ? 1 : 0);
            }
        }
        TImage image([picture] { return picture; }, nullptr);
        image.resize(picture.size());
        for (const QRect& area : {picture.rect(), QRect(3, 5, 20, 7), QRect(9, 0, 1, 21)}) {
            const QImage shown = image.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(shown, picture.copy(area).convertToFormat(QImage::Format_RGB32))
                << "format " << format << ", area " << area.x() << ',' << area.y() << ' ' << area.width()
                << 'x' << area.height();
        }
    }
}

// Painted in bands, the page control still looks exactly as the style paints a page control, whatever part
// of it is repainted.
TEST(TPageControl, LooksExactlyAsThePlainPageControl) {
    QTabWidget plain;
    TPageControl banded;
    for (QTabWidget* pages : {&plain, static_cast<QTabWidget*>(&banded)}) {
        pages->resize(421, 301);
        pages->addTab(new QWidget(), QStringLiteral("Вариант1"));
        pages->addTab(new QWidget(), QStringLiteral("Вриант2"));
        pages->show();  // the style lays the pane out once the control is shown
    }
    QApplication::processEvents();
    for (const QRect& area : {QRect(0, 0, 421, 301), QRect(3, 50, 200, 97), QRect(400, 0, 21, 301)}) {
        EXPECT_EQ(banded.grab(area).toImage(), plain.grab(area).toImage())
            << area.x() << ',' << area.y() << ' ' << area.width() << 'x' << area.height();
    }
}

TEST(TStringGrid, AddressesTheHeaderAsRowZero) {
    TStringGrid grid(3, 4, nullptr);
    EXPECT_EQ(grid.RowCount(), 4);
    grid.SetCell(1, 0, QStringLiteral("Длина"));
    grid.SetCell(2, 3, QStringLiteral("ЛИВ"));
    EXPECT_EQ(grid.Cell(1, 0), QStringLiteral("Длина"));
    EXPECT_EQ(grid.Cell(2, 3), QStringLiteral("ЛИВ"));
    EXPECT_EQ(grid.Cell(0, 1), QString());
    EXPECT_EQ(grid.Row(), 1);

    grid.SetRowCount(6);
    grid.SetRow(5);
    EXPECT_EQ(grid.Row(), 5);
    grid.SetRowCount(4);  // below the current row: the new last row becomes current
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Cell(2, 3), QStringLiteral("ЛИВ"));
}

}  // namespace
}  // namespace zelta::qt
