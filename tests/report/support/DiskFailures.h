#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <csignal>
#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

// Real failures of writing a file, also for root, whom file permissions do not stop.

// While it lives, writing a file beyond bytes fails with EFBIG ("File too large"): the process's file
// size limit, with the signal that would otherwise end the process ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
    void (*m_signal)(int) = SIG_DFL;
};

// A disk of 64 KB of its own (a tmpfs) mounted on folder while it lives; Fill() takes its last byte,
// after which writing there fails with ENOSPC. Mounting needs the right to (root, outside a container
// that withholds it): Mounted() says whether it worked.
class SmallDisk {
public:
    explicit SmallDisk(const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        m_mounted = mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool Mounted() const { return m_mounted; }
    // Writes the file "filler" until the disk takes no further byte.
    void Fill() const
    {
        QFile filler(QDir(QFile::decodeName(m_folder)).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        for (const qsizetype chunk : {4096, 1}) {
            while (filler.write(QByteArray(chunk, 'x')) == chunk) {
            }
        }
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// While it lives, the process acts as the user and group "nobody" (65534), for whom root's files are
// as closed as another user's, a member of the group "users" (100) besides; back to root at the end.
// Only root can switch: Switched() says whether it did.
class ActingAsNobody {
public:
    ActingAsNobody()
    {
        m_groups.resize(getgroups(0, nullptr));
        getgroups(static_cast<int>(m_groups.size()), m_groups.data());
        const gid_t users = Users;
        m_switched = setgroups(1, &users) == 0 && setegid(Nobody) == 0 && seteuid(Nobody) == 0;
    }
    ~ActingAsNobody()
    {
        if (m_switched && seteuid(0) == 0 && setegid(0) == 0)
            setgroups(m_groups.size(), m_groups.data());
    }
    ActingAsNobody(const ActingAsNobody &) = delete;
    ActingAsNobody &operator=(const ActingAsNobody &) = delete;

    static constexpr uid_t Nobody = 65534;
    static constexpr gid_t Users = 100;
    bool Switched() const { return m_switched; }

private:
    std::vector<gid_t> m_groups;
    bool m_switched = false;
};
