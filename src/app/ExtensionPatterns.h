#pragma once

#include "base/CodePage.h"

#include <string>
#include <vector>

namespace qorvel {

// One line of the pattern file: a menu caption and the two extensions (with their dots) that the
// folder scan accepts while the pattern is chosen.
struct ExtensionPattern {
    std::string name, firstExtension, secondExtension;

    bool operator==(const ExtensionPattern&) const = default;
};

// Only the bytes before the first ";" count; each space ends a field (name, first extension,
// second extension) and the ";" ends the last one. Two spaces in a row give an empty field, a
// leading space an empty name; a line without ";" gives three empty fields. Fields past the third
// are ignored.
ExtensionPattern parsePatternLine(const std::string& line);

// The pattern table has room for this many lines; lines past it are ignored.
constexpr int maxExtensionPatterns = 60;

// Every line of the file parsed, at most maxExtensionPatterns of them. A file that cannot be
// opened raises "ファイル %s は開けません".
std::vector<ExtensionPattern> readPatternFile(const std::string& path);

// The open dialog's filter in Qt's name-filter syntax, "name (*first *second)", in the code
// page's bytes. An empty extension gives "*", which admits every file; an empty name gives
// "(* *)", which Qt takes as a filter without description. The name may hold anything (Qt takes
// the patterns from the last parenthesised group), but the patterns can only carry ASCII letters,
// digits and _.,*?+#-[]@{}/!<>$%&=^~:| — any other character of an extension (a double-byte
// character, a quote, a parenthesis, a control byte) stands as "?", which matches one character.
std::string openDialogFilter(const ExtensionPattern& pattern, const CodePage& codePage);
// The same in the host's code page.
std::string openDialogFilter(const ExtensionPattern& pattern);

// The filter the open dialog starts with: "html (*.html *htm)".
std::string defaultOpenDialogFilter();

} // namespace qorvel
