#include "document_lock.h"

namespace kw::cli {

std::optional<FileLock> lockForChange(const std::string& path, CommandContext& context) {
    std::string error;
    auto lock = FileLock::acquire(path, error);
    if (!lock) {
        context.err << error << '\n';
    }
    return lock;
}

}  // namespace kw::cli
