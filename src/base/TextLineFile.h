#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qorvel {

// Lines of a text: split at CR LF, lone CR and lone LF; the text ends at the first NUL;
// a final break adds no empty line.
std::vector<std::string> splitLines(std::string_view bytes);

// The whole file; a file that cannot be opened raises "ファイル %s は開けません".
std::string readFileBytes(const std::string& path);
std::vector<std::string> readLines(const std::string& path);

// Replaces the file's content atomically (a temporary file beside it, renamed over it). A failure
// leaves the old file as it was: "ファイル %s を作成できません" when the file cannot be made,
// "ストリームへの書き込みエラー" when writing fails part-way. A replaced file keeps its permission
// bits; a symbolic link stays a link and its target is replaced. A target that is not a regular
// file (a device) is written in place.
void writeFileBytes(const std::string& path, std::string_view bytes);
// Every line followed by CR LF; no lines give 0 bytes.
void writeLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace qorvel
