#pragma once
// The pages' own texts and the refusal colour.

#include <QColor>
#include <QString>

namespace zelta::ui {

inline const QString kInputErrorText = QStringLiteral("Ошибка ввода данных");
inline const QColor kRefusalColor = QColor(255, 0, 0);

inline const QString kPowerExceededText = QStringLiteral(
    "Допустимая мощность превышена! Уменьшите количество датчиков или увеличьте сечение кабеля");
inline const QString kLengthPrefix = QStringLiteral("Максимальная длина кабеля (Lmax) составит  ");
inline const QString kLengthSuffix = QStringLiteral(" м");

inline const QString kChainRefusedText =
    QStringLiteral("Недопустимый вариант подключения! Уменьшите длину кабеля или увеличьте его сечение.");
inline const QString kChainAcceptedText = QStringLiteral("Данный вариант подключения допустим");

}  // namespace zelta::ui
