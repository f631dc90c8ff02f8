#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QObject>
#include <QWidget>

namespace draftcalc::app {

// Lets a window-wide shortcut reach the window while a widget that binds the
// same keys has the focus: on X11 a line edit takes Ctrl+E for "end of line",
// and without this Ctrl+E would export only from outside the input boxes.
class ShortcutPriority final : public QObject {
 public:
  ShortcutPriority(QObject* parent, const QKeySequence& keys) : QObject(parent), keys_(keys) {}

  void Watch(QWidget* widget) { widget->installEventFilter(this); }

 protected:
  // The widget is asked whether it overrides the shortcut before the window
  // runs it; answered here with no, it never sees the keys.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    if (QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) != keys_) return false;
    event->ignore();
    return true;
  }

 private:
  QKeySequence keys_;
};

}  // namespace draftcalc::app
