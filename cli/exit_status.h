#pragma once
// The korvat command's exit statuses, which scripts test.

namespace korvat::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;     // bad usage, an unreadable file, a failed save
inline constexpr int kExitMessages = 3;  // the run succeeded and the library showed a message box

}  // namespace korvat::cli
