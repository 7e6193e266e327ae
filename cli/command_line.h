#pragma once
// Reading the korvat command's arguments: taking an option's value, and the
// nearest known name to one the user mistyped.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvat::cli {

// The arguments after the command's name, read one at a time.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}
  bool Done() const { return next_ >= args_.size(); }
  const std::string& Next() { return args_[next_++]; }
  // The value of the option just read; nothing when the arguments end.
  std::optional<std::string> Value() {
    if (Done()) return std::nullopt;
    return args_[next_++];
  }

 private:
  std::vector<std::string> args_;
  std::size_t next_ = 0;
};

// The candidate closest to name (letters compared without regard to case), when
// it is close enough to be a slip of the fingers; empty otherwise.
std::string NearestName(std::string_view name, const std::vector<std::string>& candidates);

// " (did you mean X?)" for the nearest candidate, or nothing.
std::string DidYouMean(std::string_view name, const std::vector<std::string>& candidates);

}  // namespace korvat::cli
