#pragma once
// The calculator's one window: the star page (v1) and the chain page (TabSheet2).

#include <QWidget>

#include "platform/number_text.h"
#include "platform/qt/widgets.h"

class QPushButton;

namespace zelta::ui {

// The window's base font, in which its page tabs are written. The program makes it the application's font
// before the window is built, so that its error boxes speak in the window's face, and no edit field lays out
// its first, empty line in a desktop face the window never shows.
QFont BaseFont();

class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The page control and its pages.
    qt::TPageControl* TabSheet;
    QWidget* v1;
    QWidget* TabSheet2;

    // Star page.
    qt::TImage* Image1;
    qt::TLabel* Label1;
    qt::TLabel* Label2;
    qt::TLabel* Label3;
    qt::TLabel* Label4;
    qt::TComboBox* ComboBox1;
    qt::TComboBox* ComboBox2;
    qt::TComboBox* ComboBox3;
    qt::TComboBox* ComboBox4;
    qt::TLabel* Label5;
    qt::TEdit* Edit1;
    qt::TLabel* Label6;
    QPushButton* Button1;
    qt::TLabel* Label7;

    // Chain page.
    qt::TImage* Image2;
    qt::TLabel* Label8;
    qt::TEdit* Edit2;
    qt::TLabel* Label9;
    qt::TComboBox* ComboBox5;
    QPushButton* Button2;
    qt::TStringGrid* StringGrid1;
    QPushButton* Button3;
    qt::TLabel* Label10;
    qt::TEdit* Edit4;
    qt::TLabel* Label11;
    QPushButton* Button4;
    qt::TLabel* Label12;

    // The chain page's row count: rows 1 to N of StringGrid1 are the listed segments.
    int N = 0;

    // The separators typing, conversion and formatting use now.
    const NumberSeparators& Separators() const { return separators_; }

    // Star page handlers.
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void Edit1KeyPress(QChar& key);
    void Button1Click();

    // Chain page handlers.
    void Edit2KeyPress(QChar& key);
    void Edit4KeyPress(QChar& key);
    void Button2Click();
    void Button3Click();
    void Button4Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateStarPage();
    void CreateChainPage();
    void SetUpChainGrid();
    void SetTabOrder();
    void SetUpKeyboardAccess();
    void ConnectHandlers();

    // The kind exclusivity rule: a non-zero count of the fourth kind clears the other three, and back.
    void ClearLizCountIfCounted(const qt::TComboBox* own);

    NumberSeparators separators_;
};

}  // namespace zelta::ui
