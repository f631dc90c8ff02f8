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

QString CodeText(Language language) { return QString::fromUtf8(i18n::CodeOf(language)); }

}  // namespace

std::optional<Language> LanguageOfCode(const QString& code) { return i18n::LanguageOfCode(code.toStdString()); }

Language StartingLanguage(std::optional<Language> asked) {
  if (asked) return *asked;
  if (const auto kept = LanguageOfCode(ReadText(kLanguageKey))) return *kept;
  return i18n::LanguageOfLocale(QLocale::system().name().toStdString());
}

void UseLanguage(Language language, bool keep) {
  Installed& installed = TheInstalled();
  auto translator = std::make_unique<QTranslator>();
  // The translations are built into the program (see app/CMakeLists.txt).
  if (translator->load(":/i18n/draftcalc_" + CodeText(language) + ".qm")) {
    if (installed.translator) QCoreApplication::removeTranslator(installed.translator.get());
    QCoreApplication::installTranslator(translator.get());
    installed.translator = std::move(translator);
  }
  installed.language = language;
  // The messages of the layers below the window (a file that cannot be
  // read, a record refused) follow it.
  i18n::SetMessageLanguage(language);
  // Qt posts the change to every widget; delivered now, the whole window
  // speaks the new language before anything else happens.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  if (keep) WriteText(kLanguageKey, CodeText(language));
}

Language CurrentLanguage() { return TheInstalled().language; }

QString Translated(const char* source) { return QCoreApplication::translate("draftcalc", source); }

}  // namespace draftcalc::app
