#pragma once

#include <string>
#include <system_error>

namespace tidecopy {

// Native errors become std::error_code here and only here.
std::error_code errorFromNative(int nativeError);

// The error of the last failed OS call of this thread.
std::error_code lastNativeError();

// The platform's own description of an error, as users see it in log lines.
std::string describeError(std::error_code error);

} // namespace tidecopy
