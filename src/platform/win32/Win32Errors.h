#pragma once

#include <system_error>

namespace tidecopy {

// The error of a native NT call (an NTSTATUS), as the Win32 error it stands for.
std::error_code errorFromStatus(long status);

} // namespace tidecopy
