#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <tuple>

#include "tests/support/gui_test.h"
#include "tests/ui/designed_geometry.h"
#include "ui/diagrams.h"
#include "ui/form1.h"

namespace zelta::ui {
namespace {

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

QStringList Numbers(int last) {
    QStringList numbers;
    for (int i = 0; i <= last; ++i) {
        numbers << QString::number(i);
    }
    return numbers;
}

TEST(TForm1StartUp, ShowsTheInitialStateItemByItem) {
    TForm1 form;
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ZELTA-7_power"));
    EXPECT_EQ(form.TabSheet->currentWidget(), form.v1);
    EXPECT_EQ(form.TabSheet->tabText(0), QStringLiteral("Вариант1"));
    EXPECT_EQ(form.TabSheet->tabText(1), QStringLiteral("Вриант2"));

    const std::pair<const qt::TComboBox*, int> counts[] = {
        {form.ComboBox1, 20}, {form.ComboBox2, 30}, {form.ComboBox3, 12}, {form.ComboBox4, 16}};
    for (const auto& [box, last] : counts) {
        EXPECT_EQ(box->Text(), QStringLiteral("0"));
        EXPECT_EQ(Items(box), Numbers(last));
        EXPECT_FALSE(box->isEditable());
    }
    EXPECT_EQ(form.Edit1->Text(), QStringLiteral("10"));
    EXPECT_EQ(form.Edit4->Text(), QStringLiteral("10"));
    EXPECT_EQ(form.Edit2->Text(), QString());
    EXPECT_EQ(form.ComboBox5->Text(), QStringLiteral("ЛИР-С-11"));
    EXPECT_EQ(Items(form.ComboBox5), (QStringList{QStringLiteral("ЛИР-С-11"), QStringLiteral("ЛИФ-С-11"),
                                                  QStringLiteral("ЛИВ"), QStringLiteral("ЛИЗ")}));
    EXPECT_EQ(form.Label8->Caption(), QStringLiteral("L1="));
    EXPECT_EQ(form.Label7->Caption(), QString());
    EXPECT_EQ(form.Label12->Caption(), QString());
    EXPECT_EQ(form.N, 0);

    EXPECT_EQ(form.StringGrid1->RowCount(), 4);
    EXPECT_EQ(form.StringGrid1->columnCount(), 3);
    EXPECT_EQ(form.StringGrid1->Cell(0, 0), QStringLiteral("№"));
    EXPECT_EQ(form.StringGrid1->Cell(1, 0), QStringLiteral("Длина"));
    EXPECT_EQ(form.StringGrid1->Cell(2, 0), QStringLiteral("Тип датчика"));
    for (int row = 1; row <= 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(form.StringGrid1->Cell(column, row), QString()) << column << "," << row;
        }
    }

    const std::pair<const qt::TLabel*, const char*> captions[] = {{form.Label1, "Кол-во датчиков ЛИР"},
                                                                  {form.Label2, "Кол-во датчиков ЛИФ"},
                                                                  {form.Label3, "Кол-во датчиков ЛИВ"},
                                                                  {form.Label4, "Кол-во датчиков ЛИЗ"},
                                                                  {form.Label5, "Сопротивление кабеля"},
                                                                  {form.Label6, "Ом/км"},
                                                                  {form.Label9, ", м"},
                                                                  {form.Label10, "Сопротивление кабеля"},
                                                                  {form.Label11, ", Ом/км"}};
    for (const auto& [label, caption] : captions) {
        EXPECT_EQ(label->Caption(), QString::fromUtf8(caption));
    }
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Рассчитать"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("Добавить"));
    EXPECT_EQ(form.Button3->text(), QStringLiteral("Удалить"));
    EXPECT_EQ(form.Button4->text(),
              QString::fromUtf8("Рас\x63\xd1\x87итать"));  // a Latin "c" as its fourth letter
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST(TForm1Layout, PlacesEveryControlWhereTheWindowWasDesigned) {
    TForm1 form;
    EXPECT_EQ(form.pos(), QPoint(308, 116));
    EXPECT_EQ(form.TabSheet->geometry(), QRect(8, 8, 921, 801));
    const auto fixed = test::DesignedGeometry(form);
    for (const auto& [control, geometry] : fixed) {
        EXPECT_EQ(control->geometry(), geometry) << control->metaObject()->className();
        if (control != form.Image1 && control != form.Image2) {
            EXPECT_EQ(control->font(), qt::DesignFont(16));
            // The face that stands in for the designed one is the one actually drawn with.
            EXPECT_EQ(QFontInfo(control->font()).family(), QStringLiteral("Liberation Sans"));
        }
    }
    const std::pair<const qt::TLabel*, QPoint> labels[] = {
        {form.Label1, {80, 328}},  {form.Label2, {80, 368}},   {form.Label3, {80, 408}},
        {form.Label4, {80, 448}},  {form.Label5, {80, 488}},   {form.Label6, {352, 488}},
        {form.Label7, {80, 544}},  {form.Label8, {88, 336}},   {form.Label9, {192, 336}},
        {form.Label10, {64, 552}}, {form.Label11, {312, 552}}, {form.Label12, {64, 592}},
    };
    for (const auto& [label, position] : labels) {
        EXPECT_EQ(label->pos(), position) << label->Caption().toStdString();
        EXPECT_EQ(label->font().pixelSize(), 16);
        if (!label->Caption().isEmpty()) {
            EXPECT_EQ(label->size(), label->sizeHint()) << label->Caption().toStdString();
        }
    }
    EXPECT_EQ(form.font(), qt::DesignFont(11));

    // Resizing the window moves and stretches nothing.
    form.resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(form.TabSheet->geometry(), QRect(8, 8, 921, 801));
    EXPECT_EQ(form.Button4->geometry(), QRect(384, 544, 97, 33));
}

TEST(TForm1Layout, PictureAreasShowTheirDiagramsUnscaledFromTheTopLeft) {
    TForm1 form;
    for (const auto& [image, page, diagram] : {std::tuple{form.Image1, form.v1, StarDiagram()},
                                               std::tuple{form.Image2, form.TabSheet2, ChainDiagram()}}) {
        form.TabSheet->setCurrentWidget(page);
        const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, diagram.copy(0, 0, 545, 217).convertToFormat(QImage::Format_RGB32));
    }
}

TEST(TForm1Layout, DropDownListsArePickOnlyWithItemsTwentyPixelsHigh) {
    TForm1 form;
    for (qt::TComboBox* box :
         {form.ComboBox1, form.ComboBox2, form.ComboBox3, form.ComboBox4, form.ComboBox5}) {
        EXPECT_FALSE(box->isEditable());
        box->showPopup();
        EXPECT_EQ(box->view()->sizeHintForRow(0), 20);
        EXPECT_EQ(QFontInfo(box->view()->font()).pixelSize(), 16);  // the list is written as the box is
        box->hidePopup();
    }
}

TEST(TForm1Grid, IsSizedToItsColumnsAndFourRows) {
    TForm1 form;
    form.TabSheet->setCurrentWidget(form.TabSheet2);
    QApplication::processEvents();
    const qt::TStringGrid* grid = form.StringGrid1;
    EXPECT_EQ(grid->size(), QSize(240, 108));
    EXPECT_EQ(grid->ColWidth(0), 30);
    EXPECT_EQ(grid->ColWidth(1), 85);
    EXPECT_EQ(grid->ColWidth(2), 125);
    for (int row = 0; row <= 3; ++row) {
        EXPECT_EQ(grid->RowHeight(row), 25) << row;
    }
    EXPECT_EQ(grid->horizontalHeader()->font().pixelSize(), 16);  // the header row is in the grid's font
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());  // the header and three rows fit

    form.StringGrid1->SetRowCount(5);
    QTest::qWait(20);  // the scroll bar follows once the grid has laid its rows out
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());  // from five grid rows on
    EXPECT_EQ(grid->RowHeight(4), 25);
    EXPECT_EQ(grid->size(), QSize(240, 108));
}

TEST(TForm1Keyboard, TabFollowsTheDesignedOrderAndSkipsTheKindChooser) {
    TForm1 form;
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    const auto walk = [](QWidget* first, int steps) {
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited{QApplication::focusWidget()};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        return visited;
    };
    EXPECT_EQ(walk(form.ComboBox1, 5), (QList<QWidget*>{form.ComboBox1, form.ComboBox2, form.ComboBox3,
                                                        form.ComboBox4, form.Edit1, form.Button1}));
    form.TabSheet->setCurrentWidget(form.TabSheet2);
    EXPECT_EQ(walk(form.Edit2, 5), (QList<QWidget*>{form.Edit2, form.Button2, form.StringGrid1, form.Button3,
                                                    form.Edit4, form.Button4}));
}

TEST(TForm1Pages, SwitchingPagesChangesNothing) {
    TForm1 form;
    form.ComboBox2->SetItemIndex(7);
    form.Edit2->setText(QStringLiteral("12"));
    form.TabSheet->setCurrentWidget(form.TabSheet2);
    form.TabSheet->setCurrentWidget(form.v1);
    form.TabSheet->setCurrentWidget(form.TabSheet2);
    EXPECT_EQ(form.ComboBox2->Text(), QStringLiteral("7"));
    EXPECT_EQ(form.Edit2->Text(), QStringLiteral("12"));
    EXPECT_EQ(form.Edit1->Text(), QStringLiteral("10"));
    EXPECT_EQ(form.StringGrid1->RowCount(), 4);
}

TEST(TForm1Separators, AreReadAtStartAndAgainWhenTheSystemAnnouncesAChange) {
    test::UseSeparators(test::kCommaBlank);
    TForm1 form;
    EXPECT_EQ(form.Separators().decimal, ",");
    EXPECT_EQ(form.Separators().thousands, " ");
    test::UseSeparators({".", ""});
    EXPECT_EQ(form.Separators().decimal, ".");
    EXPECT_EQ(form.Separators().thousands, "");
}

}  // namespace
}  // namespace zelta::ui
