// Texts that reach the number fields without passing their typing filters: pasted through the field's
// context menu, or placed with setText as a paste places them. Whatever they hold, each calculation ends
// promptly in a result or in the error a user is shown, the row list and the other page stay as they were,
// and the error box stays on the screen and closes with Enter, Escape and its OK button.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "core/core.h"
#include "platform/qt/widgets.h"
#include "tests/support/gui_test.h"
#include "ui/form1.h"

// Failure messages show texts as text.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zelta::ui {
namespace {

using test::Dismiss;

const QString kPrefix = QStringLiteral("Максимальная длина кабеля (Lmax) составит  ");
const QString kAccepted = QStringLiteral("Данный вариант подключения допустим");
const QString kRefused =
    QStringLiteral("Недопустимый вариант подключения! Уменьшите длину кабеля или увеличьте его сечение.");
const QString kInputError = QStringLiteral("Ошибка ввода данных");
const QString kOverflow = QStringLiteral("Floating point overflow.");
const QString kZeroDivide = QStringLiteral("Floating point division by zero.");
const QString kCaption = QStringLiteral("hardening_tests");

// A QLineEdit holds at most this many characters unless told otherwise; a paste is cut there.
constexpr int kFieldLimit = 32767;
// What "promptly" means for a click: far below the moment a user takes the window for frozen.
constexpr qint64 kPromptMs = 1000;

QString ConversionError(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("' is not a valid floating point value.");
}

using Box = test::SeenBox;

// Puts text on the clipboard, selects the field's whole text and picks "Paste" from the field's own context
// menu with the mouse, as a user replaces a field's contents with something copied elsewhere.
void PasteThroughContextMenu(qt::TEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    const QPoint inside = field->rect().center();
    QContextMenuEvent open(QContextMenuEvent::Mouse, inside, field->mapToGlobal(inside));
    QApplication::sendEvent(field, &open);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "the context menu did not open";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    // The menu's entries carry their mnemonic and shortcut: "&Paste\tCtrl+V" (no translation is loaded).
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("&Paste"))) {
            paste = action;
        }
    }
    ASSERT_NE(paste, nullptr) << "the context menu has no Paste";
    ASSERT_TRUE(paste->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
}

// How a text gets into a field past its filter.
enum class Placed { ByContextMenu, BySetText };

void Place(qt::TEdit* field, const QString& text, Placed how) {
    if (how == Placed::ByContextMenu) {
        PasteThroughContextMenu(field, text);
    } else {
        field->setText(text);
    }
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

class PastedInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseSeparators(test::kCommaBlank);
        app::InstallErrorDisplay(kCaption);
        NewWindow();
    }

    void NewWindow() {
        form = std::make_unique<TForm1>();
        QApplication::setActiveWindow(form.get());
    }

    // Everything either page shows, as one list: a click on one page must leave the other page, and the
    // chain page's list, exactly so.
    std::vector<std::string> StarPage() const {
        return {Utf8(form->ComboBox1->Text()),
                Utf8(form->ComboBox2->Text()),
                Utf8(form->ComboBox3->Text()),
                Utf8(form->ComboBox4->Text()),
                Utf8(form->Edit1->Text()),
                Utf8(form->Label7->Caption()),
                Utf8(form->Label7->FontColor().name())};
    }
    std::vector<std::string> ChainList() const {
        std::vector<std::string> list = {std::to_string(form->N),
                                         std::to_string(form->StringGrid1->RowCount()),
                                         Utf8(form->Label8->Caption())};
        for (int row = 1; row < form->StringGrid1->RowCount(); ++row) {
            for (int column = 0; column < 3; ++column) {
                list.push_back(Utf8(form->StringGrid1->Cell(column, row)));
            }
        }
        return list;
    }
    std::vector<std::string> ChainPage() const {
        std::vector<std::string> page = ChainList();
        for (const QString& text : {form->Edit2->Text(), form->ComboBox5->Text(), form->Edit4->Text(),
                                    form->Label12->Caption(), form->Label12->FontColor().name()}) {
            page.push_back(Utf8(text));
        }
        return page;
    }

    // Clicks and returns the box the click opened, if any; the click must be prompt either way.
    Box Click(QPushButton* button, Dismiss how = Dismiss::ClickOk) {
        QElapsedTimer clock;
        clock.start();
        const Box box = test::RunAndReadBox([button] { QTest::mouseClick(button, Qt::LeftButton); }, how);
        const qint64 took = box.shown ? box.msUntilShown : clock.elapsed();
        EXPECT_LT(took, kPromptMs) << "the click took " << took << " ms";
        return box;
    }

    void AddRow(const QString& length, TSensorKind kind, Placed how = Placed::BySetText) {
        Place(form->Edit2, length, how);
        form->ComboBox5->SetItemIndex(static_cast<int>(kind));
        const Box box = Click(form->Button2);
        EXPECT_FALSE(box.shown) << Utf8(box.text);
    }

    // The result line after a click that showed no box, or the text of the box it showed.
    static QString Outcome(const Box& box, const qt::TLabel* resultLine) {
        if (box.shown) {
            EXPECT_EQ(box.caption, kCaption);
            EXPECT_TRUE(box.closed);
            return box.text;
        }
        return resultLine->Caption();
    }

    std::unique_ptr<TForm1> form;
};

struct LengthCase {
    const char* name;
    QString pasted;
    QString outcome;  // the result line, or the error box's text
};

// One ЛИР on the pasted segment at 10 ohm/km: the unit sees 10 V + 0.006 V per metre.
TEST_F(PastedInputTest, PastedLengthsEndInAVerdictOrTheirErrorAndKeepTheList) {
    const QString loneSurrogate = QString(QChar(0xD800)) + QStringLiteral("5");
    const LengthCase cases[] = {
        {"a negative length", QStringLiteral("-5"), kAccepted},
        {"blanks around", QStringLiteral("  7  "), kAccepted},
        {"an exponent", QStringLiteral("1e3"), kAccepted},
        {"a bare exponent letter", QStringLiteral("5,5e"), kAccepted},
        {"below the smallest float", QStringLiteral("1e-50"), kAccepted},
        {"a huge length that is still a float", QStringLiteral("1e30"), kRefused},
        {"a huge negative length", QStringLiteral("-1e30"), kAccepted},
        {"beyond a float", QStringLiteral("1e39"), kOverflow},
        {"fifty digits", QString(50, QLatin1Char('9')), kOverflow},
        {"beyond the extended range", QStringLiteral("1e4999"), ConversionError(QStringLiteral("1e4999"))},
        {"an exponent digit past 500", QStringLiteral("1e5000"), ConversionError(QStringLiteral("1e5000"))},
        {"a full stop where the comma is the separator", QStringLiteral("2.5"),
         ConversionError(QStringLiteral("2.5"))},
        {"Cyrillic", QStringLiteral("семь"), ConversionError(QStringLiteral("семь"))},
        {"an emoji", QStringLiteral("5😀"), ConversionError(QStringLiteral("5😀"))},
        {"a no-break space", QStringLiteral("\u00A05"), ConversionError(QStringLiteral("\u00A05"))},
        {"a tab", QStringLiteral("\t5"), ConversionError(QStringLiteral("\t5"))},
        {"a hexadecimal", QStringLiteral("0x10"), ConversionError(QStringLiteral("0x10"))},
        {"a unit after the number", QStringLiteral("5 м"), ConversionError(QStringLiteral("5 м"))},
        {"a lone sign", QStringLiteral("-"), ConversionError(QStringLiteral("-"))},
        {"a null character", QChar(0) + QStringLiteral("5"), ConversionError(QChar(0) + QStringLiteral("5"))},
        // Text leaves the window as UTF-8, where half a surrogate pair has no place: Qt writes "?" for it.
        {"a lone surrogate", loneSurrogate, ConversionError(QStringLiteral("?5"))},
    };
    for (const Placed how : {Placed::ByContextMenu, Placed::BySetText}) {
        for (const LengthCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (how == Placed::ByContextMenu ? ", pasted" : ", set"));
            NewWindow();
            form->TabSheet->setCurrentWidget(form->TabSheet2);
            AddRow(c.pasted, TSensorKind::skLir, how);
            ASSERT_EQ(form->N, 1);
            EXPECT_EQ(form->StringGrid1->Cell(1, 1), c.pasted);  // stored as it stood in the field
            form->Label12->SetCaption(QStringLiteral("before"));
            const std::vector<std::string> star = StarPage();
            const std::vector<std::string> list = ChainList();

            const Box box = Click(form->Button4);
            EXPECT_EQ(Outcome(box, form->Label12), c.outcome) << Utf8(c.pasted);
            if (box.shown) {
                EXPECT_EQ(form->Label12->Caption(), QStringLiteral("before"));
            }
            EXPECT_EQ(ChainList(), list);
            EXPECT_EQ(StarPage(), star);
        }
    }
}

// Sensor 2 on a pasted segment of -10 m at 1 ohm/m: 2 * 1 * -10 * 0.5 A takes the 10 V at its end down to
// exactly 0 V at sensor 1, which would draw an infinite current.
TEST_F(PastedInputTest, ANegativeSegmentThatBringsASensorToZeroVoltsIsADivisionByZero) {
    AddRow(QStringLiteral("0"), TSensorKind::skLiv);
    AddRow(QStringLiteral("-10"), TSensorKind::skLiv, Placed::ByContextMenu);
    PasteThroughContextMenu(form->Edit4, QStringLiteral("1000"));
    const std::vector<std::string> star = StarPage();
    const std::vector<std::string> list = ChainList();
    const Box box = Click(form->Button4, Dismiss::Enter);
    EXPECT_EQ(box.text, kZeroDivide);
    EXPECT_TRUE(box.closed);
    EXPECT_EQ(ChainList(), list);
    EXPECT_EQ(StarPage(), star);

    // Mended, the same button gives a verdict.
    PasteThroughContextMenu(form->Edit4, QStringLiteral("10"));
    EXPECT_FALSE(Click(form->Button4).shown);
    EXPECT_EQ(form->Label12->Caption(), kAccepted);
}

struct ResistanceCase {
    QString pasted;
    QString star;   // one ЛИР: the star page's result line or error
    QString chain;  // one row of 100 m ЛИР: the chain page's verdict or error
};

TEST_F(PastedInputTest, PastedResistancesEndInAResultOrTheirErrorOnBothPages) {
    const ResistanceCase cases[] = {
        // A negative resistance is taken as it stands: the star length comes out negative, the chain's
        // far end needs less than 10 V.
        {QStringLiteral("-5"), kPrefix + QStringLiteral("-6 666,67 м"), kAccepted},
        {QStringLiteral("  7  "), kPrefix + QStringLiteral("4 761,90 м"), kAccepted},
        {QStringLiteral("1e30"), kPrefix + QStringLiteral("0,00 м"), kRefused},
        // The thousandth still fits a float; over 1 m of cable the chain does not.
        {QStringLiteral("1e39"), kPrefix + QStringLiteral("0,00 м"), kRefused},
        {QStringLiteral("1e42"), kOverflow, kOverflow},
        // Scaled to ohms per metre this is below the smallest float, that is 0.
        {QStringLiteral("1e-50"), kZeroDivide, kAccepted},
        // Still a (denormal) float per metre, but the star length it gives is beyond one.
        {QStringLiteral("1e-40"), kOverflow, kAccepted},
        {QStringLiteral("-0"), kZeroDivide, kAccepted},
        {QStringLiteral("десять"), ConversionError(QStringLiteral("десять")),
         ConversionError(QStringLiteral("десять"))},
        {QStringLiteral("10 Ом/км"), ConversionError(QStringLiteral("10 Ом/км")),
         ConversionError(QStringLiteral("10 Ом/км"))},
        {QStringLiteral("１０"), ConversionError(QStringLiteral("１０")),
         ConversionError(QStringLiteral("１０"))},
        {QStringLiteral("👍"), ConversionError(QStringLiteral("👍")), ConversionError(QStringLiteral("👍"))},
        {QStringLiteral("\u00A010"), ConversionError(QStringLiteral("\u00A010")),
         ConversionError(QStringLiteral("\u00A010"))},
    };
    AddRow(QStringLiteral("100"), TSensorKind::skLir);
    for (const Placed how : {Placed::ByContextMenu, Placed::BySetText}) {
        for (const ResistanceCase& c : cases) {
            SCOPED_TRACE(Utf8(c.pasted) + (how == Placed::ByContextMenu ? ", pasted" : ", set"));
            form->ComboBox1->SetItemIndex(1);
            form->Label7->SetCaption(QStringLiteral("before"));
            form->Label12->SetCaption(QStringLiteral("before"));

            form->TabSheet->setCurrentWidget(form->v1);
            Place(form->Edit1, c.pasted, how);
            std::vector<std::string> other = ChainPage();
            Box box = Click(form->Button1);
            EXPECT_EQ(Outcome(box, form->Label7), c.star);
            EXPECT_EQ(ChainPage(), other);

            form->TabSheet->setCurrentWidget(form->TabSheet2);
            Place(form->Edit4, c.pasted, how);
            other = StarPage();
            const std::vector<std::string> list = ChainList();
            box = Click(form->Button4);
            EXPECT_EQ(Outcome(box, form->Label12), c.chain);
            EXPECT_EQ(StarPage(), other);
            EXPECT_EQ(ChainList(), list);
        }
    }
}

enum class Field { StarResistance, ChainResistance, ChainLength };

// Pasting more than a field holds fills it to its limit; converting that is refused at once, and the box
// with its one unbreakable word of 32 767 characters stays inside the screen, its OK button included, and
// closes with Enter, Escape and OK alike.
TEST_F(PastedInputTest, ALongestPasteIsRefusedAtOnceAndItsBoxFitsTheScreenAndCloses) {
    const QString fills[] = {
        QString(40000, QLatin1Char('7')),                         // all digits: far beyond the extended range
        QString(40000, QChar(0x0416)),                            // Ж, two bytes each in UTF-8
        QStringLiteral("1 ") + QString(39998, QLatin1Char('0')),  // a blank inside the number
        QStringLiteral("7 ").repeated(20000),                     // words that wrap into thousands of lines
    };
    for (const Field field : {Field::StarResistance, Field::ChainResistance, Field::ChainLength}) {
        for (const QString& fill : fills) {
            SCOPED_TRACE(std::to_string(static_cast<int>(field)) + ", " + Utf8(fill.left(3)) + "...");
            NewWindow();
            form->ComboBox1->SetItemIndex(1);  // one ЛИР on the star page
            qt::TEdit* edit = field == Field::StarResistance    ? form->Edit1
                              : field == Field::ChainResistance ? form->Edit4
                                                                : form->Edit2;
            QPushButton* calculate = field == Field::StarResistance ? form->Button1 : form->Button4;
            form->TabSheet->setCurrentWidget(field == Field::StarResistance ? form->v1 : form->TabSheet2);
            if (field != Field::ChainLength) {
                AddRow(QStringLiteral("100"), TSensorKind::skLir);
            }

            PasteThroughContextMenu(edit, fill);
            const QString held = edit->Text();
            ASSERT_EQ(held.size(), kFieldLimit);
            EXPECT_EQ(held, fill.left(kFieldLimit));
            if (field == Field::ChainLength) {
                AddRow(held, TSensorKind::skLiv);
                EXPECT_EQ(form->StringGrid1->Cell(1, 1), held);  // the row takes the whole text
            }
            const std::vector<std::string> star = StarPage();
            const std::vector<std::string> chain = ChainPage();

            for (const Dismiss how : {Dismiss::Enter, Dismiss::Escape, Dismiss::ClickOk}) {
                const Box box = Click(calculate, how);
                ASSERT_TRUE(box.shown);
                EXPECT_TRUE(box.closed) << "the box did not close";
                EXPECT_EQ(box.text, ConversionError(held));
                EXPECT_EQ(box.buttons, QStringList{QStringLiteral("OK")});
                EXPECT_TRUE(box.screen.contains(box.frame))
                    << "box at " << box.frame.x() << "," << box.frame.y() << " " << box.frame.width() << "x"
                    << box.frame.height() << " on a screen of " << box.screen.width() << "x"
                    << box.screen.height();
                EXPECT_TRUE(box.screen.contains(box.okButton));
                EXPECT_EQ(StarPage(), star);
                EXPECT_EQ(ChainPage(), chain);
            }
        }
    }
}

// A hundred rows whose length texts fill the field and still convert, every digit significant: "0,999...9"
// reads as 1 m. With the resistance also at full length this is the longest run there is (2 395 passes of a
// hundred ЛИВ), and the page must still answer at once.
TEST_F(PastedInputTest, AHundredLongestLengthsThatConvertAreWorkedOutAtOnce) {
    form->TabSheet->setCurrentWidget(form->TabSheet2);
    const QString nearlyOne = QStringLiteral("0,") + QString(kFieldLimit - 2, QLatin1Char('9'));
    PasteThroughContextMenu(form->Edit2, nearlyOne);
    ASSERT_EQ(form->Edit2->Text(), nearlyOne);
    form->ComboBox5->SetItemIndex(static_cast<int>(TSensorKind::skLiv));
    for (int row = 1; row <= MaxChainRows; ++row) {
        ASSERT_FALSE(Click(form->Button2).shown);
    }
    ASSERT_EQ(form->N, MaxChainRows);
    PasteThroughContextMenu(form->Edit4, QString(kFieldLimit - 2, QLatin1Char('0')) + QStringLiteral("10"));
    const std::vector<std::string> star = StarPage();
    const std::vector<std::string> list = ChainList();

    const Box box = Click(form->Button4);  // prompt, or Click reports it
    EXPECT_FALSE(box.shown) << Utf8(box.text.left(80));
    EXPECT_EQ(form->Label12->Caption(), kRefused);  // as for a hundred rows of 1 m: V0 is 251.43 V
    EXPECT_EQ(ChainList(), list);
    EXPECT_EQ(StarPage(), star);
}

}  // namespace
}  // namespace zelta::ui
