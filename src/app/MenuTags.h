#pragma once

namespace qorvel {

// Tags that tell menu items with a shared handler apart.
constexpr int cellEditTag = 1001;
constexpr int defaultSizeTag = 500;
constexpr int nextSizeTag = 503;
// A pattern item's tag is this plus its line of the pattern file.
constexpr int firstPatternTag = 100;

} // namespace qorvel
