#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "posix_files/file_store.h"
#include "support/save_folder.h"

// What a save does to what stands at the chosen name, on a real folder: links,
// devices, FIFOs and sockets, owners and modes, hard links, folders that take
// no new file, and the program being ended part way.
namespace kv::file_store {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOldBytes = "Reg0\tFFF00\r\nReg1\t011D5\r\n";
constexpr const char* kNewBytes = "FFF00\t011D5\t32178\t";

using test::as_ordinary_user;
using test::kNobody;
using test::kNogroup;
using test::kSkipped;
using test::read;
using test::root;
using test::state_of;
using test::write;
using SaveGuarantees = test::SaveFolder;

// ---- what stands at the name --------------------------------------------------

void make_fifo(const fs::path& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0);
}

void make_socket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// The system's null device, made again in the test folder.
void make_device(const fs::path& path) {
    ASSERT_EQ(::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
}

struct StrangeTarget {
    const char* name;
    void (*make)(const fs::path&);
    mode_t kind;
    bool needs_root;
};

class NotARegularFile : public SaveGuarantees,
                        public ::testing::WithParamInterface<StrangeTarget> {};

TEST_P(NotARegularFile, IsRefusedAndStaysWhatItWas) {
    const StrangeTarget& row = GetParam();
    if (row.needs_root && !root()) {
        GTEST_SKIP() << "making a device node needs the system administrator";
    }
    row.make(at("thing"));
    fs::create_symlink("thing", at("link.txt"));
    const auto before = names();
    for (const char* name : {"thing", "link.txt"}) {
        const SaveResult result = save_file_safely(at(name).string(), kNewBytes);
        EXPECT_FALSE(result.ok) << name;
        EXPECT_EQ(result.reason, kNotRegularFile) << name;
    }
    EXPECT_EQ(state_of(at("thing")).st_mode & S_IFMT, row.kind);
    EXPECT_TRUE(fs::is_symlink(at("link.txt")));
    EXPECT_FALSE(plain_file_exists(at("link.txt").string()));
    EXPECT_EQ(names(), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotARegularFile,
                         ::testing::Values(StrangeTarget{"Fifo", make_fifo, S_IFIFO, false},
                                           StrangeTarget{"Socket", make_socket, S_IFSOCK, false},
                                           StrangeTarget{"Device", make_device, S_IFCHR, true}),
                         [](const auto& row) { return std::string(row.param.name); });

// /dev/stdout of a program in a pipeline: a link of the system's own to a pipe.
TEST_F(SaveGuarantees, LinkToAPipeIsRefused) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const SaveResult result =
        save_file_safely("/proc/self/fd/" + std::to_string(ends[1]), kNewBytes);
    ::close(ends[0]);
    ::close(ends[1]);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, kNotRegularFile);
}

TEST_F(SaveGuarantees, LinkLoopIsRefused) {
    fs::create_symlink("b.txt", at("a.txt"));
    fs::create_symlink("a.txt", at("b.txt"));
    const SaveResult result = save_file_safely(at("a.txt").string(), kNewBytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "链接过多或链接形成循环");
    EXPECT_EQ(names(), (std::set<std::string>{"a.txt", "b.txt"}));
}

TEST_F(SaveGuarantees, DanglingLinkChainCreatesTheFileAtItsEnd) {
    fs::create_directory(at("boards"));
    fs::create_symlink("middle.txt", at("link.txt"));
    fs::create_symlink("boards/a.txt", at("middle.txt"));
    ASSERT_TRUE(save_file_safely(at("link.txt").string(), kNewBytes).ok);
    EXPECT_TRUE(fs::is_symlink(at("link.txt")));
    EXPECT_TRUE(fs::is_symlink(at("middle.txt")));
    EXPECT_EQ(read(at("boards/a.txt")), kNewBytes);
}

// ---- the replaced file stays the same file --------------------------------------

TEST_F(SaveGuarantees, OwnerGroupAndSetuidModeAreKept) {
    if (!root()) {
        GTEST_SKIP() << "giving a file to nobody:nogroup needs the system administrator";
    }
    write(at("regs.txt"), kOldBytes);
    ASSERT_EQ(::chown(at("regs.txt").c_str(), kNobody, kNogroup), 0);
    ASSERT_EQ(::chmod(at("regs.txt").c_str(), 04755), 0);
    ASSERT_TRUE(save_file_safely(at("regs.txt").string(), kNewBytes).ok);
    const struct stat now = state_of(at("regs.txt"));
    EXPECT_EQ(now.st_uid, kNobody);
    EXPECT_EQ(now.st_gid, kNogroup);
    EXPECT_EQ(now.st_mode & 07777, 04755u);
    EXPECT_EQ(read(at("regs.txt")), kNewBytes);
}

TEST_F(SaveGuarantees, HardLinksStayOneFile) {
    write(at("regs.txt"), kOldBytes);
    fs::create_hard_link(at("regs.txt"), at("other.txt"));
    ASSERT_TRUE(save_file_safely(at("regs.txt").string(), kNewBytes).ok);
    EXPECT_EQ(read(at("other.txt")), kNewBytes);
    EXPECT_EQ(state_of(at("regs.txt")).st_nlink, 2u);
    EXPECT_EQ(names(), (std::set<std::string>{"other.txt", "regs.txt"}));
}

// Another user's setuid file that the saver may write keeps its owner, and the
// bit does not survive the other user's bytes.
TEST_F(SaveGuarantees, SetuidBitIsNeverCarriedToAnotherOwner) {
    write(at("regs.txt"), kOldBytes);
    ASSERT_EQ(::chmod(at("regs.txt").c_str(), 04777), 0);
    const int status = as_ordinary_user(
        [&] { return save_file_safely(at("regs.txt").string(), kNewBytes).ok ? 0 : 1; });
    if (!root()) {
        GTEST_SKIP() << "needs a second user: run as the system administrator";
    }
    ASSERT_EQ(status, 0);
    const struct stat now = state_of(at("regs.txt"));
    EXPECT_EQ(now.st_uid, 0u);
    EXPECT_EQ(now.st_mode & 06000, 0u);
    EXPECT_EQ(read(at("regs.txt")), kNewBytes);
}

// ---- a writable file in a folder that takes no new file ---------------------------

struct FolderRow {
    const char* name;
    unsigned folder_mode;
};

class WritableFileIn : public SaveGuarantees, public ::testing::WithParamInterface<FolderRow> {};

TEST_P(WritableFileIn, IsWrittenInPlace) {
    write(at("regs.txt"), kOldBytes);
    ASSERT_EQ(::chmod(at("regs.txt").c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), GetParam().folder_mode), 0);
    const int status = as_ordinary_user([&] {
        const SaveResult result = save_file_safely(at("regs.txt").string(), kNewBytes);
        std::cerr << result.reason << std::endl;
        return result.ok ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(read(at("regs.txt")), kNewBytes);
    EXPECT_EQ(state_of(at("regs.txt")).st_mode & 07777, 0666u);
    EXPECT_EQ(names(), std::set<std::string>{"regs.txt"});
}

INSTANTIATE_TEST_SUITE_P(Folders, WritableFileIn,
                         ::testing::Values(FolderRow{"ReadOnlyFolder", 0555},
                                           FolderRow{"StickyFolder", 01777}),
                         [](const auto& row) { return std::string(row.param.name); });

// A file mounted over the name cannot be renamed over; it is written in place.
TEST_F(SaveGuarantees, BindMountedFileIsWrittenInPlace) {
    write(at("regs.txt"), kOldBytes);
    write(at("source.txt"), kOldBytes);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(at("source.txt").c_str(), at("regs.txt").c_str(), nullptr, MS_BIND, nullptr) !=
                0) {
            std::_Exit(kSkipped);
        }
        std::_Exit(save_file_safely(at("regs.txt").string(), kNewBytes).ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kSkipped) {
        GTEST_SKIP() << "no private mount namespace here: needs the system administrator";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(read(at("source.txt")), kNewBytes);
    EXPECT_EQ(read(at("regs.txt")), kOldBytes);
}

TEST_F(SaveGuarantees, ARunningProgramIsBusy) {
    fs::copy_file("/bin/sleep", at("regs.txt"));
    const pid_t program = ::fork();
    if (program == 0) {
        ::execl(at("regs.txt").c_str(), "sleep", "60", nullptr);
        std::_Exit(127);
    }
    const fs::path running = "/proc/" + std::to_string(program) + "/exe";
    std::error_code error;
    for (int tries = 0; tries < 10000 && fs::read_symlink(running, error) != at("regs.txt");
         ++tries) {
        ::usleep(1000);
    }
    const SaveResult result = save_file_safely(at("regs.txt").string(), kNewBytes);
    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "文件正在被使用");
}

// ---- the program ended part way ---------------------------------------------------

// Stops the save part way with the signal: the file size limit makes the
// system send SIGXFSZ in the middle of the write, and its handler ends the
// program with the signal under test.
int ending_signal = SIGTERM;
void end_program(int /*signal*/) {
    ::raise(ending_signal);
}

struct EndingRow {
    const char* name;
    int signal;
    bool hard_linked;  // a second name forces writing in place
};

class EndedPartWay : public SaveGuarantees, public ::testing::WithParamInterface<EndingRow> {};

TEST_P(EndedPartWay, LeavesTheOldFileAndNoTemporaryFile) {
    const EndingRow& row = GetParam();
    write(at("regs.txt"), kOldBytes);
    if (row.hard_linked) {
        fs::create_hard_link(at("regs.txt"), at("other.txt"));
    }
    const auto before = names();
    const pid_t child = ::fork();
    if (child == 0) {
        ending_signal = row.signal;
        std::signal(SIGXFSZ, end_program);
        const rlimit limit{65536, 65536};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        (void)save_file_safely(at("regs.txt").string(), std::string(40 << 20, 'F'));
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == row.signal);
    EXPECT_EQ(read(at("regs.txt")), kOldBytes);
    EXPECT_EQ(names(), before) << "a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(Signals, EndedPartWay,
                         ::testing::Values(EndingRow{"TermReplacing", SIGTERM, false},
                                           EndingRow{"IntReplacing", SIGINT, false},
                                           EndingRow{"HupReplacing", SIGHUP, false},
                                           EndingRow{"TermInPlace", SIGTERM, true},
                                           EndingRow{"HupInPlace", SIGHUP, true}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kv::file_store
