#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

// Window texts that follow the language: each is set from its source text
// (marked with QT_TRANSLATE_NOOP("draftcalc", ...) where it is written, so
// that lupdate finds it) and set again whenever the language changes.

namespace draftcalc::app {

class TranslatedTexts {
 public:
  // Sets `property` ("text", "toolTip", "windowTitle", "placeholderText") of
  // `target` to the source text in the current language, now and after
  // every Retranslate. A target deleted meanwhile is left out.
  void Set(QObject* target, const char* property, const char* source);
  // Sets every text again in the language now installed.
  void Retranslate() const;

 private:
  struct Entry {
    QPointer<QObject> target;
    const char* property;
    const char* source;
  };
  static void Apply(const Entry& entry);
  std::vector<Entry> entries_;
};

}  // namespace draftcalc::app
