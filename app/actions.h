#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QWidget>

namespace draftcalc::app {

// An action of the window: named (the tests find it by name), with its
// keys, and added to the window so that they work wherever the focus is.
inline QAction* NewAction(QWidget* window, const char* name, const QString& text,
                          const QList<QKeySequence>& keys = {}) {
  auto* action = new QAction(text, window);
  action->setObjectName(name);
  action->setShortcuts(keys);
  window->addAction(action);
  return action;
}

}  // namespace draftcalc::app
