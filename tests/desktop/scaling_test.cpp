// The window at the scale the desktop asks for (QT_SCALE_FACTOR, run at 1, 1.5 and 2): every position and
// size keeps its 96-dpi value in device-independent pixels, so the window grows as a whole, and no text is
// cut off anywhere but in the grid's third column, which the grid's width leaves out by design.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "tests/ui/designed_geometry.h"
#include "ui/diagrams.h"
#include "ui/form1.h"

namespace zelta::ui {
namespace {

double RequestedScale() {
    bool isNumber = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isNumber);
    return isNumber ? scale : 1.0;
}

const char* NameOf(const QWidget* control) {
    static QByteArray name;
    name = QByteArray(control->metaObject()->className()) + " at " + QByteArray::number(control->x()) + "," +
           QByteArray::number(control->y());
    if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
        name += " \"" + label->text().toUtf8() + "\"";
    }
    return name.constData();
}

double DarkPixels(const QImage& image) {
    double dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return dark;
}

// The window as it looks with its longest texts: the star page refusing 120 W of sensors and the chain page
// refusing five segments of 1000 m, with the grid scrolling.
class ScaledWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form.ComboBox1->SetItemIndex(20);
        form.ComboBox2->SetItemIndex(30);
        form.Button1->click();
        for (int segment = 0; segment < 5; ++segment) {
            form.Edit2->setText(QStringLiteral("1000"));
            form.ComboBox5->SetItemIndex(segment % form.ComboBox5->count());
            form.Button2->click();
        }
        form.Button4->click();
    }

    // Shows the page and lets it lay itself out, as a user's click on its tab would.
    void Show(QWidget* page) {
        form.TabSheet->setCurrentWidget(page);
        QTest::qWait(20);
    }

    TForm1 form;
};

TEST_F(ScaledWindow, GrowsAsAWholeAndKeepsEvery96DpiPosition) {
    const double scale = RequestedScale();
    EXPECT_DOUBLE_EQ(form.devicePixelRatioF(), scale);
    const QPixmap picture = form.grab();
    EXPECT_EQ(picture.size(), QSize(std::lround(929 * scale), std::lround(815 * scale)));

    EXPECT_EQ(form.size(), QSize(929, 815));
    EXPECT_EQ(form.TabSheet->geometry(), QRect(8, 8, 921, 801));
    const auto controls = test::DesignedGeometry(form);
    for (const auto& [control, geometry] : controls) {
        EXPECT_EQ(control->geometry(), geometry) << NameOf(control);
    }
    // Text keeps its pixel height too: 16 for the controls, 11 for the page tabs, at any scale.
    for (const QWidget* control :
         {static_cast<QWidget*>(form.Label1), static_cast<QWidget*>(form.Edit1),
          static_cast<QWidget*>(form.Button4), static_cast<QWidget*>(form.ComboBox5)}) {
        EXPECT_EQ(QFontInfo(control->font()).pixelSize(), 16) << NameOf(control);
    }
    EXPECT_EQ(QFontInfo(form.TabSheet->tabBar()->font()).pixelSize(), 11);
    // The diagram is magnified with the window, not drawn pixel for pixel into a corner of its control: its
    // black covers the same share of the control as at 100 %.
    const QImage shown = form.Image1->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(std::lround(545 * scale), std::lround(217 * scale)));
    const double drawn = DarkPixels(StarDiagram().copy(0, 0, 545, 217));
    EXPECT_NEAR(DarkPixels(shown) / (scale * scale), drawn, 0.1 * drawn);
}

TEST_F(ScaledWindow, EveryControlLiesInsideItsPageAndNoneCoversAnother) {
    for (QWidget* page : {form.v1, form.TabSheet2}) {
        Show(page);
        const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QWidget* control = controls[i];
            EXPECT_TRUE(page->rect().contains(control->geometry()))
                << NameOf(control) << " runs out of its " << page->width() << " x " << page->height()
                << " page to " << control->geometry().right() << "," << control->geometry().bottom();
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                if (control->geometry().intersects(controls[j]->geometry())) {
                    const std::string first = NameOf(control);
                    ADD_FAILURE() << first << " and " << NameOf(controls[j]) << " overlap";
                }
            }
        }
    }
}

TEST_F(ScaledWindow, ButtonsAndListsShowTheirWholeText) {
    for (QWidget* page : {form.v1, form.TabSheet2}) {
        Show(page);
        for (QPushButton* button : page->findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QFontMetrics metrics(button->font());
            EXPECT_LE(metrics.horizontalAdvance(button->text()), room.width()) << NameOf(button);
            EXPECT_LE(metrics.height(), room.height()) << NameOf(button);
        }
        for (qt::TComboBox* list : page->findChildren<qt::TComboBox*>()) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = false;
            const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, list);
            // The chosen item is drawn one pixel in from each side of the field.
            const int room = field.width() - 2;
            const QFontMetrics metrics(list->font());
            for (int item = 0; item < list->count(); ++item) {
                EXPECT_LE(metrics.horizontalAdvance(list->itemText(item)), room)
                    << NameOf(list) << " item \"" << list->itemText(item).toStdString() << "\"";
            }
            EXPECT_LE(metrics.height(), field.height()) << NameOf(list);
        }
        for (qt::TEdit* field : page->findChildren<qt::TEdit*>()) {
            EXPECT_LE(QFontMetrics(field->font()).height(), field->contentsRect().height()) << NameOf(field);
        }
    }
    const QTabBar* tabs = form.TabSheet->tabBar();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        EXPECT_LE(QFontMetrics(tabs->font()).horizontalAdvance(tabs->tabText(tab)),
                  tabs->tabRect(tab).width())
            << tabs->tabText(tab).toStdString();
    }
}

// The grid shows "№" and "Длина" whole; only "Тип датчика" is cut, by the frame and, from five rows on, by
// the scroll bar.
TEST_F(ScaledWindow, OnlyTheGridsThirdColumnIsCut) {
    Show(form.TabSheet2);
    const qt::TStringGrid* grid = form.StringGrid1;
    ASSERT_TRUE(grid->verticalScrollBar()->isVisible());
    const int shown = grid->viewport()->width();
    EXPECT_GE(shown, grid->ColWidth(0) + grid->ColWidth(1));
    EXPECT_LT(shown, grid->ColWidth(0) + grid->ColWidth(1) + grid->ColWidth(2));
    const QFontMetrics metrics(grid->font());
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < grid->RowCount(); ++row) {
            EXPECT_LT(metrics.horizontalAdvance(grid->Cell(column, row)), grid->ColWidth(column))
                << "column " << column << " row " << row;
        }
    }
    EXPECT_LE(metrics.height(), grid->RowHeight(0));
    EXPECT_LE(metrics.height(), grid->RowHeight(1));
}

}  // namespace
}  // namespace zelta::ui
