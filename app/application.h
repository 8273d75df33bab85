#pragma once
// The program: start-up, the event loop until the window closes, and the application-wide error display.

#include <QString>
#include <exception>
#include <functional>

namespace zelta::ui {
class TForm1;
}

namespace zelta::app {

// The text the display shows for an error: a message of ours with its full stop; anything else is shown as
// one of ours with an empty message.
QString ErrorText(const std::exception& error);

// Installs the application-wide error display: a modal stop box titled with the application's title.
void InstallErrorDisplay(const QString& title);

// Runs the whole program and returns its exit code, 0. afterShow, when given, runs once the window is up
// (tests drive and close the window from there).
int Run(int argc, char** argv, const std::function<void(ui::TForm1&)>& afterShow = {});

}  // namespace zelta::app
