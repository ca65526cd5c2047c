#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "panel/kv2841a.h"
#include "posix_files/file_store.h"
#include "register_lists/register_lists.h"
#include "support/window_fixture.h"
#include "window/window.h"

// The save commands of the window on a real folder, with real faults: every
// way a save can fail leaves the file that was there byte for byte as it was,
// leaves no temporary file, tells the person, and changes nothing in the image.
namespace kv::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOldBytes = "0x00,0x0F,0xFF,0x00,\r\nan older register list\r\n";

// The desktop's file store behind a scripted dialog and scripted answers.
class DiskPlatform final : public Platform {
public:
    MessageAnswer message_box(const Message& message) override {
        messages.push_back(message);
        return message.buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok;
    }
    bool show_save_dialog(CommonDialog& dialog) override {
        if (!name) {
            return false;
        }
        dialog.file_name = *name;
        return true;
    }
    bool plain_file_exists(const std::string& path) override {
        return file_store::plain_file_exists(path);
    }
    SaveResult save_file(const std::string& path, std::string_view bytes) override {
        before_write();
        SaveResult result = file_store::save_file_safely(path, bytes);
        after_write();
        return result;
    }
    // These faults are met by saving; nothing here opens a file.
    bool show_open_dialog(CommonDialog&) override { return false; }
    ReadResult read_file(const std::string&) override { return {}; }
    void set_focus(const Control&) override {}
    void show_window(WindowName) override {}
    void close_window(WindowName) override {}

    std::optional<std::string> name;
    MessageAnswer answer = MessageAnswer::Yes;
    std::function<void()> before_write = [] {};
    std::function<void()> after_write = [] {};
    std::vector<Message> messages;
};

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The file size limit stops the write part way, as a full disk does.
void limit_file_size() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

void lift_file_size_limit() {
    const rlimit limit{RLIM_INFINITY, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

struct Command {
    const char* name;
    bool (*click)(Kv2841a&);
    std::string (*layout)(std::span<const std::string>);
};

const Command kCommands[] = {
    {"Menu", [](Kv2841a& w) { return w.save_file.click(); }, spi_list},
    {"Spi", [](Kv2841a& w) { return w.save_reg_list.click(); }, spi_list},
    {"C", [](Kv2841a& w) { return w.SaveHexList.click(); }, c_list},
    {"No", [](Kv2841a& w) { return w.SaveTipList.click(); }, no_list},
};

// How the save goes wrong, and what the person is told (empty: nothing).
enum class Fault {
    None,
    Cancelled,
    BlankName,
    AnsweredNo,
    MissingFolder,
    FolderIsAFile,
    TargetIsAFolder,
    DiskFullPartWay,
    DiskFullInPlace,
    ReadOnlyFile,
    ReadOnlyFolder,
};

struct Case {
    Command command;
    Fault fault;
    const char* fault_name;
    const char* reason;
    friend void PrintTo(const Case& row, std::ostream* out) {
        *out << row.command.name << row.fault_name;
    }
};

struct Tally {
    int faults = 0;
    long bytes_lost = 0;
};
Tally tally;

class SaveFaults : public ::testing::TestWithParam<Case> {
protected:
    SaveFaults() {
        std::string pattern = (fs::temp_directory_path() / "kv2841a-faults-XXXXXX").string();
        folder_ = fs::path(::mkdtemp(pattern.data()));
        fs::permissions(folder_, fs::perms(0777));
        Form_Load(w);
        w.Combo2.pick("40");  // an image unlike the old file
        write(old_file(), kOldBytes);
    }
    ~SaveFaults() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }
    static void TearDownTestSuite() {
        std::cout << "faults injected " << tally.faults << ", bytes lost " << tally.bytes_lost
                  << std::endl;
    }

    fs::path old_file() const { return folder_ / "regs.txt"; }

    // The file that holds the old bytes, and the name the dialog answers with.
    std::string prepare(Fault fault) {
        switch (fault) {
            case Fault::Cancelled:
                platform.name.reset();
                return old_file().string();
            case Fault::BlankName:
                platform.name = "   ";
                return old_file().string();
            case Fault::AnsweredNo:
                platform.answer = MessageAnswer::No;
                break;
            case Fault::MissingFolder:
                platform.name = (folder_ / "missing" / "regs.txt").string();
                return old_file().string();
            case Fault::FolderIsAFile:
                platform.name = (old_file() / "regs.txt").string();
                return old_file().string();
            case Fault::TargetIsAFolder:
                fs::create_directory(folder_ / "folder.txt");
                write(folder_ / "folder.txt" / "inside", kOldBytes);
                platform.name = (folder_ / "folder.txt").string();
                return (folder_ / "folder.txt" / "inside").string();
            case Fault::DiskFullInPlace:
                // A second name makes the save write into the file itself.
                fs::create_hard_link(old_file(), folder_ / "second.txt");
                [[fallthrough]];
            case Fault::DiskFullPartWay:
                platform.before_write = limit_file_size;
                platform.after_write = lift_file_size_limit;
                break;
            case Fault::ReadOnlyFile:
                fs::permissions(old_file(), fs::perms(0444));
                break;
            case Fault::ReadOnlyFolder:
                fs::permissions(folder_, fs::perms(0555));
                break;
            case Fault::None:
                break;
        }
        platform.name = old_file().string();
        return old_file().string();
    }

    // The save as an ordinary user, in a child process when the tests run as
    // the system administrator, whom permission bits do not stop. The child
    // reports through its exit status: 0 when it was told of the failure.
    void save_without_privileges() {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                std::_Exit(3);
            }
            GetParam().command.click(w);
            const bool told =
                !platform.messages.empty() &&
                platform.messages.back().text.find(GetParam().reason) != std::string::npos;
            std::_Exit(told ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the child was not told '" << GetParam().reason << "'";
    }

    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            out.insert(entry.path().filename().string());
        }
        return out;
    }

    DiskPlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    fs::path folder_;
};

std::vector<std::string> image(const Kv2841a& w) {
    std::vector<std::string> out;
    for (const TextBox& box : w.Text1) {
        out.push_back(box.text() + (box.back_color() == kHighlight ? "*" : "-"));
    }
    return out;
}

TEST_P(SaveFaults, LoseNoByte) {
    const Case& row = GetParam();
    const std::string kept = prepare(row.fault);
    const auto names_before = names();
    const auto image_before = image(w);
    std::vector<std::string> words;
    for (const TextBox& box : w.Text1) {
        words.push_back(box.text());
    }
    if (row.fault == Fault::ReadOnlyFile || row.fault == Fault::ReadOnlyFolder) {
        save_without_privileges();
    } else {
        ASSERT_TRUE(row.command.click(w));
    }
    fs::permissions(folder_, fs::perms(0777));
    EXPECT_EQ(image(w), image_before);
    if (row.fault == Fault::None) {
        EXPECT_EQ(read(kept), row.command.layout(words));
        EXPECT_TRUE(platform.messages.empty() ||
                    platform.messages[0].buttons == MessageButtons::YesNo);
        return;
    }
    ++tally.faults;
    const std::string now = read(kept);
    if (now != kOldBytes) {
        tally.bytes_lost += static_cast<long>(std::string(kOldBytes).size());
    }
    EXPECT_EQ(now, kOldBytes);
    EXPECT_EQ(names(), names_before) << "a temporary file was left";
    if (std::string(row.reason).empty() || row.fault == Fault::ReadOnlyFile ||
        row.fault == Fault::ReadOnlyFolder) {
        return;
    }
    ASSERT_FALSE(platform.messages.empty());
    const Message& told = platform.messages.back();
    EXPECT_EQ(told.title, "警告");
    EXPECT_EQ(told.text, *platform.name + "\n文件保存失败：" + row.reason);
}

std::vector<Case> all_cases() {
    const std::vector<std::tuple<Fault, const char*, const char*>> faults = {
        {Fault::None, "Writes", ""},
        {Fault::Cancelled, "Cancelled", ""},
        {Fault::BlankName, "BlankName", ""},
        {Fault::AnsweredNo, "AnsweredNo", ""},
        {Fault::MissingFolder, "MissingFolder", "文件夹不存在"},
        {Fault::FolderIsAFile, "FolderIsAFile", "文件夹不存在"},
        {Fault::TargetIsAFolder, "TargetIsAFolder", "同名的文件夹已经存在"},
        {Fault::DiskFullPartWay, "DiskFullPartWay", "文件超出系统允许的大小"},
        {Fault::DiskFullInPlace, "DiskFullInPlace", "文件超出系统允许的大小"},
        {Fault::ReadOnlyFile, "ReadOnlyFile", "没有写入权限"},
        {Fault::ReadOnlyFolder, "ReadOnlyFolder", "没有写入权限"},
    };
    std::vector<Case> out;
    for (const Command& command : kCommands) {
        for (const auto& [fault, name, reason] : faults) {
            out.push_back({command, fault, name, reason});
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, SaveFaults, ::testing::ValuesIn(all_cases()),
                         [](const auto& row) {
                             return std::string(row.param.command.name) + row.param.fault_name;
                         });

}  // namespace
}  // namespace kv::test
