#pragma once

#include <QString>
#include <string_view>

namespace draftcalc::app {

// Writes `bytes` as the whole new content of the file at `path` (see
// files::ReplaceWholeFile): the file is replaced only once all of it is
// written and synced, and left as it was otherwise. Returns the system's
// reason for a failure ("No space left on device"), or an empty string.
QString ReplaceFile(const QString& path, std::string_view bytes);

}  // namespace draftcalc::app
