#pragma once

#include <stdexcept>
#include <string>

namespace qorvel {

// A failure of the platform: carries the platform's message in the system's code page.
// Handlers never catch it; the window's top level shows it (see displayText).
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace qorvel
