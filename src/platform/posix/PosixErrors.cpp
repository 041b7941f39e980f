#include "platform/Errors.h"

#include <cerrno>
#include <cstring>

namespace tidecopy {

std::error_code errorFromNative(int nativeError) {
    return {nativeError, std::generic_category()};
}

std::error_code lastNativeError() {
    return errorFromNative(errno != 0 ? errno : EIO);
}

std::string describeError(std::error_code error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category())
        return std::strerror(error.value());
    return error.message();
}

} // namespace tidecopy
