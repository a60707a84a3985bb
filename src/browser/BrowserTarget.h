#pragma once

#include "base/Conventions.h"

#include <optional>
#include <string>

namespace qorvel {

// The local file a browser view is asked to show, or nullopt when the target is a URL of some
// other kind (http:, about:, ...) that the view loads as it is.
//
// A view receives either a file URL the program made itself or a plain local path. The program's
// file URLs hold the path raw, not percent-encoded, so "#", "%" and spaces belong to the path:
// Windows style "file:///" + path ("file:///C:/pages/a.htm" -> "C:/pages/a.htm"), POSIX style
// "file://" + an absolute path ("file:///srv/a.htm" -> "/srv/a.htm"). "file:///" alone stands
// for the empty path and gives "". Any other text without a scheme is a plain path, returned
// unchanged; a single letter before ":" is a Windows drive, not a scheme.
std::optional<std::string> localPathOfTarget(const Conventions& conventions,
                                             const std::string& target);

} // namespace qorvel
