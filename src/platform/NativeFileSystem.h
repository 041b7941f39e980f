#pragma once

// The file system of the system this program is built for, as a class: tests derive from
// it to plant faults, and the benchmarks use it without the rest of the platform.
#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
namespace tidecopy {
using NativeFileSystem = Win32FileSystem;
}
#else
#include "platform/posix/PosixFileSystem.h"
namespace tidecopy {
using NativeFileSystem = PosixFileSystem;
}
#endif
