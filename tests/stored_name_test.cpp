#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "posix_files/stored_name.h"
#include "support/save_folder.h"

// A name chosen in a dialog that shows bytes which are not UTF-8 as U+FFFD
// reaches the file that was listed, byte for byte.
namespace kv::file_store {
namespace {

namespace fs = std::filesystem;

struct NameRow {
    const char* name;
    std::vector<std::string> made;  // files made in the folder, "/" ending a folder
    std::string shown;
    std::string stored;
    friend void PrintTo(const NameRow& row, std::ostream* out) { *out << row.name; }
};

class StoredName : public test::SaveFolder, public ::testing::WithParamInterface<NameRow> {};

TEST_P(StoredName, IsTheListedFile) {
    const NameRow& row = GetParam();
    for (const std::string& name : row.made) {
        if (name.ends_with('/')) {
            fs::create_directories(at(name));
        } else {
            test::write(at(name), "FFF00\t");
        }
    }
    EXPECT_EQ(stored_name(at(row.shown).string()), at(row.stored).string());
}

INSTANTIATE_TEST_SUITE_P(
    Names, StoredName,
    ::testing::Values(
        NameRow{"Latin1Byte", {"r\xE9g.txt"}, "r\uFFFDg.txt", "r\xE9g.txt"},
        NameRow{"RunOfBytes", {"r\xE9\xE9g.txt"}, "r\uFFFD\uFFFDg.txt", "r\xE9\xE9g.txt"},
        NameRow{"CutSequence", {"r\xE2\x82g.txt"}, "r\uFFFDg.txt", "r\xE2\x82g.txt"},
        NameRow{
            "InFolder", {"b\xFF/", "b\xFF/r\xE9g.txt"}, "b\uFFFD/r\uFFFDg.txt", "b\xFF/r\xE9g.txt"},
        NameRow{"NewFileInFolder", {"b\xFF/"}, "b\uFFFD/new.txt", "b\xFF/new.txt"},
        NameRow{"ValidNameKept", {"r\xC3\xA9g.txt"}, "r\xC3\xA9g.txt", "r\xC3\xA9g.txt"},
        NameRow{"ReplacementCharacterOnDisk",
                {"r\uFFFDg.txt", "r\xE9g.txt"},
                "r\uFFFDg.txt",
                "r\uFFFDg.txt"},
        NameRow{"TwoShowAlike", {"r\xE9g.txt", "r\xE8g.txt"}, "r\uFFFDg.txt", "r\uFFFDg.txt"},
        NameRow{"NoneShowAlike", {"regs.txt"}, "r\uFFFDg.txt", "r\uFFFDg.txt"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kv::file_store
