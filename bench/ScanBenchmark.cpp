// The folder walk against a plain recursive readdir of the same tree. Each scan case appends into
// a sink made by its factory; the reference only counts the names that match.

#include "collect/FolderScan.h"
#include "grid/FileList.h"
#include "grid/USGrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using qorvel::ScanSink;

constexpr int groupCount = 10;
constexpr int foldersPerGroup = 99; // with the groups themselves: 1,000 folders
constexpr int filesPerFolder = 100; // 100,000 files
const qorvel::ExtensionPair extensions{".htm", ".html"};
const std::string referenceName = "PlainReaddir";

void makeFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0755) != 0) {
        throw std::runtime_error("cannot create " + path);
    }
}

void fillFolder(const std::string& path) {
    makeFolder(path);
    for (int i = 0; i < filesPerFolder; ++i) {
        const char* extension = i % 10 == 0 ? ".html" : (i % 2 == 0 ? ".txt" : ".jpg");
        const std::string name = path + "/file" + std::to_string(i) + extension;
        const int fd = ::open(name.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd < 0) {
            throw std::runtime_error("cannot create " + name);
        }
        ::close(fd);
    }
}

std::string makeTree() {
    std::string root = (std::filesystem::temp_directory_path() / "qorvel-bench-XXXXXX").string();
    if (mkdtemp(root.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    for (int group = 0; group < groupCount; ++group) {
        const std::string groupPath = root + "/group" + std::to_string(group);
        fillFolder(groupPath);
        for (int folder = 0; folder < foldersPerGroup; ++folder) {
            fillFolder(groupPath + "/folder" + std::to_string(folder));
        }
    }
    return root;
}

bool isRealDirectory(DIR* dir, const dirent& item) {
    if (item.d_type != DT_UNKNOWN) {
        return item.d_type == DT_DIR;
    }
    struct stat info {};
    return fstatat(dirfd(dir), item.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(info.st_mode);
}

long countMatching(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    long count = 0;
    while (const dirent* item = readdir(dir)) {
        if (item->d_name[0] != '.' && isRealDirectory(dir, *item)) {
            count += countMatching(folder + "/" + item->d_name);
            continue;
        }
        const char* dot = std::strrchr(item->d_name, '.');
        if (dot != nullptr && (strcasecmp(dot, ".htm") == 0 || strcasecmp(dot, ".html") == 0)) {
            ++count;
        }
    }
    closedir(dir);
    return count;
}

class VectorSink : public ScanSink {
public:
    void appendFile(const std::string& path, const std::string& name) override {
        entries_.emplace_back(path, name);
    }
    void listingFailed(const std::string& message) override { failures_.push_back(message); }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
    std::vector<std::string> failures_;
};

using SinkFactory = std::function<std::unique_ptr<ScanSink>()>;

// A scan case: ScanFolder over the real file system into a fresh sink per iteration. Making and
// destroying the sink are not timed.
void registerScanCase(const std::string& name, const std::string& root, SinkFactory makeSink) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [root, makeSink](benchmark::State& state) {
                                     qorvel::FileSystemListing listing;
                                     for (auto _ : state) {
                                         state.PauseTiming();
                                         std::unique_ptr<ScanSink> sink = makeSink();
                                         state.ResumeTiming();
                                         qorvel::ScanFolder(qorvel::Conventions::posix(), listing,
                                                            root, "*.*", extensions, *sink);
                                         state.PauseTiming();
                                         sink.reset();
                                         state.ResumeTiming();
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

void registerReference(const std::string& root) {
    benchmark::RegisterBenchmark(referenceName.c_str(),
                                 [root](benchmark::State& state) {
                                     for (auto _ : state) {
                                         benchmark::DoNotOptimize(countMatching(root));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// Keeps each benchmark's mean real time per iteration, over its repetitions, for the ratios; a
// mean the library reports itself (repetitions with aggregates only) takes precedence.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    RecordingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            if (run.run_type == Run::RT_Iteration) {
                Mean& mean = means_[run.run_name.function_name];
                mean.total += run.GetAdjustedRealTime();
                ++mean.count;
            } else if (run.aggregate_name == "mean") {
                reportedMeans_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> milliseconds() const {
        std::map<std::string, double> result = reportedMeans_;
        for (const auto& [name, mean] : means_) {
            result.try_emplace(name, mean.total / mean.count);
        }
        return result;
    }

private:
    struct Mean {
        double total = 0;
        int count = 0;
    };
    std::map<std::string, Mean> means_;
    std::map<std::string, double> reportedMeans_;
};

// Appends as the folder command does: into the file list, with its grid view shown.
class FileListSink : public ScanSink {
public:
    FileListSink() {
        grid_.resize(800, 600);
        grid_.show();
    }
    void appendFile(const std::string& path, const std::string& name) override {
        qorvel::AppendEntry(grid_.grid(), fileCount_, path, name);
        grid_.grid().setCell(2, fileCount_, std::string());
    }
    void listingFailed(const std::string&) override {}

private:
    qorvel::USGrid grid_;
    std::int32_t fileCount_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::string root = makeTree();

    registerReference(root);
    const std::vector<std::pair<std::string, SinkFactory>> scanCases = {
        {"ScanFolder/vector", [] { return std::make_unique<VectorSink>(); }},
        {"ScanFolder/fileList", [] { return std::make_unique<FileListSink>(); }},
    };
    for (const auto& [name, makeSink] : scanCases) {
        registerScanCase(name, root, makeSink);
    }

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const std::map<std::string, double> times = reporter.milliseconds();
    const auto reference = times.find(referenceName);
    if (reference != times.end()) {
        std::printf("%-24s %10.2f ms\n", referenceName.c_str(), reference->second);
        for (const auto& [name, milliseconds] : times) {
            if (name != referenceName) {
                std::printf("%-24s %10.2f ms  ratio to %s: %.2f\n", name.c_str(), milliseconds,
                            referenceName.c_str(), milliseconds / reference->second);
            }
        }
    }
    std::filesystem::remove_all(root);
    return 0;
}
