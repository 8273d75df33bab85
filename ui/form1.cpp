#include "ui/form1.h"

#include <QEvent>
#include <QPushButton>
#include <QShortcut>

#include "core/core.h"
#include "platform/qt/application.h"
#include "platform/qt/separators_qt.h"
#include "platform/qt/text_qt.h"
#include "ui/app_icon.h"
#include "ui/diagrams.h"

namespace zelta::ui {

namespace {

constexpr int kBaseFontHeight = 11;     // window and page tabs
constexpr int kControlFontHeight = 16;  // every control on the pages

QStringList CountItems(TSensorKind kind) {
    QStringList items;
    for (int count = 0; count <= LargestCount(kind); ++count) {
        items << QString::number(count);
    }
    return items;
}

QStringList KindItems() {
    QStringList items;
    for (TSensorKind kind : kAllSensorKinds) {
        items << qt::ToQString(ListName(kind));
    }
    return items;
}

// The controls take the page's font, which they inherit from the moment they are made: a font set on each
// control afterwards would make every drop-down list build its popup at once, and lay each text out twice.
QWidget* NewPage() {
    auto* page = new QWidget();
    page->setFont(qt::DesignFont(kControlFontHeight));
    return page;
}

template <class Control>
Control* Place(Control* control, int left, int top) {
    control->move(left, top);
    return control;
}

template <class Control>
Control* Place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(left, top, width, height);
    return control;
}

qt::TLabel* NewLabel(const QString& caption, QWidget* page, int left, int top) {
    return Place(new qt::TLabel(caption, page), left, top);
}

QString CountLabel(TSensorKind kind) {
    return QStringLiteral("Кол-во датчиков ") + qt::ToQString(ShortName(kind));
}

}  // namespace

QFont BaseFont() {
    return qt::DesignFont(kBaseFontHeight);
}

TForm1::TForm1(QWidget* parent) : QWidget(parent), separators_(qt::ReadSystemSeparators()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZELTA-7_power"));
    setWindowIcon(AppIcon());
    setFont(BaseFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);
    // An outer 945 x 854 at (308, 116) under a frame of 8 pixels each side and a 31-pixel caption.
    move(308, 116);
    resize(929, 815);

    TabSheet = new qt::TPageControl(this);
    TabSheet->setGeometry(8, 8, 921, 801);
    v1 = NewPage();
    TabSheet2 = NewPage();
    TabSheet->addTab(v1, QStringLiteral("Вариант1"));
    TabSheet->addTab(TabSheet2, QStringLiteral("Вриант2"));
    TabSheet->setCurrentIndex(0);

    CreateStarPage();
    CreateChainPage();
    SetUpChainGrid();
    SetTabOrder();
    SetUpKeyboardAccess();
    ConnectHandlers();
    show();
}

void TForm1::CreateStarPage() {
    Image1 = new qt::TImage(StoredStarDiagram, v1);
    Image1->setGeometry(121, 48, 545, 217);
    Label1 = NewLabel(CountLabel(TSensorKind::skLir), v1, 80, 328);
    Label2 = NewLabel(CountLabel(TSensorKind::skLif), v1, 80, 368);
    Label3 = NewLabel(CountLabel(TSensorKind::skLiv), v1, 80, 408);
    Label4 = NewLabel(CountLabel(TSensorKind::skLiz), v1, 80, 448);
    ComboBox1 = Place(new qt::TComboBox(CountItems(TSensorKind::skLir), v1), 280, 328, 57, 28);
    ComboBox2 = Place(new qt::TComboBox(CountItems(TSensorKind::skLif), v1), 281, 368, 57, 28);
    ComboBox3 = Place(new qt::TComboBox(CountItems(TSensorKind::skLiv), v1), 281, 408, 57, 28);
    ComboBox4 = Place(new qt::TComboBox(CountItems(TSensorKind::skLiz), v1), 281, 448, 57, 28);
    Label5 = NewLabel(QStringLiteral("Сопротивление кабеля"), v1, 80, 488);
    Edit1 = Place(new qt::TEdit(QStringLiteral("10"), v1), 281, 488, 57, 28);
    Label6 = NewLabel(QStringLiteral("Ом/км"), v1, 352, 488);
    Button1 = Place(new QPushButton(QStringLiteral("Рассчитать"), v1), 448, 480, 121, 41);
    Label7 = NewLabel(QString(), v1, 80, 544);

    Label1->setBuddy(ComboBox1);
    Label2->setBuddy(ComboBox2);
    Label3->setBuddy(ComboBox3);
    Label4->setBuddy(ComboBox4);
    Label5->setBuddy(Edit1);
}

void TForm1::CreateChainPage() {
    Image2 = new qt::TImage(StoredChainDiagram, TabSheet2);
    Image2->setGeometry(121, 48, 545, 217);
    Label8 = NewLabel(QStringLiteral("L1="), TabSheet2, 88, 336);
    Edit2 = Place(new qt::TEdit(QString(), TabSheet2), 128, 336, 57, 28);
    Label9 = NewLabel(QStringLiteral(", м"), TabSheet2, 192, 336);
    ComboBox5 = Place(new qt::TComboBox(KindItems(), TabSheet2), 240, 336, 105, 28);
    Button2 = Place(new QPushButton(QStringLiteral("Добавить"), TabSheet2), 384, 336, 97, 33);
    StringGrid1 = Place(new qt::TStringGrid(3, 4, TabSheet2), 104, 392);
    Button3 = Place(new QPushButton(QStringLiteral("Удалить"), TabSheet2), 384, 400, 97, 33);
    Label10 = NewLabel(QStringLiteral("Сопротивление кабеля"), TabSheet2, 64, 552);
    Edit4 = Place(new qt::TEdit(QStringLiteral("10"), TabSheet2), 256, 552, 49, 28);
    Label11 = NewLabel(QStringLiteral(", Ом/км"), TabSheet2, 312, 552);
    Button4 = Place(new QPushButton(QStringLiteral("Расcчитать"), TabSheet2), 384, 544, 97, 33);
    Label12 = NewLabel(QString(), TabSheet2, 64, 592);

    Label8->setBuddy(Edit2);
    Label10->setBuddy(Edit4);
    StringGrid1->SetDefaultRowHeight(25);
}

// What the window does once its controls exist, in this order.
void TForm1::SetUpChainGrid() {
    N = 0;
    StringGrid1->SetCell(0, 0, QStringLiteral("№"));
    StringGrid1->SetCell(1, 0, QStringLiteral("Длина"));
    StringGrid1->SetCell(2, 0, QStringLiteral("Тип датчика"));
    StringGrid1->SetColWidth(0, 30);
    StringGrid1->SetColWidth(1, 85);
    StringGrid1->SetColWidth(2, 125);
    for (int row = 0; row <= 3; ++row) {
        StringGrid1->SetRowHeight(row, 25);
    }
    // The width covers the columns alone, not the frame or a scroll bar, so the third column is cut off.
    int width = 0;
    for (int column = 0; column < 3; ++column) {
        width += StringGrid1->ColWidth(column);
    }
    int height = 8;
    for (int row = 0; row <= 3; ++row) {
        height += StringGrid1->RowHeight(row);
    }
    StringGrid1->resize(width, height);
}

void TForm1::SetTabOrder() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{Image1, Image2, Label1, Label2, Label3, Label4, Label5, Label6,
                                         Label7, Label8, Label9, Label10, Label11, Label12}) {
        control->setFocusPolicy(Qt::NoFocus);
    }
    // The kind chooser takes the focus by mouse only: Tab goes from the length field straight to "Добавить".
    ComboBox5->setFocusPolicy(Qt::ClickFocus);

    QWidget::setTabOrder(ComboBox1, ComboBox2);
    QWidget::setTabOrder(ComboBox2, ComboBox3);
    QWidget::setTabOrder(ComboBox3, ComboBox4);
    QWidget::setTabOrder(ComboBox4, Edit1);
    QWidget::setTabOrder(Edit1, Button1);

    QWidget::setTabOrder(Edit2, ComboBox5);
    QWidget::setTabOrder(ComboBox5, Button2);
    QWidget::setTabOrder(Button2, StringGrid1);
    QWidget::setTabOrder(StringGrid1, Button3);
    QWidget::setTabOrder(Button3, Edit4);
    QWidget::setTabOrder(Edit4, Button4);
}

// What the keyboard alone needs beyond the Tab order. Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever
// the focus is: left to the page control, the chord would be taken as a key by the typing fields and the
// drop-down lists. The kind chooser is passed by Tab, so Alt+Down in the length field, the key that opens a
// drop-down list, moves onto the chooser beside it. And as the chooser has no label of its own, a screen
// reader describes it by the grid column it fills.
void TForm1::SetUpKeyboardAccess() {
    const auto turnPage = [this](int step) {
        const int pages = TabSheet->count();
        TabSheet->setCurrentIndex((TabSheet->currentIndex() + step + pages) % pages);
    };
    auto* nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextPage, &QShortcut::activated, this, [turnPage] { turnPage(1); });
    auto* previousPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previousPage, &QShortcut::activated, this, [turnPage] { turnPage(-1); });

    auto* toKinds = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), Edit2);
    toKinds->setContext(Qt::WidgetShortcut);
    connect(toKinds, &QShortcut::activated, this, [this] { ComboBox5->setFocus(Qt::ShortcutFocusReason); });
    ComboBox5->setAccessibleDescription(StringGrid1->Cell(2, 0));
}

// Every signal reaches its handler here, each through the guard that hands its errors to the error display.
void TForm1::ConnectHandlers() {
    ComboBox1->OnChange = [this] { qt::Guarded([this] { ComboBox1Change(); }); };
    ComboBox2->OnChange = [this] { qt::Guarded([this] { ComboBox2Change(); }); };
    ComboBox3->OnChange = [this] { qt::Guarded([this] { ComboBox3Change(); }); };
    ComboBox4->OnChange = [this] { qt::Guarded([this] { ComboBox4Change(); }); };
    Edit1->OnKeyPress = [this](QChar& key) { qt::Guarded([&] { Edit1KeyPress(key); }); };
    Edit2->OnKeyPress = [this](QChar& key) { qt::Guarded([&] { Edit2KeyPress(key); }); };
    Edit4->OnKeyPress = [this](QChar& key) { qt::Guarded([&] { Edit4KeyPress(key); }); };
    connect(Button1, &QPushButton::clicked, this, [this] { qt::Guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { qt::Guarded([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { qt::Guarded([this] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { qt::Guarded([this] { Button4Click(); }); });
}

// The system announces a change of the regional settings: typing, conversion and formatting follow at once.
void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        qt::Guarded([this] { separators_ = qt::ReadSystemSeparators(); });
    }
    QWidget::changeEvent(event);
}

}  // namespace zelta::ui
