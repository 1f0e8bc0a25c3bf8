#pragma once
// The one place where command lines are taken apart: positional words and --options.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kw::cli {

struct OptionSpec {
    std::string_view name;  // without the leading "--"
    bool takesValue = true;
    bool repeatable = false;
};

class Arguments {
  public:
    // Fails with a sentence in `error` on an unknown option, a missing value or a repeat.
    [[nodiscard]] static std::optional<Arguments> parse(std::span<const std::string> words,
                                                        std::span<const OptionSpec> options,
                                                        std::string& error);

    const std::vector<std::string>& positionals() const { return positionals_; }
    bool has(std::string_view option) const;
    // The value of a single-valued option, or `fallback` when it was not given.
    std::string value(std::string_view option, std::string_view fallback = {}) const;
    std::vector<std::string> values(std::string_view option) const;

  private:
    std::vector<std::string> positionals_;
    std::map<std::string, std::vector<std::string>, std::less<>> options_;
};

}  // namespace kw::cli
