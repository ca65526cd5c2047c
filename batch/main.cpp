#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "batch/runner.h"
#include "shell/version_text.h"

namespace {

// The script is opened before the window starts, so that no file the window
// opens can take the place of a closed standard input.
int run_script(int fd, const std::string& source) {
    kv::batch::ScriptInput script(fd, source);
    kv::batch::Runner runner(std::cout, std::cerr);
    return runner.run(script);
}

int cannot_read(const std::string& source) {
    std::cerr << "cannot read " << source << ": " << std::strerror(errno) << '\n';
    return kv::batch::kUnreadableLine;
}

}  // namespace

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
    if (argc == 1 || std::string_view(argv[1]) == "-") {
        const std::string source = "the script on standard input";
        return ::fcntl(STDIN_FILENO, F_GETFD) == -1 ? cannot_read(source)
                                                    : run_script(STDIN_FILENO, source);
    }
    const std::string source = std::string("the script ") + argv[1];
    const int fd = ::open(argv[1], O_RDONLY | O_CLOEXEC);
    if (fd == -1) {
        return cannot_read(source);
    }
    const int status = run_script(fd, source);
    ::close(fd);
    return status;
}
