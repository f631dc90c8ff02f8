#pragma once

#include <QString>

#include "app/translated_texts.h"
#include "session/session.h"

namespace draftcalc::app {

// What the window's features (the candidates, the history, files of rows,
// the picture) ask of the window: its one session, and to show what an
// action of the session changed. They talk to the session and to this,
// never to each other's widgets.
class WindowCore {
 public:
  virtual ~WindowCore() = default;

  virtual session::Session& TheSession() = 0;
  const session::Session& TheSession() const { return const_cast<WindowCore*>(this)->TheSession(); }
  // Shows what a change of the session did: the rows, the results and their
  // freshness, the candidates, the view and the picture; a calculation goes
  // into the history too.
  virtual void Show(session::Session::Change change) = 0;
  // A notice along the foot of the picture, for a while.
  virtual void Notice(const QString& text) = 0;
  // The window's texts that follow its language.
  virtual TranslatedTexts& Texts() = 0;
};

}  // namespace draftcalc::app
