#pragma once

#include <QString>
#include <string_view>

namespace draftcalc::app {

// Writes `bytes` as the whole new content of the file at `path` through
// QSaveFile: the file is replaced only once all of it is written, and left
// as it was otherwise. Returns why it failed, or an empty string.
QString ReplaceFile(const QString& path, std::string_view bytes);

}  // namespace draftcalc::app
