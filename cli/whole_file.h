#pragma once

#include <string>
#include <string_view>

namespace draftcalc::cli {

// Writes `bytes` as the whole content of the file at `path`. A regular file
// (or a new one) is written as a new file in the same folder and renamed
// over it, so that a failed write leaves the old file as it was and no half
// file anywhere; a symbolic link is followed and the file it names replaced.
// A device or a pipe, which cannot be replaced, is written directly.
// Returns 0, or the errno of the failure.
int SaveWholeFile(const std::string& path, std::string_view bytes);

}  // namespace draftcalc::cli
