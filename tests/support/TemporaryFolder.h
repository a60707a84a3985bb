#pragma once

#include <filesystem>
#include <string>

namespace qorvel::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes the bytes to the named file inside the folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

std::string readBytes(const std::string& path);

} // namespace qorvel::testing
