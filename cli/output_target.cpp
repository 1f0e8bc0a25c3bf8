#include "output_target.h"

#include <sys/stat.h>

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
