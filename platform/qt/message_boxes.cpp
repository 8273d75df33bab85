#include "platform/qt/message_boxes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace zelta::qt {

namespace {

// The box settles its size only as it is shown; it is centred on the screen after that.
class ScreenCentredBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (const QScreen* shown = screen()) {
            move(shown->availableGeometry().center() - rect().center());
        }
    }
};

// Both boxes: one OK button that Enter (default) and Escape (escape button) also press.
void RunErrorBox(const QString& caption, const QString& text) {
    ScreenCentredBox box(QMessageBox::Critical, caption, text, QMessageBox::NoButton);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        // Long texts wrap at half the screen's width instead of widening the box past it.
        label->setWordWrap(true);
        label->setMaximumWidth(area.width() / 2);
        // A pasted field of 32 767 characters can wrap into thousands of lines: the box would outgrow the
        // screen and take its OK button off it. The text keeps to two thirds of the screen's height, and
        // when it does not fit it is shown from its start rather than from its middle.
        label->setMaximumHeight(area.height() * 2 / 3);
        if (label->heightForWidth(label->maximumWidth()) > label->maximumHeight()) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    }
    box.exec();
}

}  // namespace

void ShowInputError(const QString& text) {
    RunErrorBox(QStringLiteral("Error"), text);
}

void ShowErrorBox(const QString& caption, const QString& text) {
    RunErrorBox(caption, text);
}

}  // namespace zelta::qt
