#include "app/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "app/settings.h"

namespace draftcalc::app {
namespace {

const QString kLanguageKey = QStringLiteral("ui/language");

struct Installed {
  std::unique_ptr<QTranslator> translator;
  Language language = Language::kEnglish;
};
Installed& TheInstalled() {
  static Installed installed;
  return installed;
}

}  // namespace

std::optional<Language> LanguageOfCode(const QString& code) {
  if (code == "en") return Language::kEnglish;
  if (code == "ja") return Language::kJapanese;
  return std::nullopt;
}

QString CodeOf(Language language) { return language == Language::kJapanese ? "ja" : "en"; }

Language LanguageOfLocale(const QString& localeName) {
  return localeName.startsWith("ja") ? Language::kJapanese : Language::kEnglish;
}

Language StartingLanguage(std::optional<Language> asked) {
  if (asked) return *asked;
  if (const auto kept = LanguageOfCode(ReadText(kLanguageKey))) return *kept;
  return LanguageOfLocale(QLocale::system().name());
}

void UseLanguage(Language language, bool keep) {
  Installed& installed = TheInstalled();
  auto translator = std::make_unique<QTranslator>();
  // The translations are built into the program (see app/CMakeLists.txt).
  if (translator->load(":/i18n/draftcalc_" + CodeOf(language) + ".qm")) {
    if (installed.translator) QCoreApplication::removeTranslator(installed.translator.get());
    QCoreApplication::installTranslator(translator.get());
    installed.translator = std::move(translator);
  }
  installed.language = language;
  // Qt posts the change to every widget; delivered now, the whole window
  // speaks the new language before anything else happens.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  if (keep) WriteText(kLanguageKey, CodeOf(language));
}

Language CurrentLanguage() { return TheInstalled().language; }

QString Translated(const char* source) { return QCoreApplication::translate("draftcalc", source); }

}  // namespace draftcalc::app
