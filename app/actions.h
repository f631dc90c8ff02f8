#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QWidget>

#include "app/translated_texts.h"

namespace draftcalc::app {

// An action of the window: named (the tests find it by name), its text in
// the window's language from `source` (marked QT_TRANSLATE_NOOP("draftcalc",
// ...)), with its keys, and added to the window so that they work wherever
// the focus is.
inline QAction* NewAction(QWidget* window, TranslatedTexts& texts, const char* name, const char* source,
                          const QList<QKeySequence>& keys = {}) {
  auto* action = new QAction(window);
  texts.Set(action, "text", source);
  action->setObjectName(name);
  action->setShortcuts(keys);
  window->addAction(action);
  return action;
}

}  // namespace draftcalc::app
