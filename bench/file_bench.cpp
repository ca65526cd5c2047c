#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "posix_files/file_store.h"

// Saving a register list into a real folder, as every save does once its name
// is chosen: a new file, a file replaced by renaming a new one over it, and a
// hard-linked file written in place. Each save waits for the disk.
namespace kv::bench {
namespace {

namespace fs = std::filesystem;

// About the size of a register list.
const std::string kList(1100, 'F');

class Folder final {
public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "kv2841a-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    [[nodiscard]] std::string at(const char* name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

void save(benchmark::State& state, const std::string& path) {
    if (!file_store::save_file_safely(path, kList).ok) {
        state.SkipWithError("the save failed");
    }
}

void save_new_file(benchmark::State& state) {
    const Folder folder;
    const std::string path = folder.at("regs.txt");
    for (auto _ : state) {
        save(state, path);
        state.PauseTiming();
        fs::remove(path);
        state.ResumeTiming();
    }
}

void save_replacing(benchmark::State& state) {
    const Folder folder;
    const std::string path = folder.at("regs.txt");
    std::ofstream(path) << kList;
    for (auto _ : state) {
        save(state, path);
    }
}

void save_in_place(benchmark::State& state) {
    const Folder folder;
    const std::string path = folder.at("regs.txt");
    std::ofstream(path) << kList;
    fs::create_hard_link(path, folder.at("other.txt"));
    for (auto _ : state) {
        save(state, path);
    }
}

BENCHMARK(save_new_file)->UseRealTime();
BENCHMARK(save_replacing)->UseRealTime();
BENCHMARK(save_in_place)->UseRealTime();

}  // namespace
}  // namespace kv::bench

BENCHMARK_MAIN();
