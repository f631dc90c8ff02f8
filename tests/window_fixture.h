#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QString>
#include <QTest>
#include <functional>
#include <string>
#include <string_view>

#include "app/form_miret.h"
#include "app/window_parts.h"
#include "core/calc_state.h"
#include "examples/catalogue_examples.h"

namespace draftcalc::app {

inline std::string Str(const QString& text) { return text.toStdString(); }

inline QString QStr(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline ResultCaptions Shown(const Form_miret& form) { return form.Answers().Shown(); }

inline void TypeRows(Form_miret& form, const examples::CatalogueEntry& entry) {
  for (int row = 0; row < kRowCount; ++row) {
    const auto boxes = RowBoxes(form, row);
    for (int column = 0; column < kColumnCount; ++column) {
      boxes[static_cast<size_t>(column)]->setText(
          QStr(entry.rows[static_cast<size_t>(row)][static_cast<size_t>(column)]));
    }
  }
}

// How many pixels of the picture area satisfy `colour`.
inline int CountPixels(const QImage& picture, const std::function<bool(const QColor&)>& colour) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += colour(picture.pixelColor(x, y)) ? 1 : 0;
  }
  return count;
}

// The window shown on the offscreen platform, fresh for every test.
class Window : public testing::Test {
 protected:
  void SetUp() override {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  Form_miret form;
};

}  // namespace draftcalc::app
