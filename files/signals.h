#pragma once

#include <string_view>

namespace draftcalc::files {

// A file size limit (ulimit -f) makes the kernel kill a process that writes
// past it with SIGXFSZ. Ignored, the write fails with EFBIG instead, which
// the writers report like a full disk and undo.
void IgnoreFileSizeSignal();

// Removes the hidden file a WholeFileWriter has under way when the program
// is ended by SIGINT, SIGTERM or SIGHUP, then ends it by that signal as it
// would have ended. A signal the program was started with ignored (nohup)
// stays ignored.
void RemoveTemporaryFileOnSignals();

// The hidden file under way, for the handler: one at a time per process.
// Names longer than a path can be are not remembered.
void RememberTemporaryFile(std::string_view path);
void ForgetTemporaryFile();

}  // namespace draftcalc::files
