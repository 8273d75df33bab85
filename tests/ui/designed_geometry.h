#pragma once
// Where the window's fixed-size controls were designed to stand, in pixels at 96 dpi, on their pages.

#include <QRect>
#include <QWidget>
#include <utility>
#include <vector>

#include "ui/form1.h"

namespace zelta::test {

inline std::vector<std::pair<const QWidget*, QRect>> DesignedGeometry(const ui::TForm1& form) {
    return {
        {form.Image1, {121, 48, 545, 217}},       {form.ComboBox1, {280, 328, 57, 28}},
        {form.ComboBox2, {281, 368, 57, 28}},     {form.ComboBox3, {281, 408, 57, 28}},
        {form.ComboBox4, {281, 448, 57, 28}},     {form.Edit1, {281, 488, 57, 28}},
        {form.Button1, {448, 480, 121, 41}},      {form.Image2, {121, 48, 545, 217}},
        {form.Edit2, {128, 336, 57, 28}},         {form.ComboBox5, {240, 336, 105, 28}},
        {form.Button2, {384, 336, 97, 33}},       {form.Button3, {384, 400, 97, 33}},
        {form.Edit4, {256, 552, 49, 28}},         {form.Button4, {384, 544, 97, 33}},
        {form.StringGrid1, {104, 392, 240, 108}},
    };
}

}  // namespace zelta::test
