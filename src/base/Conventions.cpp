#include "base/Conventions.h"

namespace qorvel {

const Conventions& Conventions::host() {
#ifdef _WIN32
    static const Conventions hostConventions = windows();
#else
    static const Conventions hostConventions = posix();
#endif
    return hostConventions;
}

} // namespace qorvel
