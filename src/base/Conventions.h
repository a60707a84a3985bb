#pragma once

#include "base/CodePage.h"

namespace qorvel {

enum class PathStyle { Windows, Posix };

// How paths are written and which code page their bytes are in. Chosen once for the host;
// tests use both styles.
struct Conventions {
    PathStyle style;
    CodePage codePage;

    static const Conventions& host();
    static Conventions windows() { return {PathStyle::Windows, CodePage(Encoding::ShiftJis)}; }
    static Conventions posix() { return {PathStyle::Posix, CodePage(Encoding::Utf8)}; }
};

} // namespace qorvel
