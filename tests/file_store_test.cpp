#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>

#include "posix_files/file_store.h"

namespace kv::file_store {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOldBytes = "Reg0\tFFF00\r\nReg1\t011D5\r\n";
constexpr const char* kNewBytes = "FFF00\t011D5\t32178\t";

// A fresh folder under the system's temporary folder, removed afterwards. It
// can be entered by everyone, so a child process without privileges can try
// to write into it.
class TempFolder : public ::testing::Test {
protected:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "kv2841a-store-XXXXXX").string();
        folder_ = fs::path(::mkdtemp(pattern.data()));
        fs::permissions(folder_, fs::perms(0755));
    }
    ~TempFolder() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    [[nodiscard]] std::string at(const std::string& name) const {
        return (folder_ / name).string();
    }

    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The names in the folder, hidden ones included.
    [[nodiscard]] std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            out.insert(entry.path().filename().string());
        }
        return out;
    }
    // After a failed save: the old file is byte for byte what it was, and no
    // temporary file was left behind.
    void expect_old_file_kept() const {
        EXPECT_EQ(read(at("regs.txt")), kOldBytes);
        EXPECT_EQ(names(), std::set<std::string>{"regs.txt"});
    }

    fs::path folder_;
};

// ---- plain files -------------------------------------------------------------

using PlainFile = TempFolder;

TEST_F(PlainFile, ExistingRegularFileIsFound) {
    write(at("regs.txt"), kOldBytes);
    write(at("regs"), "");
    EXPECT_TRUE(plain_file_exists(at("regs.txt")));
    EXPECT_TRUE(plain_file_exists(at("regs")));
}

// A hidden file is asked about like any other before it is replaced.
TEST_F(PlainFile, HiddenFileIsFound) {
    write(at(".regs.txt"), kOldBytes);
    EXPECT_TRUE(plain_file_exists(at(".regs.txt")));
}

TEST_F(PlainFile, FolderMissingAndDanglingAreNotFound) {
    fs::create_directory(at("folder.txt"));
    fs::create_symlink(at("gone.txt"), at("dangling.txt"));
    EXPECT_FALSE(plain_file_exists(at("folder.txt")));
    EXPECT_FALSE(plain_file_exists(at("missing.txt")));
    EXPECT_FALSE(plain_file_exists(at("dangling.txt")));
    EXPECT_FALSE(plain_file_exists(at("missing/regs.txt")));
    EXPECT_FALSE(plain_file_exists(""));
}

TEST_F(PlainFile, LinkToAFileIsFound) {
    write(at("regs.txt"), kOldBytes);
    fs::create_symlink(at("regs.txt"), at("link.txt"));
    EXPECT_TRUE(plain_file_exists(at("link.txt")));
}

// ---- saving ------------------------------------------------------------------

using Saving = TempFolder;

TEST_F(Saving, NewFileHoldsExactlyTheBytes) {
    const std::string bytes("0x00,0x0F,0xFF,0x00,\r\n\0\t\xFF", 26);
    const SaveResult result = save_file_safely(at("regs.txt"), bytes);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.reason, "");
    EXPECT_EQ(read(at("regs.txt")), bytes);
    EXPECT_EQ(names(), std::set<std::string>{"regs.txt"});
}

TEST_F(Saving, LongerOldFileIsReplacedWhole) {
    write(at("regs.txt"), std::string(5000, 'x'));
    ASSERT_TRUE(save_file_safely(at("regs.txt"), kNewBytes).ok);
    EXPECT_EQ(read(at("regs.txt")), kNewBytes);
    EXPECT_EQ(names(), std::set<std::string>{"regs.txt"});
}

TEST_F(Saving, NoBytesGiveAnEmptyFile) {
    write(at("regs.txt"), kOldBytes);
    ASSERT_TRUE(save_file_safely(at("regs.txt"), "").ok);
    EXPECT_TRUE(fs::is_regular_file(at("regs.txt")));
    EXPECT_EQ(read(at("regs.txt")), "");
}

TEST_F(Saving, NameWithoutExtensionIsUsedAsIs) {
    ASSERT_TRUE(save_file_safely(at("regs"), kNewBytes).ok);
    EXPECT_EQ(names(), std::set<std::string>{"regs"});
}

TEST_F(Saving, ReplacedFileKeepsItsPermissions) {
    write(at("regs.txt"), kOldBytes);
    fs::permissions(at("regs.txt"), fs::perms(0640));
    ASSERT_TRUE(save_file_safely(at("regs.txt"), kNewBytes).ok);
    EXPECT_EQ(fs::status(at("regs.txt")).permissions(), fs::perms(0640));
}

TEST_F(Saving, LinkStaysALinkAndItsFileIsReplaced) {
    write(at("regs.txt"), kOldBytes);
    fs::create_symlink("regs.txt", at("link.txt"));
    ASSERT_TRUE(save_file_safely(at("link.txt"), kNewBytes).ok);
    EXPECT_TRUE(fs::is_symlink(at("link.txt")));
    EXPECT_EQ(read(at("regs.txt")), kNewBytes);
    EXPECT_EQ(names(), (std::set<std::string>{"link.txt", "regs.txt"}));
}

// ---- faults: each leaves the old file as it was and no temporary file ------

TEST_F(Saving, FolderThatDoesNotExist) {
    write(at("regs.txt"), kOldBytes);
    const SaveResult result = save_file_safely(at("missing/regs.txt"), kNewBytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "文件夹不存在");
    expect_old_file_kept();
}

TEST_F(Saving, FolderThatIsAFile) {
    write(at("regs.txt"), kOldBytes);
    const SaveResult result = save_file_safely(at("regs.txt/regs.txt"), kNewBytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "文件夹不存在");
    expect_old_file_kept();
}

TEST_F(Saving, TargetThatIsAFolder) {
    fs::create_directory(at("regs.txt"));
    write(at("regs.txt/inside"), kOldBytes);
    const SaveResult result = save_file_safely(at("regs.txt"), kNewBytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "同名的文件夹已经存在");
    EXPECT_TRUE(fs::is_directory(at("regs.txt")));
    EXPECT_EQ(read(at("regs.txt/inside")), kOldBytes);
    EXPECT_EQ(names(), std::set<std::string>{"regs.txt"});
}

TEST_F(Saving, EmptyNameIsRefused) {
    const SaveResult result = save_file_safely("", kNewBytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "没有给出文件名");
}

// Runs a save in a child process, after `prepare`, and reports its reason on
// the error stream; the child exits with 0 only when the save failed.
template <typename Prepare>
[[noreturn]] void save_in_child(Prepare prepare, const std::string& path,
                                const std::string& bytes) {
    prepare();
    const SaveResult result = save_file_safely(path, bytes);
    std::cerr << "reason: " << result.reason << std::endl;
    std::_Exit(result.ok ? 1 : 0);
}

// The system administrator ignores permission bits, so the child gives up its
// privileges first and writes as an ordinary user.
void become_ordinary_user() {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        std::cerr << "cannot give up privileges" << std::endl;
        std::_Exit(2);
    }
}

TEST_F(Saving, FolderWithoutWritePermission) {
    write(at("regs.txt"), kOldBytes);
    fs::permissions(folder_, fs::perms(0555));
    EXPECT_EXIT(save_in_child(become_ordinary_user, at("regs.txt"), kNewBytes),
                ::testing::ExitedWithCode(0), "reason: 没有写入权限");
    fs::permissions(folder_, fs::perms(0755));
    expect_old_file_kept();
}

TEST_F(Saving, FolderThatCannotBeEntered) {
    write(at("regs.txt"), kOldBytes);
    fs::permissions(folder_, fs::perms(0666));
    EXPECT_EXIT(save_in_child(become_ordinary_user, at("regs.txt"), kNewBytes),
                ::testing::ExitedWithCode(0), "reason: 没有写入权限");
    fs::permissions(folder_, fs::perms(0755));
    expect_old_file_kept();
}

// The folder would let the file be replaced, but the file itself is read-only.
TEST_F(Saving, ReadOnlyFileInAWritableFolder) {
    write(at("regs.txt"), kOldBytes);
    fs::permissions(at("regs.txt"), fs::perms(0444));
    fs::permissions(folder_, fs::perms(0777));
    EXPECT_EXIT(save_in_child(become_ordinary_user, at("regs.txt"), kNewBytes),
                ::testing::ExitedWithCode(0), "reason: 没有写入权限");
    expect_old_file_kept();
}

// The file size limit stops the write part way, as a full disk does.
void limit_file_size() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

TEST_F(Saving, DiskRunningOutPartWay) {
    write(at("regs.txt"), kOldBytes);
    EXPECT_EXIT(save_in_child(limit_file_size, at("regs.txt"), std::string(65536, 'F')),
                ::testing::ExitedWithCode(0), "reason: 文件超出系统允许的大小");
    expect_old_file_kept();
}

// ---- reasons -----------------------------------------------------------------

struct ReasonRow {
    const char* name;
    std::errc error;
    const char* reason;
    // Test output names a row by its name.
    friend void PrintTo(const ReasonRow& row, std::ostream* out) { *out << row.name; }
};

class Reasons : public ::testing::TestWithParam<ReasonRow> {};

TEST_P(Reasons, NameTheCause) {
    EXPECT_EQ(save_failure_reason(std::make_error_code(GetParam().error)), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    SystemErrors, Reasons,
    ::testing::Values(ReasonRow{"NoFolder", std::errc::no_such_file_or_directory, "文件夹不存在"},
                      ReasonRow{"NotAFolder", std::errc::not_a_directory, "文件夹不存在"},
                      ReasonRow{"IsAFolder", std::errc::is_a_directory, "同名的文件夹已经存在"},
                      ReasonRow{"PermissionDenied", std::errc::permission_denied, "没有写入权限"},
                      ReasonRow{"NotPermitted", std::errc::operation_not_permitted, "没有写入权限"},
                      ReasonRow{"ReadOnly", std::errc::read_only_file_system, "磁盘为只读"},
                      ReasonRow{"DiskFull", std::errc::no_space_on_device, "磁盘空间不足"},
                      ReasonRow{"TooLarge", std::errc::file_too_large, "文件超出系统允许的大小"},
                      ReasonRow{"NameTooLong", std::errc::filename_too_long, "文件名太长"},
                      ReasonRow{"Busy", std::errc::device_or_resource_busy, "文件正在被使用"},
                      ReasonRow{"TextBusy", std::errc::text_file_busy, "文件正在被使用"},
                      ReasonRow{"LinkLoop", std::errc::too_many_symbolic_link_levels,
                                "链接过多或链接形成循环"},
                      ReasonRow{"Other", std::errc::io_error, "系统错误（Input/output error）"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kv::file_store
