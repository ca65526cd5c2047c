#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

#include "batch/runner.h"
#include "shell/version_text.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--compare") {
        kv::batch::Runner runner(std::cout, std::cerr);
        return runner.compare_files(argv[2], argv[3]);
    }
    if (argc > 2) {
        std::cerr << kv::batch::usage_text();
        return kv::batch::kUnreadableLine;
    }
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << kv::batch::usage_text();
        return kv::batch::kAllRan;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << kv::version_text("kv2841a-batch");
        return kv::batch::kAllRan;
    }
    kv::batch::Runner runner(std::cout, std::cerr);
    if (argc == 1 || std::string_view(argv[1]) == "-") {
        return runner.run(std::cin);
    }
    std::error_code error;
    std::ifstream script(argv[1], std::ios::binary);
    if (!script || std::filesystem::is_directory(argv[1], error)) {
        std::cerr << "cannot read the script " << argv[1] << '\n';
        return kv::batch::kUnreadableLine;
    }
    return runner.run(script);
}
