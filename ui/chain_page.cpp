// The chain page: sensors strung one after another, each on its own segment; the page says whether the unit
// can feed the chain.

#include <QString>
#include <array>
#include <optional>

#include "core/core.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/text_qt.h"
#include "ui/form1.h"
#include "ui/key_filters.h"
#include "ui/page_texts.h"

namespace zelta::ui {

namespace {

// The name of the segment the next row will describe.
QString SegmentName(int segment) {
    return QStringLiteral("L%1=").arg(segment);
}

// The chain's inputs as the page holds them, converted with the separators of the moment: the first text
// that fails, in the order the calculation asks, is the one reported.
//
// Each text is converted once, when it is first asked for, and the value given again in later passes. The
// calculation runs to its end before the next event is handled, so neither the texts nor the separators can
// change meanwhile and every pass sees what a fresh conversion would give; but a length pasted at the field's
// full 32 767 characters would otherwise be read again in each of up to 2 401 passes for each of 100 rows,
// freezing the window for half a minute.
class PageChainSource final : public ChainSource {
public:
    explicit PageChainSource(const TForm1& form) : form_(form) {}

    long double Resistance() override {
        if (!resistance_) {
            resistance_ = Convert(form_.Edit4->Text());
        }
        return *resistance_;
    }
    long double Length(int row) override {
        std::optional<long double>& length = lengths_.at(static_cast<std::size_t>(row));
        if (!length) {
            length = Convert(form_.StringGrid1->Cell(1, row));
        }
        return *length;
    }
    TSensorKind Kind(int row) override {
        const std::string name = qt::ToStdString(form_.StringGrid1->Cell(2, row));
        if (const auto kind = SensorKindByListName(name)) {
            return *kind;
        }
        // Rows are only written from the pick-only kind chooser; a foreign name means the list was damaged.
        throw Exception("'" + name + "' is not a sensor kind");
    }

private:
    long double Convert(const QString& text) const {
        return TextToFloat(qt::ToStdString(text), form_.Separators().decimal);
    }

    const TForm1& form_;
    std::optional<long double> resistance_;
    std::array<std::optional<long double>, MaxChainRows + 1> lengths_{};  // by row, 1 to MaxChainRows
};

}  // namespace

void TForm1::Edit2KeyPress(QChar& key) {
    const QString decimal = qt::ToQString(separators_.decimal);
    if (!LengthKeyAccepted(key, Edit2->Text(), decimal.isEmpty() ? QChar() : decimal.at(0))) {
        key = QChar();
    }
}

void TForm1::Edit4KeyPress(QChar& key) {
    if (!ResistanceKeyAccepted(key)) {
        key = QChar();
    }
}

// Add: the length text as typed (not converted) and the chosen kind become row N + 1.
void TForm1::Button2Click() {
    if (Edit2->Text().isEmpty() || N >= MaxChainRows) {
        qt::ShowInputError(kInputErrorText);
        return;
    }
    N = N + 1;
    Label8->SetCaption(SegmentName(N + 1));
    if (N > 3) {
        StringGrid1->SetRowCount(N + 1);
    }
    StringGrid1->SetCell(0, N, QString::number(N));
    StringGrid1->SetCell(1, N, Edit2->Text());
    StringGrid1->SetCell(2, N, ComboBox5->Text());
    StringGrid1->SetRow(N);
}

// Remove: always the last row, whichever is selected; the grid keeps its three body rows.
void TForm1::Button3Click() {
    if (N < 1) {
        return;
    }
    N = N - 1;
    if (N > 2) {
        StringGrid1->SetRowCount(N + 1);
    } else {
        for (int column = 0; column < 3; ++column) {
            StringGrid1->SetCell(column, N + 1, QString());
        }
    }
    if (N > 0) {
        StringGrid1->SetRow(N);
    }
    Label8->SetCaption(SegmentName(N + 1));
}

void TForm1::Button4Click() {
    if (N <= 0) {
        qt::ShowInputError(kInputErrorText);
        return;
    }
    PageChainSource source(*this);
    const ChainResult result = CalculateChain(N, source);
    if (result.verdict == TChainVerdict::crNotAcceptable) {
        Label12->SetFontColor(kRefusalColor);
        Label12->SetCaption(kChainRefusedText);
    } else {
        Label12->SetFontColor(qt::WindowTextColor());
        Label12->SetCaption(kChainAcceptedText);
    }
}

}  // namespace zelta::ui
