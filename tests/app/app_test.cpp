#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <clocale>
#include <cstring>
#include <stdexcept>

#include "app/application.h"
#include "core/errors.h"
#include "platform/qt/application.h"
#include "tests/support/gui_test.h"
#include "ui/form1.h"

namespace zelta::app {
namespace {

// Runs the program as its entry does, with a test's own argv[0].
int RunProgram(const std::function<void(ui::TForm1&)>& afterShow) {
    char name[] = "app_tests";
    char* argv[] = {name, nullptr};
    int argc = 1;
    return Run(argc, argv, afterShow);
}

TEST(ErrorText, AppendsAFullStopAfterALetterOrDigitOnly) {
    struct Case {
        std::string message;
        const char* shown;
    } const cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"'' is not a valid floating point value", "'' is not a valid floating point value."},
        {"ends in a full stop.", "ends in a full stop."},
        {"ends in a bang!", "ends in a bang!"},
        {"(ends in a parenthesis)", "(ends in a parenthesis)"},
        {"ends in a quote'", "ends in a quote'"},
        {"ends in a blank ", "ends in a blank "},
        {"ends in a slash/", "ends in a slash/."},
        {"ends in 7", "ends in 7."},
        {"по-русски", "по-русски."},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorText(Exception(c.message)).toStdString(), c.shown) << c.message;
    }
    EXPECT_EQ(ErrorText(std::runtime_error("not ours")).toStdString(), "");
}

TEST(Run, ReturnsZeroWhenTheWindowIsClosedAndLeavesNumbersToOurCode) {
    bool shown = false;
    bool inBaseFont = false;
    std::string numeric;
    const int code = RunProgram([&](ui::TForm1& form) {
        shown = form.isVisible();
        inBaseFont = QApplication::font() == ui::BaseFont() && form.font() == ui::BaseFont();
        numeric = std::setlocale(LC_NUMERIC, nullptr);
        QTimer::singleShot(0, &form, &QWidget::close);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(inBaseFont);  // the error boxes are written as the window is
    EXPECT_EQ(numeric, "C");
}

TEST(Run, ShowsAHandlersErrorTitledWithTheProgramsNameAndGoesOn) {
    test::SeenBox seen;
    bool usable = false;
    const int code = RunProgram([&](ui::TForm1& form) {
        QTimer::singleShot(0, &form, [&] {
            seen = test::RunAndReadBox([] { qt::Guarded([] { throw EZeroDivide(); }); });
            usable = form.isVisible() && form.Button1->isEnabled();
            form.close();
        });
    });
    EXPECT_EQ(code, 0);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, QStringLiteral("app_tests"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, QStringLiteral("Floating point division by zero."));
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(usable);
}

TEST(Run, ShowsAnErrorThatEscapesStartUpAndStillReturnsZero) {
    for (const bool ours : {true, false}) {
        test::SeenBox seen;
        const int code = RunProgram([&](ui::TForm1&) {
            // The box opens after the window is gone; read it from the event loop it runs.
            auto* poll = new QTimer(qApp);
            QObject::connect(poll, &QTimer::timeout, [&seen, poll] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    seen.shown = true;
                    seen.caption = box->windowTitle();
                    seen.text = box->text();
                    box->buttons().first()->click();
                    poll->stop();
                }
            });
            poll->start(5);
            if (ours) {
                throw EOverflow();
            }
            throw std::logic_error("foreign");
        });
        EXPECT_EQ(code, 0);
        ASSERT_TRUE(seen.shown) << ours;
        EXPECT_EQ(seen.caption, QStringLiteral("app_tests"));
        EXPECT_EQ(seen.text, ours ? QStringLiteral("Floating point overflow.") : QString());
    }
}

}  // namespace
}  // namespace zelta::app
