#include "document/FileReplace.h"

#include "document/VolmarError.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using volmar::ReplaceFileContent;

namespace {

QString Failure(const QString& path) {
    try {
        ReplaceFileContent(path, "new");
    } catch (const volmar::VolmarError& error) {
        return error.message();
    }
    return {};
}

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

mode_t TypeOf(const QString& path) {
    struct stat status {};
    lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & S_IFMT;
}

bool MakeSocket(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const bool made = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return made;
}

} // namespace

// Replacing what is not a regular file would destroy it (a device, a pipe
// another program reads): it is refused and stays as it was, also behind a link.
TEST(FileReplace, RefusesWhatIsNotARegularFile) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    struct Case {
        const char* name;
        std::function<bool(const QString&)> make;
        const char* reason;
    };
    const Case cases[] = {
        {"folder", [](const QString& p) { return mkdir(QFile::encodeName(p), 0755) == 0; },
         nullptr},
        {"fifo", [](const QString& p) { return mkfifo(QFile::encodeName(p), 0644) == 0; },
         "Not a regular file (FIFO)"},
        {"socket", MakeSocket, "Not a regular file (socket)"},
        {"device",
         [](const QString& p) {
             return mknod(QFile::encodeName(p), S_IFCHR | 0666, makedev(1, 3)) == 0;
         },
         "Not a regular file (character device)"},
    };
    for (const Case& c : cases) {
        const QString path = at(c.name);
        if (!c.make(path)) {
            EXPECT_EQ(QLatin1String(c.name), QLatin1String("device")) << "cannot make " << c.name;
            continue; // only the superuser makes devices
        }
        const QString link = path + QStringLiteral(".link");
        ASSERT_TRUE(QFile::link(path, link));
        const mode_t type = TypeOf(path);
        const QString reason = c.reason ? QString::fromLatin1(c.reason) : volmar::IsAFolderReason();
        for (const QString& target : {path, link})
            EXPECT_EQ(Failure(target), QStringLiteral("ファイル \"%1\" を作成できません。%2")
                                           .arg(volmar::MessagePath(target), reason));
        EXPECT_EQ(TypeOf(path), type) << c.name;
        EXPECT_EQ(TypeOf(link), mode_t(S_IFLNK)) << c.name;
    }
}

// The new file takes the old one's place with its permission bits, owner and
// group; a link is written through and stays a link.
TEST(FileReplace, KeepsPermissionsOwnerAndLinks) {
    QTemporaryDir dir;
    const bool superuser = geteuid() == 0;
    const struct {
        mode_t mode;
        bool viaLink;
    } cases[] = {{0444, false}, {0640, true}, {0755, false}, {0600, true}};
    for (const auto& [mode, viaLink] : cases) {
        if (!superuser && !(mode & S_IWUSR))
            continue; // only the superuser may replace a file it cannot write
        const QString path = dir.filePath(QStringLiteral("f%1").arg(mode, 0, 8));
        const QString link = path + QStringLiteral(".link");
        ReplaceFileContent(path, "old");
        ASSERT_TRUE(QFile::link(path, link));
        const QByteArray name = QFile::encodeName(path);
        ASSERT_EQ(chmod(name, mode), 0);
        const bool owned = superuser && chown(name, 4321, 8765) == 0;
        ReplaceFileContent(viaLink ? link : path, "new");
        struct stat status {};
        ASSERT_EQ(stat(name, &status), 0);
        EXPECT_EQ(status.st_mode & 07777, mode);
        if (owned) {
            EXPECT_EQ(status.st_uid, 4321u);
            EXPECT_EQ(status.st_gid, 8765u);
        }
        EXPECT_EQ(Content(path), "new");
        EXPECT_EQ(TypeOf(link), mode_t(S_IFLNK));
    }
}
