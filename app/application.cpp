#include "app/application.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <memory>

#include "core/errors.h"
#include "platform/qt/application.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/text_qt.h"
#include "platform/shell_text.h"
#include "ui/form1.h"

namespace zelta::app {

namespace {
// Without an application object no box can be shown; the message then goes to standard error.
void ShowStartUpError(const QApplication* application, const QString& title, const QString& text) {
    if (application) {
        qt::ShowErrorBox(title, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
}
}  // namespace

QString ErrorText(const std::exception& error) {
    const auto* ours = dynamic_cast<const Exception*>(&error);
    return qt::ToQString(ErrorDisplayText(ours ? ours->Message() : std::string()));
}

void InstallErrorDisplay(const QString& title) {
    qt::SetErrorDisplay([title](const std::exception& error) { qt::ShowErrorBox(title, ErrorText(error)); });
}

int Run(int argc, char** argv, const std::function<void(ui::TForm1&)>& afterShow) {
    QString title;
    std::unique_ptr<QApplication> application;
    try {
        application = std::make_unique<QApplication>(argc, argv);
        // Qt switched the C library to the user's locale; nothing of ours may format or parse through it.
        std::setlocale(LC_NUMERIC, "C");
        title = qt::ToQString(ApplicationTitle(qt::ToStdString(QCoreApplication::applicationFilePath())));
        InstallErrorDisplay(title);

        QApplication::setFont(ui::BaseFont());
        ui::TForm1 form;
        if (afterShow) {
            afterShow(form);
        }
        QApplication::exec();
    } catch (const std::exception& error) {
        ShowStartUpError(application.get(), title, ErrorText(error));
    } catch (...) {
        ShowStartUpError(application.get(), title, ErrorText(Exception("")));
    }
    qt::SetErrorDisplay({});
    return 0;
}

}  // namespace zelta::app
