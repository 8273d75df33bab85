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
#include <QStyledItemDelegate>
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
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, Picture());
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
