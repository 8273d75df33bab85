#pragma once
// The controls the window is built from, each a Qt widget given the behaviour the window relies on.

#include <QChar>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

namespace zelta::qt {

// The font the window was designed with ("MS Sans Serif"), at a character height in pixels (96 dpi), in the
// installed family that stands in for it and has the Cyrillic glyphs.
QFont DesignFont(int pixelHeight);

// The system's colour for text in windows.
QColor WindowTextColor();

// A label that sizes itself to its text and carries a font colour.
class TLabel : public QLabel {
public:
    TLabel(const QString& caption, QWidget* parent);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    QColor FontColor() const;
    void SetFontColor(const QColor& color);
};

// A picture control: shows its bitmap unscaled from the top-left corner, clipped to the control. The bitmap
// is drawn when it is first needed, so a page that is never shown costs nothing, and kept as it was drawn
// (a monochrome bitmap stays one bit a pixel).
class TImage : public QWidget {
public:
    TImage(std::function<QImage()> draw, QWidget* parent);
    const QImage& Picture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QImage()> draw_;
    QImage picture_;
};

// A page control. Its pane is painted as the style paints it, but in bands of rows: in one piece, the
// pane's long vertical edges reach the raster engine as hundreds of spans, which it hands out to worker
// threads, and starting and waiting for those took longer than painting the rest of the window.
class TPageControl : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A pick-only drop-down list: its text is always one of its items. Only the user's changes are reported,
// through OnChange, after the list already shows the new item; selections made by the program are silent.
class TComboBox : public QComboBox {
public:
    TComboBox(const QStringList& items, QWidget* parent);
    QString Text() const { return currentText(); }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    std::function<void()> OnChange;

    void showPopup() override;

private:
    bool itemHeightSet_ = false;
};

// A single-line edit field whose typed characters pass through OnKeyPress first, which may discard one by
// setting it to the null character. Only typed characters are offered: keys that type nothing (arrows,
// Delete, Home, the Insert-based clipboard keys) and text arriving any other way (the context menu, drag and
// drop) are not. A Ctrl+letter chord counts as its control character, as a terminal would type it.
class TEdit : public QLineEdit {
public:
    TEdit(const QString& text, QWidget* parent);
    QString Text() const { return text(); }
    std::function<void(QChar& key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A text grid with one fixed header row: rows are numbered from 0 (the header) to RowCount() - 1, as cells
// are addressed (column, row). The current row is always a body row.
class TStringGrid : public QTableWidget {
public:
    TStringGrid(int columns, int rows, QWidget* parent);

    int RowCount() const { return rowCount() + 1; }
    void SetRowCount(int rows);
    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    int ColWidth(int column) const;
    void SetColWidth(int column, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);
    // The height rows get when they are added.
    void SetDefaultRowHeight(int height);
    // The current row (1 or more). Setting the row already current changes nothing; another row becomes
    // current and is scrolled into view by the least amount.
    int Row() const { return currentRow() + 1; }
    void SetRow(int row);

protected:
    void changeEvent(QEvent* event) override;
};

}  // namespace zelta::qt
