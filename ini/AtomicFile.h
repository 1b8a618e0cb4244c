#pragma once
// Replacing a file so that a crash, a kill or a full disk never leaves it half written.

#include <string>
#include <string_view>

// Writes `bytes` to `path` atomically: a new file beside it, flushed to disk and renamed
// over the old one, which keeps its permissions. The folder must exist. Answers false,
// and leaves any old file as it was, on failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
