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
