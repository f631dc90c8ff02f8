#include "app/translated_texts.h"

#include <QVariant>

#include "app/language.h"

namespace draftcalc::app {

void TranslatedTexts::Set(QObject* target, const char* property, const char* source) {
  entries_.push_back({target, property, source});
  Apply(entries_.back());
}

void TranslatedTexts::Retranslate() const {
  for (const Entry& entry : entries_) Apply(entry);
}

void TranslatedTexts::Apply(const Entry& entry) {
  if (entry.target) entry.target->setProperty(entry.property, Translated(entry.source));
}

}  // namespace draftcalc::app
