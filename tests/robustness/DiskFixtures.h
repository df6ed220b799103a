#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <sys/mount.h>
#include <unistd.h>

namespace kemurina::testing {

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Every entry under a folder with its bytes ("<dir>" for folders): compared before and
// after, it shows anything written, replaced, left behind or removed.
inline QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        entries[name] = it.fileInfo().isDir() ? QByteArray("<dir>") : fileBytes(path);
    }
    return entries;
}

inline bool runningAsRoot() {
    return geteuid() == 0;
}

// A tmpfs mounted on an existing folder for the lifetime of the object (root only).
class TmpfsMount {
  public:
    TmpfsMount(const QString& where, const char* options, unsigned long flags = 0)
        : m_where(QFile::encodeName(where)) {
        m_mounted = ::mount("tmpfs", m_where.constData(), "tmpfs", flags, options) == 0;
    }
    ~TmpfsMount() {
        if (m_mounted)
            ::umount2(m_where.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }
    // Makes the mounted folder read-only for everyone, root included.
    bool remountReadOnly() {
        return m_mounted &&
               ::mount(nullptr, m_where.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    QByteArray m_where;
    bool m_mounted = false;
};

// A file or folder bound onto itself read-only for the lifetime of the object (root only):
// then even root cannot write it.
class ReadOnlyBind {
  public:
    explicit ReadOnlyBind(const QString& path) : m_path(QFile::encodeName(path)) {
        m_bound = ::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0;
        m_readOnly = m_bound && ::mount(nullptr, m_path.constData(), nullptr,
                                        MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyBind() {
        if (m_bound)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    ReadOnlyBind(const ReadOnlyBind&) = delete;
    ReadOnlyBind& operator=(const ReadOnlyBind&) = delete;

    bool readOnly() const { return m_readOnly; }

  private:
    QByteArray m_path;
    bool m_bound = false;
    bool m_readOnly = false;
};

} // namespace kemurina::testing
