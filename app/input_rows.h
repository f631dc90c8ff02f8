#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "app/column_header.h"
#include "app/input_box.h"
#include "app/twip_scale.h"
#include "core/box_texts.h"

namespace draftcalc::app {

// The three input rows of eight boxes under their column captions, each box
// named as the CSV columns and calc words name it ("x1" .. "s3"). What the
// user types is handed on box by box; texts the program sets are not.
// Enter in any box asks for a calculation. Ctrl+Z and Ctrl+Shift+Z (Ctrl+Y)
// in a box undo and redo its own typing while it has some, and otherwise
// ask the window (the program's edits of the rows).
class InputRows final : public QObject {
 public:
  struct Handlers {
    std::function<void(size_t box, const QString& text)> typed;
    std::function<void()> enter;
    std::function<bool()> undo, redo;  // whether there was something to undo or redo
  };

  InputRows(QWidget* window, const TwipScale& scale, Handlers handlers);

  InputBox* Box(size_t index) const { return boxes_[index]; }
  InputBox* First() const { return boxes_.front(); }
  // Row by row, in column order.
  const std::array<InputBox*, kBoxCount>& Boxes() const { return boxes_; }
  BoxTexts Texts() const;
  // Sets the boxes' texts without handing them on as typed.
  void Show(const BoxTexts& texts);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<InputBox*, kBoxCount> boxes_{};
  ColumnHeader* header_ = nullptr;
  Handlers handlers_;
  bool showing_ = false;
};

}  // namespace draftcalc::app
