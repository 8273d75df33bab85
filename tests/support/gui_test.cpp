#include "tests/support/gui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>

#include "platform/qt/separators_qt.h"

namespace zelta::test {

SeenBox RunAndReadBox(const std::function<void()>& action, Dismiss how) {
    SeenBox seen;
    QElapsedTimer sinceShown;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        if (!seen.shown) {
            seen.shown = true;
            seen.caption = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons()) {
                seen.buttons << button->text();
            }
            sinceShown.start();
            switch (how) {
                case Dismiss::ClickOk:
                    if (!box->buttons().isEmpty()) {
                        box->buttons().first()->click();
                    }
                    break;
                case Dismiss::Enter:
                    QTest::keyClick(box, Qt::Key_Return);
                    break;
                case Dismiss::Escape:
                    QTest::keyClick(box, Qt::Key_Escape);
                    break;
            }
            seen.closed = !box->isVisible();
        } else if (sinceShown.elapsed() > 2000) {
            box->done(0);  // never leave a test hanging on a box that would not close
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void UseSeparators(const NumberSeparators& separators) {
    qt::SetSystemSeparatorReader([separators] { return separators; });
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(qApp, &change);
}

}  // namespace zelta::test
