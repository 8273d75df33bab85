#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "app/application.h"
#include "core/core.h"
#include "platform/qt/widgets.h"
#include "tests/support/gui_test.h"
#include "ui/form1.h"

namespace zelta::ui {
namespace {

using test::Dismiss;
using test::SeenBox;

const QString kPrefix = QStringLiteral("Максимальная длина кабеля (Lmax) составит  ");
const QString kAccepted = QStringLiteral("Данный вариант подключения допустим");
const QString kRefused =
    QStringLiteral("Недопустимый вариант подключения! Уменьшите длину кабеля или увеличьте его сечение.");
const QString kPowerExceeded = QStringLiteral(
    "Допустимая мощность превышена! Уменьшите количество датчиков или увеличьте сечение кабеля");
const QColor kRed(255, 0, 0);

// The window driven as a user drives it: keys typed into focused controls, items picked, buttons clicked.
class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseSeparators(test::kCommaBlank);
        app::InstallErrorDisplay(QStringLiteral("ui_tests"));
        form = std::make_unique<TForm1>();
        QApplication::setActiveWindow(form.get());
    }

    // Types characters one by one; "\b" is a backspace.
    static void Type(QWidget* field, const QString& keys) {
        field->setFocus();
        for (QChar key : keys) {
            if (key == QLatin1Char('\b')) {
                QTest::keyClick(field, Qt::Key_Backspace);
            } else {
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(key), Qt::NoModifier);
            }
        }
    }

    static void Retype(qt::TEdit* field, const QString& keys) {
        field->selectAll();
        Type(field, QStringLiteral("\b") + keys);
    }

    // Picks an item with the arrow keys, as a user with the keyboard does.
    static void PickByKeyboard(qt::TComboBox* box, int index) {
        box->setFocus();
        while (box->currentIndex() < index) {
            QTest::keyClick(box, Qt::Key_Down);
        }
        while (box->currentIndex() > index) {
            QTest::keyClick(box, Qt::Key_Up);
        }
    }

    // Opens the list and clicks the item.
    static void PickByMouse(qt::TComboBox* box, int index) {
        box->showPopup();
        QAbstractItemView* view = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!view->isVisible());
    }

    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static SeenBox ClickAndReadBox(QPushButton* button, Dismiss how = Dismiss::ClickOk) {
        return test::RunAndReadBox([button] { Click(button); }, how);
    }

    // Clicks and expects no box at all.
    static void ClickQuietly(QPushButton* button) {
        const SeenBox seen = ClickAndReadBox(button);
        EXPECT_FALSE(seen.shown) << "unexpected box: " << seen.text.toStdString();
    }

    void SetCounts(int lir, int lif, int liv, int liz) {
        form->ComboBox1->SetItemIndex(lir);
        form->ComboBox2->SetItemIndex(lif);
        form->ComboBox3->SetItemIndex(liv);
        form->ComboBox4->SetItemIndex(liz);
    }

    // Types the length, picks the kind and presses "Добавить".
    void AddRow(const QString& length, TSensorKind kind) {
        Retype(form->Edit2, length);
        PickByKeyboard(form->ComboBox5, static_cast<int>(kind));
        ClickQuietly(form->Button2);
    }

    QStringList Row(int row) const {
        return {form->StringGrid1->Cell(0, row), form->StringGrid1->Cell(1, row),
                form->StringGrid1->Cell(2, row)};
    }

    QList<QStringList> Rows() const {
        QList<QStringList> rows;
        for (int row = 1; row < form->StringGrid1->RowCount(); ++row) {
            rows << Row(row);
        }
        return rows;
    }

    std::unique_ptr<TForm1> form;
};

// ---- Star page ----

TEST_F(PagesTest, StarKindExclusivityFollowsTheUsersChangesOnly) {
    PickByKeyboard(form->ComboBox2, 7);
    PickByMouse(form->ComboBox4, 5);  // a ЛИЗ count clears the other three kinds
    EXPECT_EQ(form->ComboBox1->Text(), QStringLiteral("0"));
    EXPECT_EQ(form->ComboBox2->Text(), QStringLiteral("0"));
    EXPECT_EQ(form->ComboBox3->Text(), QStringLiteral("0"));
    EXPECT_EQ(form->ComboBox4->Text(), QStringLiteral("5"));

    form->ComboBox1->setFocus();
    QTest::keyClicks(form->ComboBox1, QStringLiteral("3"));  // typing an item's first characters
    EXPECT_EQ(form->ComboBox1->Text(), QStringLiteral("3"));
    EXPECT_EQ(form->ComboBox4->Text(), QStringLiteral("0"));

    PickByMouse(form->ComboBox3, 2);
    PickByKeyboard(form->ComboBox4, 0);  // selecting "0" changes nothing else
    EXPECT_EQ(form->ComboBox1->Text(), QStringLiteral("3"));
    EXPECT_EQ(form->ComboBox3->Text(), QStringLiteral("2"));

    form->ComboBox4->SetItemIndex(9);  // a selection made by the program runs no rule
    EXPECT_EQ(form->ComboBox1->Text(), QStringLiteral("3"));
    EXPECT_EQ(form->ComboBox3->Text(), QStringLiteral("2"));
}

TEST_F(PagesTest, StarLengthIsShownInTheFixedFormatWithTheCurrentSeparators) {
    struct Case {
        int lir, lif;
        const char* resistance;
        const char* commaBlank;
        const char* fullStopComma;
    } const cases[] = {
        {1, 0, "10", "3 333,33", "3,333.33"},  {20, 0, "10", "2,50", "2.50"},
        {0, 1, "1", "50 000,00", "50,000.00"}, {7, 0, "10", "500,24", "500.24"},
        {1, 0, "1", "33 333,33", "33,333.33"},
    };
    for (const auto& c : cases) {
        SetCounts(c.lir, c.lif, 0, 0);
        Retype(form->Edit1, QString::fromLatin1(c.resistance));
        for (const auto& [separators, shown] :
             {std::pair{test::kCommaBlank, c.commaBlank}, std::pair{test::kFullStopComma, c.fullStopComma}}) {
            test::UseSeparators(separators);
            ClickQuietly(form->Button1);
            EXPECT_EQ(form->Label7->Caption(), kPrefix + QString::fromUtf8(shown) + QStringLiteral(" м"));
            EXPECT_EQ(form->Label7->FontColor(), qt::WindowTextColor());
        }
    }
}

TEST_F(PagesTest, StarRefusalIsRedAndASuccessTurnsTheLineBack) {
    SetCounts(20, 1, 0, 0);  // 62 W
    ClickQuietly(form->Button1);
    EXPECT_EQ(form->Label7->Caption(), kPowerExceeded);
    EXPECT_EQ(form->Label7->FontColor(), kRed);
    EXPECT_LT(form->Label7->geometry().right(), form->v1->width());  // the longest line still fits the page

    SetCounts(1, 0, 0, 0);
    ClickQuietly(form->Button1);
    EXPECT_EQ(form->Label7->Caption(), kPrefix + QStringLiteral("3 333,33 м"));
    EXPECT_EQ(form->Label7->FontColor(), qt::WindowTextColor());
    EXPECT_NE(qt::WindowTextColor(), kRed);
}

TEST_F(PagesTest, StarErrorsLeaveTheResultLineAsItWas) {
    SetCounts(20, 1, 0, 0);
    ClickQuietly(form->Button1);
    const QString before = form->Label7->Caption();

    struct Case {
        int lir;
        const char* resistance;  // typed; "" empties the field
        const char* caption;
        const char* text;
    } const cases[] = {
        {0, "10", "Error", "Ошибка ввода данных"},  // no sensors
        {0, "", "ui_tests", "'' is not a valid floating point value."},
        {3, "", "ui_tests", "'' is not a valid floating point value."},
        {1, "0", "ui_tests", "Floating point division by zero."},
        {0, "1000000000000000000000000000000000000000000", "ui_tests", "Floating point overflow."},
    };
    for (const auto& c : cases) {
        SetCounts(c.lir, 0, 0, 0);
        Retype(form->Edit1, QString::fromLatin1(c.resistance));
        const SeenBox seen = ClickAndReadBox(form->Button1);
        ASSERT_TRUE(seen.shown) << c.resistance;
        EXPECT_EQ(seen.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(seen.text, QString::fromUtf8(c.text));
        EXPECT_EQ(seen.icon, QMessageBox::Critical);
        EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
        EXPECT_EQ(form->Label7->Caption(), before);
        EXPECT_EQ(form->Label7->FontColor(), kRed);
    }

    // Once the input is mended the same button works again.
    SetCounts(1, 0, 0, 0);
    Retype(form->Edit1, QStringLiteral("10"));
    ClickQuietly(form->Button1);
    EXPECT_EQ(form->Label7->Caption(), kPrefix + QStringLiteral("3 333,33 м"));
}

// ---- Chain page ----

TEST_F(PagesTest, ChainGridGrowsFromTheFourthRowAndLabelsTheNextSegment) {
    form->TabSheet->setCurrentWidget(form->TabSheet2);
    AddRow(QStringLiteral("100"), TSensorKind::skLir);
    AddRow(QStringLiteral("12,5"), TSensorKind::skLif);
    AddRow(QStringLiteral("0"), TSensorKind::skLiv);
    EXPECT_EQ(form->StringGrid1->RowCount(), 4);
    EXPECT_EQ(form->Label8->Caption(), QStringLiteral("L4="));
    EXPECT_EQ(form->StringGrid1->Row(), 3);

    AddRow(QStringLiteral("7"), TSensorKind::skLiz);
    EXPECT_EQ(form->StringGrid1->RowCount(), 5);
    EXPECT_EQ(form->StringGrid1->Row(), 4);
    EXPECT_EQ(form->Label8->Caption(), QStringLiteral("L5="));
    EXPECT_EQ(form->N, 4);
    EXPECT_EQ(
        Rows(),
        (QList<QStringList>{
            {"1", "100", "ЛИР-С-11"}, {"2", "12,5", "ЛИФ-С-11"}, {"3", "0", "ЛИВ"}, {"4", "7", "ЛИЗ"}}));
    // The length field and the kind chooser keep their contents for the next segment.
    EXPECT_EQ(form->Edit2->Text(), QStringLiteral("7"));
    EXPECT_EQ(form->ComboBox5->Text(), QStringLiteral("ЛИЗ"));
}

TEST_F(PagesTest, ChainRemoveTakesTheLastRowAndKeepsThreeBodyRows) {
    for (int i = 0; i < 4; ++i) {
        AddRow(QString::number(i + 1), TSensorKind::skLir);
    }
    form->StringGrid1->SetRow(1);  // whichever row is selected, the last one goes

    ClickQuietly(form->Button3);
    EXPECT_EQ(form->StringGrid1->RowCount(), 4);
    EXPECT_EQ(form->StringGrid1->Row(), 3);
    EXPECT_EQ(form->Label8->Caption(), QStringLiteral("L4="));
    EXPECT_EQ(Row(3), (QStringList{"3", "3", "ЛИР-С-11"}));

    const QStringList empty{"", "", ""};
    ClickQuietly(form->Button3);
    EXPECT_EQ(Rows(), (QList<QStringList>{{"1", "1", "ЛИР-С-11"}, {"2", "2", "ЛИР-С-11"}, empty}));
    ClickQuietly(form->Button3);
    ClickQuietly(form->Button3);
    EXPECT_EQ(Rows(), (QList<QStringList>{empty, empty, empty}));
    EXPECT_EQ(form->StringGrid1->RowCount(), 4);
    EXPECT_EQ(form->Label8->Caption(), QStringLiteral("L1="));
    EXPECT_EQ(form->N, 0);

    ClickQuietly(form->Button3);  // nothing to remove: nothing happens
    EXPECT_EQ(form->N, 0);
    EXPECT_EQ(form->Label8->Caption(), QStringLiteral("L1="));
}

TEST_F(PagesTest, ChainAddIsRefusedForAnEmptyLengthAndAfterAHundredRows) {
    Retype(form->Edit2, QString());
    SeenBox seen = ClickAndReadBox(form->Button2, Dismiss::Enter);
    EXPECT_TRUE(seen.shown && seen.closed);
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.text, QStringLiteral("Ошибка ввода данных"));
    EXPECT_EQ(form->N, 0);

    Retype(form->Edit2, QStringLiteral("1"));
    PickByMouse(form->ComboBox5, 2);
    for (int i = 0; i < 100; ++i) {
        ClickQuietly(form->Button2);
    }
    EXPECT_EQ(form->N, 100);
    EXPECT_EQ(form->StringGrid1->RowCount(), 101);
    EXPECT_EQ(form->Label8->Caption(), QStringLiteral("L101="));
    seen = ClickAndReadBox(form->Button2, Dismiss::Escape);
    EXPECT_TRUE(seen.shown && seen.closed);
    EXPECT_EQ(seen.text, QStringLiteral("Ошибка ввода данных"));
    EXPECT_EQ(form->N, 100);
    EXPECT_EQ(form->StringGrid1->RowCount(), 101);

    // 100 rows of 1 m of ЛИВ: 2395 passes, far above 30 V.
    QElapsedTimer clock;
    clock.start();
    ClickQuietly(form->Button4);
    EXPECT_EQ(form->Label12->Caption(), kRefused);
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(PagesTest, ChainVerdictsAreShownInTheirColours) {
    struct Case {
        QList<std::pair<const char*, TSensorKind>> rows;
        const char* resistance;
        bool accepted;
    } const cases[] = {
        {{{"500", TSensorKind::skLiv}, {"200", TSensorKind::skLif}}, "10", true},
        {{{"1000", TSensorKind::skLir}, {"1000", TSensorKind::skLir}, {"1000", TSensorKind::skLir}},
         "10",
         false},
        {{{"10000", TSensorKind::skLiv}}, "10", false},
        {{{"10000", TSensorKind::skLiv}}, "0", true},  // a resistance of 0: only the far-end voltage counts
        {{{",", TSensorKind::skLiv}}, "10", true},     // a lone separator is 0 m
    };
    for (const auto& c : cases) {
        form = std::make_unique<TForm1>();
        for (const auto& [length, kind] : c.rows) {
            AddRow(QString::fromUtf8(length), kind);
        }
        Retype(form->Edit4, QString::fromLatin1(c.resistance));
        ClickQuietly(form->Button4);
        EXPECT_EQ(form->Label12->Caption(), c.accepted ? kAccepted : kRefused) << c.rows.first().first;
        EXPECT_EQ(form->Label12->FontColor(), c.accepted ? qt::WindowTextColor() : kRed);
    }
    EXPECT_EQ(form->StringGrid1->Cell(1, 1), QStringLiteral(","));
}

TEST_F(PagesTest, ChainErrorsNameTheFirstFailingTextAndKeepTheList) {
    ClickAndReadBox(form->Button4);  // no rows yet
    SeenBox seen = ClickAndReadBox(form->Button4);
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.text, QStringLiteral("Ошибка ввода данных"));

    // Texts pasted into the length field bypass its filter and are stored as they stand.
    form->Edit2->setText(QStringLiteral("x1"));
    ClickQuietly(form->Button2);
    form->Edit2->setText(QStringLiteral("2 3"));
    ClickQuietly(form->Button2);
    AddRow(QStringLiteral("100"), TSensorKind::skLir);
    const QList<QStringList> rows = Rows();

    struct Case {
        const char* resistance;
        const char* text;
    } const cases[] = {
        {"", "'' is not a valid floating point value."},       // the resistance is asked first
        {"10", "'2 3' is not a valid floating point value."},  // then rows from the far end
    };
    for (const auto& c : cases) {
        form->Edit4->setText(QString::fromLatin1(c.resistance));
        form->Label12->SetCaption(QStringLiteral("before"));
        seen = ClickAndReadBox(form->Button4);
        EXPECT_EQ(seen.caption, QStringLiteral("ui_tests"));
        EXPECT_EQ(seen.text, QString::fromUtf8(c.text));
        EXPECT_EQ(form->Label12->Caption(), QStringLiteral("before"));
        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(form->N, 3);
    }
    // An overflowing resistance is an arithmetic error, reported the same way.
    form->Edit4->setText(QStringLiteral("1e50"));
    seen = ClickAndReadBox(form->Button4);
    EXPECT_EQ(seen.text, QStringLiteral("Floating point overflow."));
    EXPECT_EQ(Rows(), rows);
}

TEST_F(PagesTest, ChainFollowsAChangeOfTheDecimalSeparatorAtOnce) {
    AddRow(QStringLiteral("12,5"), TSensorKind::skLir);
    ClickQuietly(form->Button4);
    EXPECT_EQ(form->Label12->Caption(), kAccepted);

    test::UseSeparators(test::kFullStopComma);
    const SeenBox seen = ClickAndReadBox(form->Button4);
    EXPECT_EQ(seen.text, QStringLiteral("'12,5' is not a valid floating point value."));
    EXPECT_EQ(Row(1), (QStringList{"1", "12,5", "ЛИР-С-11"}));  // stored texts keep their characters

    AddRow(QStringLiteral("7.5"), TSensorKind::skLir);
    EXPECT_EQ(Row(2), (QStringList{"2", "7.5", "ЛИР-С-11"}));
}

TEST_F(PagesTest, SwitchingPagesKeepsBothPagesResults) {
    SetCounts(1, 0, 0, 0);
    ClickQuietly(form->Button1);
    form->TabSheet->setCurrentWidget(form->TabSheet2);
    AddRow(QStringLiteral("100"), TSensorKind::skLir);
    ClickQuietly(form->Button4);
    form->TabSheet->setCurrentWidget(form->v1);
    EXPECT_EQ(form->Label7->Caption(), kPrefix + QStringLiteral("3 333,33 м"));
    EXPECT_EQ(form->Label12->Caption(), kAccepted);
    EXPECT_EQ(form->ComboBox1->Text(), QStringLiteral("1"));
    EXPECT_EQ(form->N, 1);
}

}  // namespace
}  // namespace zelta::ui
