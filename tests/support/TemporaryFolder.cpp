#include "support/TemporaryFolder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace qorvel::testing {

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    std::filesystem::path candidate;
    do {
        candidate = base / ("qorvel-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(candidate));
    path_ = candidate.string();
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::write(const std::string& name, const std::string& bytes) const {
    const std::string target = file(name);
    std::filesystem::create_directories(std::filesystem::path(target).parent_path());
    std::ofstream(target, std::ios::binary) << bytes;
    return target;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace qorvel::testing
