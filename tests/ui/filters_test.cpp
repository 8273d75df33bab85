#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "tests/support/gui_test.h"
#include "ui/form1.h"

namespace zelta::ui {
namespace {

enum class Field { Length, Resistance1, Resistance4 };

qt::TEdit* FieldOf(TForm1& form, Field field) {
    switch (field) {
        case Field::Length:
            return form.Edit2;
        case Field::Resistance1:
            return form.Edit1;
        case Field::Resistance4:
            return form.Edit4;
    }
    return nullptr;
}

// Types text key by key as a user would; "\b" is a backspace.
void Type(QWidget* field, const QString& keys) {
    for (QChar key : keys) {
        if (key == QLatin1Char('\b')) {
            QTest::keyClick(field, Qt::Key_Backspace);
        } else {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(key), Qt::NoModifier);
        }
    }
}

struct TypingCase {
    NumberSeparators separators;
    Field field;
    const char* start;
    const char* keys;
    const char* expected;
};

TEST(TypingFilters, LetThroughDigitsBackspaceAndOneSeparatorInTheLengthOnly) {
    const NumberSeparators comma = test::kCommaBlank;
    const NumberSeparators stop = test::kFullStopComma;
    const TypingCase cases[] = {
        {comma, Field::Length, "", "12,5", "12,5"},
        {comma, Field::Length, "", "12,5,", "12,5"},   // a second separator is refused
        {comma, Field::Length, "", "12.5", "125"},     // the full stop is not this locale's separator
        {comma, Field::Length, "", ",", ","},          // a lone separator stays
        {comma, Field::Length, "", "-+e E1", "1"},     // signs, letters, blanks
        {comma, Field::Length, "", "12,\b\b3", "13"},  // backspace always works
        {comma, Field::Length, "", "1\b", ""},         // and can empty the field
        {stop, Field::Length, "", "12.5", "12.5"},
        {stop, Field::Length, "", "12,5", "125"},
        {stop, Field::Length, "", "1.2.3", "1.23"},
        {comma, Field::Resistance1, "10", "5,-+eE 7", "1057"},
        {comma, Field::Resistance1, "10", "\b\b0", "0"},  // a resistance of 0 can be entered
        {stop, Field::Resistance1, "10", ".5", "105"},
        {comma, Field::Resistance4, "10", "5,-+eE 7", "1057"},
        {stop, Field::Resistance4, "", "1.5", "15"},
        {comma, Field::Length, "", "Ё٣\t", ""},  // a Cyrillic letter, an Arabic-Indic digit, a tab
    };
    for (const auto& c : cases) {
        test::UseSeparators(c.separators);
        TForm1 form;
        qt::TEdit* field = FieldOf(form, c.field);
        field->setText(QString::fromUtf8(c.start));
        Type(field, QString::fromUtf8(c.keys));
        EXPECT_EQ(field->text().toStdString(), c.expected)
            << "typed \"" << c.keys << "\" with separator " << c.separators.decimal;
    }
}

TEST(TypingFilters, ReplaceASelectionByADigitButNotBySeparatorWhenTheTextHoldsOne) {
    test::UseSeparators(test::kCommaBlank);
    TForm1 form;
    form.Edit2->setText(QStringLiteral("1,5"));
    form.Edit2->selectAll();
    Type(form.Edit2, QStringLiteral(","));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1,5"));
    Type(form.Edit2, QStringLiteral("7"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("7"));
}

TEST(TypingFilters, MakeTheClipboardAndUndoShortcutsDoNothing) {
    test::UseSeparators(test::kCommaBlank);
    TForm1 form;
    for (qt::TEdit* field : {form.Edit1, form.Edit2, form.Edit4}) {
        QApplication::clipboard()->setText(QStringLiteral("999"));
        field->setText(QStringLiteral("12"));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QStringLiteral("12"));
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("999"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QStringLiteral("12"));
        field->end(false);
        Type(field, QStringLiteral("3"));
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QStringLiteral("123"));
    }
}

TEST(TypingFilters, FollowAChangeOfTheRegionalSeparator) {
    test::UseSeparators(test::kCommaBlank);
    TForm1 form;
    Type(form.Edit2, QStringLiteral("1."));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1"));
    test::UseSeparators(test::kFullStopComma);
    Type(form.Edit2, QStringLiteral(".5"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1.5"));
}

TEST(TypingFilters, LeaveTextThatArrivesAnotherWayAlone) {
    test::UseSeparators(test::kCommaBlank);
    TForm1 form;
    QApplication::clipboard()->setText(QStringLiteral("-1e3 x"));
    form.Edit1->clear();
    form.Edit1->paste();  // what the context menu's "Paste" does
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("-1e3 x"));
}

}  // namespace
}  // namespace zelta::ui
