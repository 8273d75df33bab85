#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <stdexcept>

#include "platform/qt/application.h"
#include "platform/qt/message_boxes.h"
#include "tests/support/gui_test.h"

namespace zelta::qt {
namespace {

using test::Dismiss;
using test::RunAndReadBox;

TEST(InputErrorBox, ShowsTheTextUnchangedUnderErrorWithOneOkButton) {
    const auto seen = RunAndReadBox([] { ShowInputError(QStringLiteral("Ошибка ввода данных")); });
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.closed);
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, QStringLiteral("Ошибка ввода данных"));  // no full stop added
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
}

TEST(ErrorBoxes, EnterAndEscapeCloseThemLikeOk) {
    for (Dismiss how : {Dismiss::Enter, Dismiss::Escape, Dismiss::ClickOk}) {
        const auto input = RunAndReadBox([] { ShowInputError(QStringLiteral("x")); }, how);
        EXPECT_TRUE(input.shown && input.closed) << static_cast<int>(how);
        const auto error =
            RunAndReadBox([] { ShowErrorBox(QStringLiteral("t"), QStringLiteral("m.")); }, how);
        EXPECT_TRUE(error.shown && error.closed) << static_cast<int>(how);
        EXPECT_EQ(error.caption, QStringLiteral("t"));
        EXPECT_EQ(error.text, QStringLiteral("m."));
    }
}

TEST(ErrorBoxes, AreCentredOnTheScreenAndWrapAtHalfItsWidth) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QString longText = QStringLiteral("слово ").repeated(400);
    QRect frame;
    int labelWidth = 0;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isModal());
        frame = box->geometry();
        labelWidth = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->width();
        box->buttons().first()->click();
    });
    ShowInputError(longText);
    EXPECT_LE(labelWidth, area.width() / 2);
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 2);
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 2);
}

TEST(Guarded, HandsTheErrorToTheDisplayAndNothingEscapes) {
    std::string shown = "none";
    SetErrorDisplay([&](const std::exception& error) { shown = error.what(); });

    Guarded([] { throw EZeroDivide(); });
    EXPECT_EQ(shown, "Floating point division by zero");

    // Anything that is not one of our errors is shown as one of ours with an empty message.
    Guarded([] { throw std::runtime_error("foreign"); });
    EXPECT_EQ(shown, "");
    Guarded([] { throw 42; });
    EXPECT_EQ(shown, "");

    shown = "untouched";
    Guarded([] {});
    EXPECT_EQ(shown, "untouched");

    // A display that itself fails does not let the error out either.
    SetErrorDisplay([](const std::exception&) { throw std::runtime_error("display broke"); });
    Guarded([] { throw EOverflow(); });
    SetErrorDisplay({});
}

}  // namespace
}  // namespace zelta::qt
