#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "posix_files/file_store.h"
#include "support/save_folder.h"

// The system administrator saves into a folder that another user owns, while
// that user swaps the folder for a link to a folder only the administrator
// may enter, again and again. Each save must write one file, the one it
// found, with that file's own owner and mode.
namespace kv::file_store {
namespace {

namespace fs = std::filesystem;
using test::become_nobody;
using test::kNobody;
using test::kNogroup;
using test::read;
using test::status_of;
using test::write;

constexpr int kRounds = 200;
constexpr const char* kOldBytes = "Reg0\tFFF00\r\nReg1\t011D5\r\n";
constexpr const char* kSecretBytes = "root only\n";

struct Owned {
    uid_t owner;
    mode_t mode;
};

// A file's owner and mode, seen through a folder held open.
Owned owned(int folder, const char* name) {
    struct stat state {};
    ::fstatat(folder, name, &state, AT_SYMLINK_NOFOLLOW);
    return {state.st_uid, state.st_mode & 07777};
}

std::set<std::string> names_in(const fs::path& folder) {
    std::set<std::string> out;
    for (const auto& entry : fs::directory_iterator(folder)) {
        out.insert(entry.path().filename().string());
    }
    return out;
}

class SwappedFolder : public test::SaveFolder {
protected:
    SwappedFolder() {
        fs::permissions(folder_, fs::perms(0755));
        fs::create_directories(at("attacker/work"));
        fs::create_directory(at("secret"));
        fs::permissions(at("secret"), fs::perms(0700));
        write(at("secret/regs.txt"), kSecretBytes);
        fs::permissions(at("secret/regs.txt"), fs::perms(0600));
        write(at("attacker/work/regs.txt"), kOldBytes);
        fs::permissions(at("attacker/work/regs.txt"), fs::perms(0640));
        fs::create_directory_symlink(at("secret"), at("attacker/swap"));
        for (const char* name : {"attacker", "attacker/work", "attacker/work/regs.txt"}) {
            (void)::chown(at(name).c_str(), kNobody, kNogroup);
        }
    }

    // The other user: swaps the folder and the link until killed.
    pid_t start_swapping() const {
        const pid_t child = ::fork();
        if (child == 0) {
            if (!become_nobody()) {
                std::_Exit(1);
            }
            while (::renameat2(AT_FDCWD, at("attacker/work").c_str(), AT_FDCWD,
                               at("attacker/swap").c_str(), RENAME_EXCHANGE) == 0) {
            }
            std::_Exit(2);
        }
        return child;
    }
};

TEST_F(SwappedFolder, SaveWritesOnlyTheFileItFound) {
    if (!test::root()) {
        GTEST_SKIP() << "needs a second user: run as the system administrator";
    }
    const int work = ::open(at("attacker/work").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const int secret = ::open(at("secret").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const fs::path work_names = "/proc/self/fd/" + std::to_string(work);
    const pid_t swapper = start_swapping();
    int failed = 0;
    for (int round = 0; round < kRounds && !HasFailure(); ++round) {
        const std::string bytes = "FFF00\t" + std::to_string(round) + "\t";
        const SaveResult result = save_file_safely(at("attacker/work/regs.txt"), bytes);
        failed += result.ok ? 0 : 1;
        const Owned mine = owned(work, "regs.txt");
        const Owned theirs = owned(secret, "regs.txt");
        EXPECT_EQ(mine.owner, kNobody) << "round " << round;
        EXPECT_EQ(mine.mode, 0640u) << "round " << round;
        EXPECT_EQ(theirs.owner, 0u) << "round " << round;
        EXPECT_EQ(theirs.mode, 0600u) << "round " << round;
        EXPECT_EQ(names_in(work_names), std::set<std::string>{"regs.txt"}) << "round " << round;
        EXPECT_EQ(names_in(at("secret")), std::set<std::string>{"regs.txt"}) << "round " << round;
    }
    EXPECT_EQ(::waitpid(swapper, nullptr, WNOHANG), 0) << "the other user stopped swapping";
    ::kill(swapper, SIGKILL);
    (void)status_of(swapper);
    ::close(work);
    ::close(secret);
    EXPECT_EQ(failed, 0);
}

}  // namespace
}  // namespace kv::file_store
