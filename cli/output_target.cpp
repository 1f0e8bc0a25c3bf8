#include "output_target.h"

#include <sys/stat.h>

#include <array>
#include <filesystem>

#include "base/atomic_file.h"
#include "base/file_stamp.h"

namespace kw::cli {

bool isAnInput(const std::string& output, const std::string& input, CommandContext& context) {
    if (!sameFile(output, input)) {
        return false;
    }
    context.err << "\"" << output << "\" is the same file as \"" << input
                << "\"; choose another output file.\n";
    return true;
}

namespace {

// The options that name a file or device besides the positionals.
constexpr std::array<std::string_view, 4> kFileOptions{"port", "into", "log", "trace"};

// By the file itself, or by the path when neither exists yet.
bool namesOneFile(const std::string& first, const std::string& second) {
    if (sameFile(first, second)) {
        return true;
    }
    const auto fullPath = [](const std::string& path) {
        std::error_code error;
        auto full =
            std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
        return error ? std::filesystem::path() : full;
    };
    const auto firstPath = fullPath(first);
    return !firstPath.empty() && firstPath == fullPath(second);
}

}  // namespace

bool isAnotherFileOfTheCommand(const std::string& sideFile, std::string_view option,
                               const Arguments& arguments, CommandContext& context) {
    std::vector<std::string> others = arguments.positionals();
    for (const std::string_view other : kFileOptions) {
        if (other != option) {
            const auto values = arguments.values(other);
            others.insert(others.end(), values.begin(), values.end());
        }
    }
    for (const std::string& other : others) {
        if (namesOneFile(sideFile, other)) {
            context.err << "\"" << sideFile << "\" is the same file as \"" << other
                        << "\"; choose another file for --" << option << ".\n";
            return true;
        }
    }
    return false;
}

bool wouldReplaceUnforced(const std::string& output, const Arguments& arguments,
                          CommandContext& context) {
    struct stat info {};
    if (arguments.has(kForceOption.name) || ::lstat(output.c_str(), &info) != 0) {
        return false;
    }
    context.err << "\"" << output << "\" already exists; give --force to replace it.\n";
    return true;
}

bool cannotSaveTo(const std::string& output, CommandContext& context) {
    const FileWriteResult check = checkSaveTarget(output);
    if (!check) {
        context.err << check.error << '\n';
    }
    return !check;
}

}  // namespace kw::cli
