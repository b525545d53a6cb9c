#include "platform/durable.h"

#include <fcntl.h>
#include <unistd.h>

namespace plat {

void make_durable(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace plat
