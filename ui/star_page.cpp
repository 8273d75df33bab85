// The star page: every sensor on the far end of one cable; the page finds the longest admissible cable.

#include <QString>
#include <array>

#include "core/arithmetic.h"
#include "core/core.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/text_qt.h"
#include "ui/form1.h"
#include "ui/key_filters.h"
#include "ui/page_texts.h"

namespace zelta::ui {

namespace {

// A count selector's text counts as non-zero when it compares above "0": every item but "0".
bool IsNonZero(const qt::TComboBox* selector) {
    return QString::compare(selector->Text(), QStringLiteral("0")) > 0;
}

}  // namespace

void TForm1::ComboBox1Change() {
    ClearLizCountIfCounted(ComboBox1);
}
void TForm1::ComboBox2Change() {
    ClearLizCountIfCounted(ComboBox2);
}
void TForm1::ComboBox3Change() {
    ClearLizCountIfCounted(ComboBox3);
}

// ЛИЗ sensors are never counted together with the other three kinds.
void TForm1::ComboBox4Change() {
    if (IsNonZero(ComboBox4)) {
        ComboBox1->SetItemIndex(0);
        ComboBox2->SetItemIndex(0);
        ComboBox3->SetItemIndex(0);
    }
}

void TForm1::ClearLizCountIfCounted(const qt::TComboBox* own) {
    if (IsNonZero(own)) {
        ComboBox4->SetItemIndex(0);
    }
}

void TForm1::Edit1KeyPress(QChar& key) {
    if (!ResistanceKeyAccepted(key)) {
        key = QChar();
    }
}

void TForm1::Button1Click() {
    const std::string& decimal = separators_.decimal;
    StarInput input{};
    const std::array<const qt::TComboBox*, 4> selectors = {ComboBox1, ComboBox2, ComboBox3, ComboBox4};
    for (std::size_t kind = 0; kind < selectors.size(); ++kind) {
        input.counts[kind] =
            detail::StoreFloat(TextToFloat(qt::ToStdString(selectors[kind]->Text()), decimal));
    }
    // Converted before the empty-selection test: an empty field reports its conversion error first.
    input.resistance = TextToFloat(qt::ToStdString(Edit1->Text()), decimal);

    const StarResult result = CalculateStar(input);
    switch (result.verdict) {
        case TStarVerdict::srNoSensors:
            qt::ShowInputError(kInputErrorText);
            break;
        case TStarVerdict::srPowerExceeded:
            Label7->SetFontColor(kRefusalColor);
            Label7->SetCaption(kPowerExceededText);
            break;
        case TStarVerdict::srLengthFound:
            Label7->SetFontColor(qt::WindowTextColor());
            Label7->SetCaption(kLengthPrefix + qt::ToQString(FormatLength(result.length, separators_)) +
                               kLengthSuffix);
            break;
    }
}

}  // namespace zelta::ui
