#include "unitlock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#ifdef __unix__
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace kest {

UnitLock::~UnitLock()
{
    close();
}

std::string UnitLock::fileFor(const std::string &node)
{
#ifdef __unix__
    struct stat st
    {
    };
    if (node.empty() || ::stat(node.c_str(), &st) != 0 || !S_ISCHR(st.st_mode))
        return std::string();
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    const char *tmp = std::getenv("TMPDIR");
    const std::string dir = runtime && *runtime ? runtime : tmp && *tmp ? tmp : "/tmp";
    char name[96];
    if (st.st_rdev != 0) // the device itself: every node of it, by any name
        std::snprintf(name, sizeof name, "/kest-unit-%u-%u.lock", unsigned(major(st.st_rdev)),
                      unsigned(minor(st.st_rdev)));
    else // a node without a number (a stand-in, as umockdev's): the file itself
        std::snprintf(name, sizeof name, "/kest-node-%llx-%llx.lock",
                      static_cast<unsigned long long>(st.st_dev),
                      static_cast<unsigned long long>(st.st_ino));
    return dir + name;
#else
    (void)node;
    return std::string();
#endif
}

bool UnitLock::open(const std::string &file, std::string *error)
{
    close();
#ifdef __unix__
    // Read access is enough for flock(), so another user's file serves as well.
    m_fd = ::open(file.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        if (error)
            *error = file + ": " + std::strerror(errno);
        return false;
    }
    m_file = file;
    return true;
#else
    if (error)
        *error = file + ": no lock files on this system";
    return false;
#endif
}

void UnitLock::close()
{
#ifdef __unix__
    if (m_fd >= 0)
        ::close(m_fd);
#endif
    m_fd = -1;
    m_file.clear();
}

bool UnitLock::lock(std::chrono::milliseconds bound)
{
#ifdef __unix__
    if (m_fd < 0)
        return false;
    // flock() has no time limit of its own: try, and try again after a short pause. The
    // other holder keeps it for one exchange at a time, a few milliseconds, and lets go
    // between two; a pause of 100 us finds such a gap soon without keeping a core busy.
    const auto until = std::chrono::steady_clock::now() + bound;
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
#else
    (void)bound;
    return false;
#endif
}

void UnitLock::unlock()
{
#ifdef __unix__
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_UN);
#endif
}

} // namespace kest
