// What a screen reader announces for each control of the window, and the whole program worked from the
// keyboard alone: Tab order, Ctrl+Tab between the pages, Space on the buttons, Enter and Escape on the boxes.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <vector>

#include "tests/support/gui_test.h"
#include "ui/form1.h"

namespace zelta::ui {
namespace {

QString Announced(QWidget* control, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(what) : QStringLiteral("<no accessible interface>");
}

// The labels a screen reader reads out before the control: those of its labelled-by relation.
QStringList LabelledBy(QWidget* control) {
    QStringList labels;
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control)) {
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
            labels << label->text(QAccessible::Name);
        }
    }
    return labels;
}

const char* NameOf(const QWidget* control) {
    static QByteArray name;
    name = control ? QByteArray(control->metaObject()->className()) + " at " +
                         QByteArray::number(control->x()) + "," + QByteArray::number(control->y())
                   : QByteArray("nothing");
    return name.constData();
}

// A window the keyboard can work: shown, active, with the focus inside it.
class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Sends a key to whatever has the focus, as the keyboard would.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }
    void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void NextPage() { Press(Qt::Key_Tab, Qt::ControlModifier); }
    void PreviousPage() { Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier); }

    // A closed box hands the focus back to the control that opened it once the window is active again; the
    // headless platform has no window manager to reactivate it, so the test does.
    bool FocusReturnsTo(QWidget* control) {
        form.activateWindow();
        return QTest::qWaitFor([control] { return QApplication::focusWidget() == control; }, 1000);
    }

    TForm1 form;
};

TEST(ScreenReaderNames, FieldsAreNamedByTheLabelBeforeThem) {
    TForm1 form;
    const std::pair<QWidget*, const qt::TLabel*> fields[] = {
        {form.Edit1, form.Label5}, {form.Edit2, form.Label8}, {form.Edit4, form.Label10}};
    for (const auto& [field, label] : fields) {
        EXPECT_EQ(Announced(field), label->Caption()) << NameOf(field);
        EXPECT_EQ(LabelledBy(field), QStringList{label->Caption()}) << NameOf(field);
    }
    // The length field's label names the segment the next row describes, and the name follows it.
    form.Edit2->setText(QStringLiteral("100"));
    form.Button2->click();
    EXPECT_EQ(Announced(form.Edit2), QStringLiteral("L2="));
}

// On Linux the accessibility bridge gives a drop-down list its chosen item as the name and its label through
// the labelled-by relation; readers announce both ("Кол-во датчиков ЛИР, combo box, 0").
TEST(ScreenReaderNames, CountSelectorsAreLabelledByTheLabelBeforeThemAndAnnounceTheirCount) {
    TForm1 form;
    const std::pair<qt::TComboBox*, const qt::TLabel*> selectors[] = {{form.ComboBox1, form.Label1},
                                                                      {form.ComboBox2, form.Label2},
                                                                      {form.ComboBox3, form.Label3},
                                                                      {form.ComboBox4, form.Label4}};
    for (const auto& [selector, label] : selectors) {
        EXPECT_EQ(LabelledBy(selector), QStringList{label->Caption()}) << NameOf(selector);
        EXPECT_EQ(Announced(selector, QAccessible::Value), QStringLiteral("0")) << NameOf(selector);
    }
    form.ComboBox3->SetItemIndex(7);
    EXPECT_EQ(Announced(form.ComboBox3, QAccessible::Value), QStringLiteral("7"));
}

// The kind chooser has no label of its own (", м" before it is the length's unit); what it chooses is the
// grid's "Тип датчика" column, and that is what the reader should say about it.
TEST(ScreenReaderNames, KindChooserIsDescribedByTheColumnItFills) {
    TForm1 form;
    EXPECT_EQ(Announced(form.ComboBox5, QAccessible::Description), form.StringGrid1->Cell(2, 0));
    EXPECT_EQ(Announced(form.ComboBox5, QAccessible::Value), QStringLiteral("ЛИР-С-11"));
}

TEST(ScreenReaderNames, ButtonsAreNamedByTheirText) {
    TForm1 form;
    for (QPushButton* button : {form.Button1, form.Button2, form.Button3, form.Button4}) {
        EXPECT_EQ(Announced(button), button->text()) << NameOf(button);
    }
}

TEST(ScreenReaderNames, ResultLinesAreNamedByTheirCurrentText) {
    TForm1 form;
    EXPECT_EQ(Announced(form.Label7), QString());
    EXPECT_EQ(Announced(form.Label12), QString());

    form.ComboBox1->SetItemIndex(1);
    form.Button1->click();
    ASSERT_FALSE(form.Label7->Caption().isEmpty());
    EXPECT_EQ(Announced(form.Label7), form.Label7->Caption());
    form.ComboBox2->SetItemIndex(30);
    form.ComboBox1->SetItemIndex(20);
    form.Button1->click();  // refused now: the name follows the new text
    EXPECT_EQ(Announced(form.Label7), form.Label7->Caption());

    form.Edit2->setText(QStringLiteral("100"));
    form.Button2->click();
    form.Button4->click();
    ASSERT_FALSE(form.Label12->Caption().isEmpty());
    EXPECT_EQ(Announced(form.Label12), form.Label12->Caption());
}

// Tab runs round the shown page and its page tabs only: the controls of the hidden page are never reached,
// and Shift+Tab runs the same round backwards.
TEST_F(KeyboardTest, TabRunsRoundTheShownPageAndShiftTabRunsItBackwards) {
    QWidget* tabs = form.TabSheet->tabBar();
    const std::pair<QWidget*, std::vector<QWidget*>> rounds[] = {
        {form.v1,
         {form.ComboBox1, form.ComboBox2, form.ComboBox3, form.ComboBox4, form.Edit1, form.Button1, tabs}},
        {form.TabSheet2,
         {form.Edit2, form.Button2, form.StringGrid1, form.Button3, form.Edit4, form.Button4, tabs}},
    };
    for (const auto& [page, round] : rounds) {
        form.TabSheet->setCurrentWidget(page);
        round.front()->setFocus(Qt::TabFocusReason);
        for (std::size_t step = 1; step <= round.size(); ++step) {
            Press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), round[step % round.size()]) << NameOf(round[step - 1]);
        }
        for (std::size_t step = round.size(); step >= 1; --step) {
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(QApplication::focusWidget(), round[step - 1]) << NameOf(round[step % round.size()]);
        }
    }
}

// Ctrl+Tab and Ctrl+Shift+Tab switch the pages wherever the focus is, typing fields and drop-down lists
// included.
TEST_F(KeyboardTest, CtrlTabSwitchesThePagesFromEveryControl) {
    const std::pair<QWidget*, std::vector<QWidget*>> pages[] = {
        {form.v1,
         {form.ComboBox1, form.ComboBox2, form.ComboBox3, form.ComboBox4, form.Edit1, form.Button1,
          form.TabSheet->tabBar()}},
        {form.TabSheet2,
         {form.Edit2, form.Button2, form.StringGrid1, form.Button3, form.Edit4, form.Button4,
          form.TabSheet->tabBar()}},
    };
    for (const auto& [page, controls] : pages) {
        QWidget* other = page == form.v1 ? form.TabSheet2 : form.v1;
        for (QWidget* control : controls) {
            form.TabSheet->setCurrentWidget(page);
            control->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(QApplication::focusWidget(), control);
            const QString textBefore = Announced(control, QAccessible::Value);

            NextPage();
            EXPECT_EQ(form.TabSheet->currentWidget(), other) << "Ctrl+Tab from " << NameOf(control);
            // From a page control the focus follows onto the page shown; on the page tabs it stays there.
            if (control != form.TabSheet->tabBar()) {
                EXPECT_TRUE(other->isAncestorOf(QApplication::focusWidget()))
                    << "Ctrl+Tab from " << NameOf(control) << " left the focus on "
                    << NameOf(QApplication::focusWidget());
            }
            PreviousPage();
            EXPECT_EQ(form.TabSheet->currentWidget(), page) << "Ctrl+Shift+Tab back to " << NameOf(control);
            // The chord types nothing: no tab character in a field, no other item in a list.
            EXPECT_EQ(Announced(control, QAccessible::Value), textBefore) << NameOf(control);
        }
    }
}

TEST_F(KeyboardTest, StarPageWorksFromTheKeyboardAlone) {
    form.ComboBox1->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(form.ComboBox1->Text(), QStringLiteral("2"));
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);  // one ЛИЗ: the exclusivity rule clears the ЛИР count, from the keyboard as well
    EXPECT_EQ(form.ComboBox4->Text(), QStringLiteral("1"));
    EXPECT_EQ(form.ComboBox1->Text(), QStringLiteral("0"));
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.Edit1);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    Type(QStringLiteral("20"));
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.Button1);
    Press(Qt::Key_Space);
    EXPECT_TRUE(form.Label7->Caption().startsWith(QStringLiteral("Максимальная длина кабеля")))
        << form.Label7->Caption().toStdString();

    // No sensors counted: the error box closes with Enter and with Escape, and the focus comes back.
    form.ComboBox4->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Up);
    ASSERT_EQ(form.ComboBox4->Text(), QStringLiteral("0"));
    form.Button1->setFocus(Qt::TabFocusReason);
    for (const test::Dismiss how : {test::Dismiss::Enter, test::Dismiss::Escape}) {
        const test::SeenBox seen = test::RunAndReadBox([&] { Press(Qt::Key_Space); }, how);
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.text, QStringLiteral("Ошибка ввода данных"));
        EXPECT_TRUE(seen.closed);
        EXPECT_TRUE(FocusReturnsTo(form.Button1)) << NameOf(QApplication::focusWidget());
    }
}

TEST_F(KeyboardTest, ChainPageWorksFromTheKeyboardAlone) {
    form.ComboBox1->setFocus(Qt::TabFocusReason);
    NextPage();
    ASSERT_EQ(form.TabSheet->currentWidget(), form.TabSheet2);
    ASSERT_EQ(QApplication::focusWidget(), form.Edit2) << NameOf(QApplication::focusWidget());

    // Adding with an empty length: the error box closes with Escape.
    form.Button2->setFocus(Qt::TabFocusReason);
    const test::SeenBox seen = test::RunAndReadBox([&] { Press(Qt::Key_Space); }, test::Dismiss::Escape);
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.closed);
    ASSERT_TRUE(FocusReturnsTo(form.Button2));

    form.Edit2->setFocus(Qt::TabFocusReason);
    Type(QStringLiteral("100"));
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.Button2);
    Press(Qt::Key_Space);
    Press(Qt::Key_Space);
    EXPECT_EQ(form.N, 2);
    EXPECT_EQ(form.StringGrid1->Cell(1, 2), QStringLiteral("100"));
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.Button3);
    Press(Qt::Key_Space);
    EXPECT_EQ(form.N, 1);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.Button4);
    Press(Qt::Key_Space);
    EXPECT_EQ(form.Label12->Caption(), QStringLiteral("Данный вариант подключения допустим"));
}

// Tab passes the kind chooser by, so the keyboard needs another way to it: Alt+Down in the length field
// (the key that opens a drop-down list) moves the focus onto the chooser next to it.
TEST_F(KeyboardTest, KindChooserIsReachedFromTheLengthFieldWithAltDown) {
    form.TabSheet->setCurrentWidget(form.TabSheet2);
    form.Edit2->setFocus(Qt::TabFocusReason);
    Type(QStringLiteral("250"));
    Press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), form.ComboBox5) << NameOf(QApplication::focusWidget());
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QTest::keyClick(popup, Qt::Key_Escape);
    }
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(form.ComboBox5->Text(), QStringLiteral("ЛИВ"));
    EXPECT_EQ(form.Edit2->Text(), QStringLiteral("250"));
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.Button2);
    Press(Qt::Key_Space);
    EXPECT_EQ(form.StringGrid1->Cell(1, 1), QStringLiteral("250"));
    EXPECT_EQ(form.StringGrid1->Cell(2, 1), QStringLiteral("ЛИВ"));
}

}  // namespace
}  // namespace zelta::ui
