#include "base/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

namespace kw {

void keepStandardStreamsOpen() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0) {
            continue;
        }
        // open() takes the lowest free number: this one, as the lower ones are open.
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::close(opened);
        }
    }
}

}  // namespace kw
