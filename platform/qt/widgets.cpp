#include "platform/qt/widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionTabWidgetFrame>
#include <QStyledItemDelegate>
#include <QtMath>
#include <utility>

namespace zelta::qt {

namespace {

constexpr int kListItemHeight = 20;

// Every row of a drop-down list is exactly as high as the window was designed with.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(kListItemHeight);
        return size;
    }
};

// The grid's header row. Qt measures header sections in bold, for the highlighted section; this header
// never highlights, so it is measured as it is drawn, in its own font, and no bold face is loaded for it.
class GridHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
        option.fontMetrics = fontMetrics();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

bool IsMonochrome(const QImage& image) {
    return (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) &&
           image.colorCount() == 2;
}

// One row of a one-bit picture, whole bytes from firstByte to lastByte, as 32-bit pixels.
template <bool MostSignificantFirst>
void ExpandRow(const uchar* bits, int firstByte, int lastByte, const QRgb (&colours)[2], QRgb* out) {
    for (int byte = firstByte; byte <= lastByte; ++byte, out += 8) {
        const unsigned value = bits[byte];
        for (int bit = 0; bit < 8; ++bit) {
            out[bit] = colours[(value >> (MostSignificantFirst ? 7 - bit : bit)) & 1];
        }
    }
}

// Paints the part of a one-bit picture inside area, one 32-bit pixel per bit, a band of rows at a time. The
// painter would convert the whole bitmap on every paint through its generic path, into a fresh buffer as
// large as the picture; a two-colour lookup into one small band is far cheaper.
void PaintMonochrome(QPainter& painter, const QImage& picture, const QRect& area) {
    constexpr int kBandRows = 16;
    const QRgb colours[2] = {qPremultiply(picture.color(0)), qPremultiply(picture.color(1))};
    const bool opaque = qAlpha(colours[0]) == 255 && qAlpha(colours[1]) == 255;
    const int firstByte = area.left() / 8;
    const int lastByte = area.right() / 8;
    const int skipped = area.left() - firstByte * 8;  // pixels of the first byte left of the area
    QImage band((lastByte - firstByte + 1) * 8, qMin(kBandRows, area.height()),
                opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    for (int top = area.top(); top <= area.bottom(); top += band.height()) {
        const int rows = qMin(band.height(), area.bottom() + 1 - top);
        for (int row = 0; row < rows; ++row) {
            auto* out = reinterpret_cast<QRgb*>(band.scanLine(row));
            if (picture.format() == QImage::Format_Mono) {
                ExpandRow<true>(picture.constScanLine(top + row), firstByte, lastByte, colours, out);
            } else {
                ExpandRow<false>(picture.constScanLine(top + row), firstByte, lastByte, colours, out);
            }
        }
        painter.drawImage(QPoint(area.left(), top), band, QRect(skipped, 0, area.width(), rows));
    }
}

// The character a key press types, or null when it types none.
QChar TypedCharacter(const QKeyEvent& event) {
    const auto modifiers = event.modifiers();
    const int key = event.key();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z) {
        return QChar(static_cast<char16_t>(key - Qt::Key_A + 1));
    }
    const QString text = event.text();
    if (text.isEmpty() || key == Qt::Key_Delete || text.at(0) == QChar(0x7F)) {
        return QChar();
    }
    return text.at(0);
}

}  // namespace

QFont DesignFont(int pixelHeight) {
    // The designed family is not installed on this platform; the font names its stand-in directly, so
    // that the font system never searches for the missing family (a search that costs more than drawing
    // the whole window). Liberation Sans is close to the designed family's widths, so the longest result
    // line still fits the page; where it is missing, the font system falls back to its sans-serif face.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelHeight);
    return font;
}

QColor WindowTextColor() {
    return QApplication::palette().color(QPalette::WindowText);
}

TLabel::TLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    SetCaption(caption);
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    adjustSize();
}

QColor TLabel::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TLabel::SetFontColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

TImage::TImage(std::function<QImage()> draw, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage& TImage::Picture() {
    if (picture_.isNull() && draw_) {
        picture_ = draw_();
    }
    return picture_;
}

void TImage::paintEvent(QPaintEvent* event) {
    const QImage& picture = Picture();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const QRect area = event->rect() & picture.rect();
    if (IsMonochrome(picture) && !area.isEmpty()) {
        PaintMonochrome(painter, picture, area);
    } else {
        painter.drawImage(0, 0, picture);
    }
}

void TPageControl::paintEvent(QPaintEvent* event) {
    if (documentMode()) {
        QTabWidget::paintEvent(event);
        return;
    }
    // A band's two vertical edges stay under the 96 device rows of spans from which the engine shares a
    // blend out.
    const int bandRows = qMax(1, qFloor(40 / devicePixelRatioF()));
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    QPainter painter(this);
    const QRect dirty = event->rect() & option.rect;
    for (int top = dirty.top(); top <= dirty.bottom(); top += bandRows) {
        painter.setClipRegion(event->region() & QRect(dirty.left(), top, dirty.width(), bandRows));
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }
}

TComboBox::TComboBox(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    addItems(items);
    setCurrentIndex(0);
    // activated is the user's change only (mouse, arrow keys, typing an item's first characters).
    connect(this, &QComboBox::activated, this, [this](int) {
        if (OnChange) {
            OnChange();
        }
    });
}

// The list's popup is made only when it is first opened: five lists need not build theirs at start-up.
void TComboBox::showPopup() {
    if (!itemHeightSet_) {
        view()->setItemDelegate(new FixedHeightDelegate(view()));
        itemHeightSet_ = true;
    }
    QComboBox::showPopup();
}

TEdit::TEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    // Composed input would bypass the key filter; every character must arrive as a key press.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    QChar key = TypedCharacter(*event);
    if (key.isNull() || !OnKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    OnKeyPress(key);
    if (key.isNull()) {
        event->accept();  // discarded: the field never sees it
        return;
    }
    QLineEdit::keyPressEvent(event);
}

TStringGrid::TStringGrid(int columns, int rows, QWidget* parent) : QTableWidget(parent) {
    setHorizontalHeader(new GridHeader(Qt::Horizontal, this));  // before there is a column to measure
    setColumnCount(columns);
    setRowCount(rows - 1);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsClickable(false);
    for (int column = 0; column < columns; ++column) {
        setHorizontalHeaderItem(column, new QTableWidgetItem());
    }
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    if (rowCount() > 0) {
        setCurrentCell(0, 0);
    }
}

void TStringGrid::changeEvent(QEvent* event) {
    // The header row is a row of the grid: it is written in the grid's own font.
    if (event->type() == QEvent::FontChange) {
        horizontalHeader()->setFont(font());
    }
    QTableWidget::changeEvent(event);
}

void TStringGrid::SetRowCount(int rows) {
    setRowCount(rows > 1 ? rows - 1 : 0);
}

QString TStringGrid::Cell(int column, int row) const {
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell ? cell->text() : QString();
}

void TStringGrid::SetCell(int column, int row, const QString& text) {
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
        return;
    }
    if (QTableWidgetItem* cell = item(row - 1, column)) {
        cell->setText(text);
    } else {
        setItem(row - 1, column, new QTableWidgetItem(text));
    }
}

int TStringGrid::ColWidth(int column) const {
    return columnWidth(column);
}

void TStringGrid::SetColWidth(int column, int width) {
    setColumnWidth(column, width);
}

int TStringGrid::RowHeight(int row) const {
    return row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
}

void TStringGrid::SetRowHeight(int row, int height) {
    if (row == 0) {
        horizontalHeader()->setFixedHeight(height);
        return;
    }
    setRowHeight(row - 1, height);
}

void TStringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

void TStringGrid::SetRow(int row) {
    if (row == Row()) {
        return;
    }
    setCurrentCell(row - 1, qMax(currentColumn(), 0));
}

}  // namespace zelta::qt
