#include "support/AppFixture.h"

#include <QFileDevice>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool SetImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

bool CanCreateFileIn(const QString& path) {
    QFile probe(path + QStringLiteral("/.probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

LockedDirectory::LockedDirectory(const QString& path) : path_(path) {
    immutable_ = SetImmutable(path_, true);
    if (!immutable_)
        chmodded_ = QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    locked_ = (immutable_ || chmodded_) && !CanCreateFileIn(path_);
}

LockedDirectory::~LockedDirectory() {
    if (immutable_)
        SetImmutable(path_, false);
    if (chmodded_)
        QFile::setPermissions(path_,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
