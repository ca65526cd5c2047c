#include <cerrno>

#include "posix_files/file_store.h"

namespace kv::file_store {

namespace {

struct Reason {
    int errors[2];  // 0: no second error
    std::string_view text;
};

// The causes a person can act on, named in their own words. A used-up disk
// quota is a full disk to the person.
constexpr Reason kReasons[] = {
    {{ENOENT, ENOTDIR}, "文件夹不存在"},    {{EISDIR, 0}, "同名的文件夹已经存在"},
    {{EACCES, EPERM}, "没有写入权限"},      {{EROFS, 0}, "磁盘为只读"},
    {{ENOSPC, EDQUOT}, "磁盘空间不足"},     {{ENAMETOOLONG, 0}, "文件名太长"},
    {{EFBIG, 0}, "文件超出系统允许的大小"}, {{EBUSY, ETXTBSY}, "文件正在被使用"},
    {{ELOOP, 0}, "链接过多或链接形成循环"},
};

bool is(std::error_code error, int number) {
    return number != 0 &&
           error.default_error_condition() == std::error_condition(number, std::generic_category());
}

}  // namespace

std::string save_failure_reason(std::error_code error) {
    for (const Reason& reason : kReasons) {
        if (is(error, reason.errors[0]) || is(error, reason.errors[1])) {
            return std::string(reason.text);
        }
    }
    return "系统错误（" + error.message() + "）";
}

}  // namespace kv::file_store
