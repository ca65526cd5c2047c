#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "posix_files/file_store.h"
#include "posix_files/regular_file.h"
#include "posix_files/save_errors.h"
#include "support/save_folder.h"

// What a save does at the system's limits and beside other programs: the file
// size limit, a file far larger than any register list, another program
// writing the same file, readers of the folder, ACLs and extended attributes,
// names near the longest path, and the temporary files of a killed save.
namespace kv::file_store {
namespace {

namespace fs = std::filesystem;
using test::become_nobody;
using test::kNobody;
using test::kNogroup;
using test::read;
using test::root;
using test::state_of;
using test::status_of;
using test::write;
using SaveLimits = test::SaveFolder;

constexpr const char* kOldBytes = "Reg0\tFFF00\r\nReg1\t011D5\r\n";
constexpr const char* kNewBytes = "FFF00\t011D5\t32178\t";

SaveResult save(const fs::path& path, std::string_view bytes) {
    return save_file_safely(path.string(), bytes);
}

// ---- the file size limit --------------------------------------------------------

class FileSizeLimit : public SaveLimits, public ::testing::WithParamInterface<bool> {};

// The system's limit on a file's size stops the write with an error, not by
// ending the program.
TEST_P(FileSizeLimit, FailsWithItsReasonAndKeepsTheOldFile) {
    write(at("regs.txt"), kOldBytes);
    if (GetParam()) {
        fs::create_hard_link(at("regs.txt"), at("other.txt"));
    }
    const auto before = names();
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{65536, 65536};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const SaveResult result = save(at("regs.txt"), std::string(1 << 20, 'F'));
        const std::string reason =
            save_failure_reason(std::make_error_code(std::errc::file_too_large));
        std::_Exit(!result.ok && result.reason == reason ? 0 : 1);
    }
    EXPECT_EQ(status_of(child), 0);
    EXPECT_EQ(read(at("regs.txt")), kOldBytes);
    EXPECT_EQ(names(), before) << "a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(Ways, FileSizeLimit, ::testing::Bool(),
                         [](const auto& row) { return row.param ? "InPlace" : "Replacing"; });

// ---- writing in place -------------------------------------------------------------

// A file that must be written in place is kept in memory to be put back; one
// far larger than any register list is refused, as opening it is.
TEST_F(SaveLimits, HardLinkedFileLargerThanAnyListIsRefused) {
    const std::string largest(kLargestReadFile, 'F');
    write(at("regs.txt"), largest + "F");
    fs::create_hard_link(at("regs.txt"), at("other.txt"));
    const SaveResult refused = save(at("regs.txt"), kNewBytes);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.reason, file_read::read_regular_file(at("regs.txt")).reason);
    EXPECT_TRUE(read(at("other.txt")) == largest + "F") << "the large file changed";
    write(at("regs.txt"), largest);
    EXPECT_TRUE(save(at("regs.txt"), kNewBytes).ok);
    EXPECT_EQ(read(at("other.txt")), kNewBytes);
}

// Another program holding the file's lock is waited for.
TEST_F(SaveLimits, WritingInPlaceWaitsForTheFileLock) {
    write(at("regs.txt"), kOldBytes);
    fs::create_hard_link(at("regs.txt"), at("other.txt"));
    const int held = ::open(at("regs.txt").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(held);
        std::_Exit(save(at("regs.txt"), kNewBytes).ok ? 0 : 1);
    }
    ::usleep(200'000);
    EXPECT_EQ(read(at("regs.txt")), kOldBytes) << "written under another's lock";
    ::close(held);
    EXPECT_EQ(status_of(child), 0);
    EXPECT_EQ(read(at("regs.txt")), kNewBytes);
}

// ---- who may open what --------------------------------------------------------------

// Hands every regular file of a folder to `seen` at the moment it is opened:
// the system makes the open wait until `seen` has returned.
class OpenWatcher final {
public:
    OpenWatcher(const fs::path& folder, std::function<void(const struct stat&)> seen)
        : fan_(::fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY)), seen_(std::move(seen)) {
        if (fan_ >= 0 && ::fanotify_mark(fan_, FAN_MARK_ADD, FAN_OPEN_PERM | FAN_EVENT_ON_CHILD,
                                         AT_FDCWD, folder.c_str()) == 0) {
            thread_ = std::thread([this] { answer(); });
        }
    }
    ~OpenWatcher() { stop(); }
    [[nodiscard]] bool watching() const { return thread_.joinable(); }
    // Ends the watching: opens in the folder no longer wait.
    void stop() {
        stopping_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        if (fan_ >= 0) {
            ::close(fan_);
            fan_ = -1;
        }
    }

private:
    void answer() {
        alignas(fanotify_event_metadata) char buffer[4096];
        while (!stopping_) {
            pollfd ready{fan_, POLLIN, 0};
            if (::poll(&ready, 1, 20) <= 0) {
                continue;
            }
            ssize_t left = ::read(fan_, buffer, sizeof buffer);
            for (auto* event = reinterpret_cast<fanotify_event_metadata*>(buffer);
                 FAN_EVENT_OK(event, left); event = FAN_EVENT_NEXT(event, left)) {
                struct stat state {};
                if (::fstat(event->fd, &state) == 0 && S_ISREG(state.st_mode)) {
                    seen_(state);
                }
                const fanotify_response allow{event->fd, FAN_ALLOW};
                (void)!::write(fan_, &allow, sizeof allow);
                ::close(event->fd);
            }
        }
    }

    int fan_;
    std::function<void(const struct stat&)> seen_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

// No file of the save is ever open to anyone the old file is not open to.
TEST_F(SaveLimits, TemporaryFileIsNeverWiderThanTheOldFile) {
    write(at("regs.txt"), kOldBytes);
    ASSERT_EQ(::chmod(at("regs.txt").c_str(), 0640), 0);
    const mode_t umask_before = ::umask(002);
    std::vector<mode_t> modes;
    OpenWatcher watcher(folder_, [&](const struct stat& file) { modes.push_back(file.st_mode); });
    const bool watching = watcher.watching();
    const bool saved = save(at("regs.txt"), kNewBytes).ok;
    watcher.stop();
    ::umask(umask_before);
    if (!watching) {
        GTEST_SKIP() << "watching opens needs the system administrator";
    }
    EXPECT_TRUE(saved);
    EXPECT_FALSE(modes.empty());
    for (const mode_t mode : modes) {
        EXPECT_EQ(mode & 07777 & ~mode_t{0640}, 0u) << std::oct << mode;
    }
}

class ReplacedWhileSaving : public SaveLimits, public ::testing::WithParamInterface<bool> {};

// Another program renames its own file over the name once the save has begun:
// the save writes neither file and says so.
TEST_P(ReplacedWhileSaving, IsRefusedAndLeavesTheOtherFile) {
    write(at("regs.txt"), kOldBytes);
    if (GetParam()) {
        fs::create_hard_link(at("regs.txt"), at("other.txt"));
    }
    const std::string theirs = "another program's bytes";
    write(at("theirs.txt"), theirs);
    bool swapped = false;
    OpenWatcher watcher(folder_, [&](const struct stat&) {
        swapped = swapped || ::rename(at("theirs.txt").c_str(), at("regs.txt").c_str()) == 0;
    });
    if (!watcher.watching()) {
        GTEST_SKIP() << "watching opens needs the system administrator";
    }
    const SaveResult result = save(at("regs.txt"), kNewBytes);
    watcher.stop();
    ASSERT_TRUE(swapped);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, save_failure_reason(SaveError::FileReplaced));
    EXPECT_EQ(read(at("regs.txt")), theirs);
    EXPECT_EQ(read(at("other.txt")), GetParam() ? kOldBytes : "");
    EXPECT_EQ(names().size(), GetParam() ? 2u : 1u) << "a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(Ways, ReplacedWhileSaving, ::testing::Bool(),
                         [](const auto& row) { return row.param ? "InPlace" : "Replacing"; });

// ---- ACLs and extended attributes ------------------------------------------------------

std::map<std::string, std::string> attributes(const fs::path& path) {
    std::vector<char> names(65536);
    const ssize_t length = ::llistxattr(path.c_str(), names.data(), names.size());
    std::map<std::string, std::string> out;
    for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(std::strlen(&names[at])) + 1) {
        std::vector<char> value(65536);
        const ssize_t size = ::lgetxattr(path.c_str(), &names[at], value.data(), value.size());
        out[&names[at]] = std::string(value.data(), static_cast<std::size_t>(std::max(size, 0L)));
    }
    return out;
}

struct AttributeRow {
    const char* name;
    const char* folder_acl;  // setfacl's words for the folder, after the file is made
    const char* file_acl;    // and for the file
    bool user_attribute;
    friend void PrintTo(const AttributeRow& row, std::ostream* out) { *out << row.name; }
};

class Attributes : public SaveLimits, public ::testing::WithParamInterface<AttributeRow> {
protected:
    static void set_acl(const fs::path& path, const char* entries) {
        if (entries != nullptr) {
            const std::string command =
                std::string("setfacl -m ") + entries + " '" + path.string() + "'";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
        }
    }
};

// The replaced file carries exactly the ACL and the extended attributes of the
// old one: none lost, none gained from the folder.
TEST_P(Attributes, AreTheOldFilesExactly) {
    const AttributeRow& row = GetParam();
    write(at("regs.txt"), kOldBytes);
    set_acl(at("regs.txt"), row.file_acl);
    set_acl(folder_, row.folder_acl);
    if (row.user_attribute) {
        ASSERT_EQ(::setxattr(at("regs.txt").c_str(), "user.board", "A2", 2, 0), 0);
    }
    const auto before = attributes(at("regs.txt"));
    const mode_t mode = state_of(at("regs.txt")).st_mode;
    ASSERT_TRUE(save(at("regs.txt"), kNewBytes).ok);
    EXPECT_EQ(read(at("regs.txt")), kNewBytes);
    EXPECT_EQ(attributes(at("regs.txt")), before);
    EXPECT_EQ(state_of(at("regs.txt")).st_mode, mode);
    EXPECT_EQ(names(), std::set<std::string>{"regs.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Attributes,
    ::testing::Values(AttributeRow{"UserEntry", nullptr, "u:nobody:rw", false},
                      AttributeRow{"GroupEntries", nullptr, "g:daemon:r,g:nogroup:rw", false},
                      AttributeRow{"UserAttribute", nullptr, nullptr, true},
                      AttributeRow{"EntryAndAttribute", nullptr, "u:nobody:r", true},
                      AttributeRow{"FolderDefaultNotGained", "d:u:nobody:rw", nullptr, false}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- long names ---------------------------------------------------------------------------

TEST_F(SaveLimits, NameOfTheLongestPathIsSaved) {
    const std::size_t longest = PATH_MAX - 1;
    const std::string file_name = "regs.txt";
    fs::path deep = folder_;
    while (deep.string().size() + 1 + NAME_MAX + 1 + file_name.size() < longest) {
        deep /= std::string(NAME_MAX, 'd');
    }
    deep /= std::string(longest - deep.string().size() - 2 - file_name.size(), 'e');
    fs::create_directories(deep);
    const fs::path file = deep / file_name;
    ASSERT_EQ(file.string().size(), longest);
    const SaveResult result = save(file.string(), kNewBytes);
    EXPECT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(read(file), kNewBytes);
}

// ---- temporary files of a save that was killed ---------------------------------------

// Kills the save part way: the file size limit makes the system send SIGXFSZ
// in the middle of writing the temporary file, and the handler stops or
// kills the program.
int stopping_signal = SIGKILL;
void stop_program(int /*signal*/) {
    ::raise(stopping_signal);
}

// Starts a save into the folder that the signal stops part way, as the user
// nobody when asked; gives back the process.
pid_t save_stopped_by(const fs::path& file, int signal, bool as_nobody) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (as_nobody && !become_nobody()) {
            std::_Exit(1);
        }
        stopping_signal = signal;
        std::signal(SIGXFSZ, stop_program);
        const rlimit limit{65536, 65536};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        (void)save(file, std::string(1 << 20, 'F'));
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, WUNTRACED);
    return child;
}

struct LeftoverRow {
    const char* name;
    int signal;      // SIGSTOP: the save is still alive
    bool as_nobody;  // the killed save was another user's
    bool removed;    // by the next save of the system administrator
};

class Leftover : public SaveLimits, public ::testing::WithParamInterface<LeftoverRow> {};

// The next save removes temporary files of this program's saves that died,
// its own only: never one a living save still writes, never another user's.
TEST_P(Leftover, IsRemovedOnlyWhenItsSaveIsDeadAndOurs) {
    const LeftoverRow& row = GetParam();
    if (!root()) {
        GTEST_SKIP() << "needs a second user: run as the system administrator";
    }
    write(at("regs.txt"), kOldBytes);
    ASSERT_EQ(::chown(at("regs.txt").c_str(), row.as_nobody ? kNobody : 0, kNogroup), 0);
    const pid_t stopped = save_stopped_by(at("regs.txt"), row.signal, row.as_nobody);
    const auto left = names();
    ASSERT_EQ(left.size(), 2u) << "the stopped save left no temporary file";
    write(at("plain.txt"), kOldBytes);
    ASSERT_TRUE(save(at("plain.txt"), kNewBytes).ok);
    auto expected = row.removed ? std::set<std::string>{"regs.txt"} : left;
    expected.insert("plain.txt");
    EXPECT_EQ(names(), expected);
    ::kill(stopped, SIGKILL);
    (void)status_of(stopped);
}

INSTANTIATE_TEST_SUITE_P(Saves, Leftover,
                         ::testing::Values(LeftoverRow{"KilledOwn", SIGKILL, false, true},
                                           LeftoverRow{"StillRunning", SIGSTOP, false, false},
                                           LeftoverRow{"KilledOtherUsers", SIGKILL, true, false}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kv::file_store
