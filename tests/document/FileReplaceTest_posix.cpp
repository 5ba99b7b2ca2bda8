#include "document/FileReplace.h"

#include "document/VolmarError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
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

mode_t TypeOf(const QString& path) {
    struct stat status {};
    lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & S_IFMT;
}

bool MakeNode(const QByteArray& path, mode_t type) {
    if (type == S_IFDIR)
        return mkdir(path, 0755) == 0;
    if (type != S_IFSOCK) // devices only for the superuser
        return mknod(path, type | 0644, type == S_IFCHR ? makedev(1, 3) : 0) == 0;
    sockaddr_un address{AF_UNIX, {}};
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool made = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return made;
}

} // namespace

// Replacing what is not a regular file would destroy it (a device, a pipe
// another program reads): it is refused and stays as it was, also behind a link.
TEST(FileReplace, RefusesWhatIsNotARegularFile) {
    QTemporaryDir dir;
    const std::pair<mode_t, QString> cases[] = {
        {S_IFDIR, volmar::IsAFolderReason()},
        {S_IFIFO, "Not a regular file (FIFO)"},
        {S_IFSOCK, "Not a regular file (socket)"},
        {S_IFCHR, "Not a regular file (character device)"},
    };
    for (const auto& [type, reason] : cases) {
        const QString path = dir.filePath(QString::number(type));
        if (!MakeNode(QFile::encodeName(path), type)) {
            EXPECT_EQ(type, mode_t(S_IFCHR)) << "cannot make " << type;
            continue;
        }
        const QString link = path + QStringLiteral(".link");
        ASSERT_TRUE(QFile::link(path, link));
        for (const QString& target : {path, link})
            EXPECT_EQ(Failure(target), QStringLiteral("ファイル \"%1\" を作成できません。%2")
                                           .arg(volmar::MessagePath(target), reason));
        EXPECT_EQ(TypeOf(path), type);
        EXPECT_EQ(TypeOf(link), mode_t(S_IFLNK));
    }
}

// The new file takes the old one's place with its permission bits, owner and
// group; a link is written through and stays a link.
TEST(FileReplace, KeepsPermissionsOwnerAndLinks) {
    QTemporaryDir dir;
    const bool superuser = geteuid() == 0;
    for (const auto& [mode, viaLink] : {std::pair{0444, false}, {0640, true}, {0755, false}}) {
        if (!superuser && !(mode & S_IWUSR))
            continue; // only the superuser may replace a file it cannot write
        const QString path = dir.filePath(QString::number(mode));
        const QByteArray name = QFile::encodeName(path);
        ReplaceFileContent(path, "old");
        ASSERT_TRUE(QFile::link(path, path + QStringLiteral(".link")));
        ASSERT_EQ(chmod(name, mode_t(mode)), 0);
        const bool owned = superuser && chown(name, 4321, 8765) == 0;
        ReplaceFileContent(viaLink ? path + QStringLiteral(".link") : path, "new");
        struct stat status {};
        ASSERT_EQ(stat(name, &status), 0);
        EXPECT_EQ(status.st_mode & 07777, mode_t(mode));
        EXPECT_TRUE(!owned || (status.st_uid == 4321 && status.st_gid == 8765));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == "new");
        EXPECT_EQ(TypeOf(path + QStringLiteral(".link")), mode_t(S_IFLNK));
    }
}

// The set-user-ID, set-group-ID and sticky bits stay too; the owner is set
// before the bits, since setting it clears set-user-ID.
TEST(FileReplace, KeepsSetIdAndStickyBits) {
    QTemporaryDir dir;
    for (const mode_t mode : {04755, 02750, 01644}) {
        const QString path = dir.filePath(QString::number(mode, 8));
        const QByteArray name = QFile::encodeName(path);
        ReplaceFileContent(path, "old");
        struct stat status {};
        if (chmod(name, mode) != 0 || stat(name, &status) != 0 || (status.st_mode & 07777) != mode)
            GTEST_SKIP() << "this file system does not keep mode " << std::oct << mode;
        ReplaceFileContent(path, "new");
        ASSERT_EQ(stat(name, &status), 0);
        EXPECT_EQ(status.st_mode & 07777, mode) << std::oct << mode;
    }
}
