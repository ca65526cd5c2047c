#include <cerrno>
#include <string>

#include "posix_files/file_store.h"
#include "posix_files/regular_file.h"
#include "posix_files/save_errors.h"

namespace kv::file_store {

namespace {

struct Reason {
    int errors[2];  // 0: no second error
    std::string_view text;
};

// The causes a person can act on, named in their own words. A used-up disk
// quota is a full disk to the person.
constexpr Reason kReasons[] = {
    {{ENOENT, ENOTDIR}, "文件夹不存在"},
    {{EISDIR, 0}, "同名的文件夹已经存在"},
    {{EACCES, EPERM}, "没有写入权限"},
    {{EROFS, 0}, "磁盘为只读"},
    {{ENOSPC, EDQUOT}, "磁盘空间不足"},
    {{ENAMETOOLONG, 0}, "文件名太长"},
    {{EFBIG, 0}, "文件超出系统允许的大小"},
    {{EBUSY, ETXTBSY}, "文件正在被使用"},
    {{ELOOP, 0}, kLinkLoop},
};

bool is(std::error_code error, int number) {
    return number != 0 &&
           error.default_error_condition() == std::error_condition(number, std::generic_category());
}

class SaveErrorCategory final : public std::error_category {
public:
    [[nodiscard]] const char* name() const noexcept override { return "save"; }
    [[nodiscard]] std::string message(int error) const override {
        switch (static_cast<SaveError>(error)) {
            case SaveError::FileReplaced:
                return "文件在保存时被其他程序替换";
            case SaveError::TooLargeToWriteInPlace:
                return file_read::too_large_reason(kLargestReadFile);
        }
        return "系统错误（" + std::to_string(error) + "）";
    }
};

const SaveErrorCategory kSaveErrors;

}  // namespace

std::error_code make_error_code(SaveError error) {
    return {static_cast<int>(error), kSaveErrors};
}

std::string save_failure_reason(std::error_code error) {
    if (error.category() == kSaveErrors) {
        return error.message();
    }
    for (const Reason& reason : kReasons) {
        if (is(error, reason.errors[0]) || is(error, reason.errors[1])) {
            return std::string(reason.text);
        }
    }
    return "系统错误（" + error.message() + "）";
}

}  // namespace kv::file_store
