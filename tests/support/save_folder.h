#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

// A real folder for saving into, and the ways the save tests reach the system:
// reading and writing whole files, looking at a name without following it,
// and acting as an ordinary user.
namespace kv::test {

namespace fs = std::filesystem;

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNogroup = 65534;
// The exit status of a child that could not become the user nobody.
inline constexpr int kSkipped = 77;

inline std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline struct stat state_of(const fs::path& path) {
    struct stat state {};
    ::lstat(path.c_str(), &state);
    return state;
}

inline bool root() {
    return ::geteuid() == 0;
}

// Gives up the system administrator's privileges for the user nobody; false
// when that is refused.
inline bool become_nobody() {
    return !root() ||
           (::setgroups(0, nullptr) == 0 && ::setgid(kNogroup) == 0 && ::setuid(kNobody) == 0);
}

// Waits for a child process and gives back its exit status, or 128 and the
// signal that ended it.
inline int status_of(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs `work` in a child process as the user nobody when the tests run as the
// system administrator (whom permission bits do not stop), and gives back its
// exit status.
template <typename Work>
int as_ordinary_user(Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::_Exit(become_nobody() ? work() : kSkipped);
    }
    return status_of(child);
}

// A fresh folder that everyone may write into, removed with all it holds.
class SaveFolder : public ::testing::Test {
protected:
    SaveFolder() {
        std::string pattern = (fs::temp_directory_path() / "kv2841a-save-XXXXXX").string();
        folder_ = fs::path(::mkdtemp(pattern.data()));
        fs::permissions(folder_, fs::perms(0777));
    }
    ~SaveFolder() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms(0777), ignored);
        fs::remove_all(folder_, ignored);
    }
    [[nodiscard]] fs::path at(const std::string& name) const { return folder_ / name; }
    // The names in the folder, hidden ones included.
    [[nodiscard]] std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            out.insert(entry.path().filename().string());
        }
        return out;
    }
    fs::path folder_;
};

}  // namespace kv::test
