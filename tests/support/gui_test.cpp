#include "tests/support/gui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/qt/separators_qt.h"

namespace zelta::test {

SeenBox RunAndReadBox(const std::function<void()>& action, Dismiss how) {
    SeenBox seen;
    QElapsedTimer clock;
    QElapsedTimer sinceShown;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        if (!seen.shown) {
            seen.shown = true;
            seen.msUntilShown = clock.elapsed();
            seen.caption = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons()) {
                seen.buttons << button->text();
            }
            seen.frame = box->frameGeometry();
            seen.screen = box->screen()->availableGeometry();
            QAbstractButton* ok = box->buttons().isEmpty() ? nullptr : box->buttons().first();
            if (ok) {
                seen.okButton = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
            }
            sinceShown.start();
            switch (how) {
                case Dismiss::ClickOk:
                    if (ok) {
                        QTest::mouseClick(ok, Qt::LeftButton);
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
    clock.start();
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
