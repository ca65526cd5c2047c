#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "posix_files/file_store.h"
#include "posix_files/regular_file.h"

// Reading a file from the disk for opening: what is not a regular file of a
// sane size is refused at once, with the reason for the person; a pipe with no
// writer, or a device, never makes the program wait.
namespace kv::test {
namespace {

namespace fs = std::filesystem;

class RegularFile : public ::testing::Test {
protected:
    RegularFile() {
        folder = fs::temp_directory_path() / ("kv-read-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~RegularFile() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }

    std::string write(const std::string& name, const std::string& bytes) const {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path folder;
};

TEST_F(RegularFile, IsReadWhole) {
    const std::string bytes("Reg0\tFFF00\r\n\0\xff", 14);
    const ReadResult result = file_read::read_regular_file(write("regs.txt", bytes));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.bytes, bytes);
}

TEST_F(RegularFile, UpToTheLimitIsReadAndOneByteMoreIsRefused) {
    EXPECT_TRUE(
        file_read::read_regular_file(write("full.txt", std::string(kLargestReadFile, 'F'))).ok);
    const ReadResult result =
        file_read::read_regular_file(write("big.txt", std::string(kLargestReadFile + 1, 'F')));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "文件大于1 MiB");
}

TEST_F(RegularFile, FolderIsRefused) {
    const ReadResult result = file_read::read_regular_file(folder.string());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "这是一个文件夹");
}

TEST_F(RegularFile, MissingFileIsRefused) {
    const ReadResult result = file_read::read_regular_file((folder / "none.txt").string());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "文件不存在");
}

TEST_F(RegularFile, PipeWithoutWriterIsRefusedAtOnce) {
    const std::string pipe = (folder / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const ReadResult result = file_read::read_regular_file(pipe);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "不是普通文件（设备、管道或套接字）");
}

TEST_F(RegularFile, DevicesAreRefused) {
    for (const char* device : {"/dev/zero", "/dev/null", "/dev/tty"}) {
        const ReadResult result = file_read::read_regular_file(device);
        EXPECT_FALSE(result.ok) << device;
    }
    EXPECT_EQ(file_read::read_regular_file("/dev/zero").reason,
              "不是普通文件（设备、管道或套接字）");
}

TEST_F(RegularFile, LinkToAFileIsFollowed) {
    const std::string target = write("regs.txt", "FFF00\t");
    fs::create_symlink(target, folder / "link.txt");
    EXPECT_EQ(file_read::read_regular_file((folder / "link.txt").string()).bytes, "FFF00\t");
}

// Opening and saving name a loop of links, in the file's name or its
// folder's, with one reason.
TEST_F(RegularFile, LinkLoopIsRefusedAsSavingRefusesIt) {
    fs::create_symlink("b.txt", folder / "a.txt");
    fs::create_symlink("a.txt", folder / "b.txt");
    for (const fs::path& path : {folder / "a.txt", folder / "a.txt" / "regs.txt"}) {
        const ReadResult result = file_read::read_regular_file(path.string());
        EXPECT_FALSE(result.ok) << path;
        EXPECT_EQ(result.reason, file_store::save_file_safely(path.string(), "").reason) << path;
    }
}

TEST_F(RegularFile, UnreadableFileIsRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads every file";
    }
    const std::string path = write("secret.txt", "FFF00\t");
    fs::permissions(path, fs::perms::none);
    const ReadResult result = file_read::read_regular_file(path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "没有读取权限");
}

}  // namespace
}  // namespace kv::test
