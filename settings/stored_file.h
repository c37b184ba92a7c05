// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace settings
{

// Why a file could not be read or replaced.
enum class FileProblem {
    None,
    // The file exists but cannot be opened or read, is not a regular file, or is too large.
    Unreadable,
    // Someone else replaced or changed the file after it was read.
    ChangedElsewhere,
    // The folder is missing and cannot be created, or there is no path.
    NoFolder,
    // The new contents could not be written whole and safely (a full disk, a file size limit,
    // a folder that refuses new files, an I/O error).
    WriteFailed,
};

struct FileOutcome {
    FileProblem problem = FileProblem::None;
    int error = 0; // errno of the failing call, 0 when none applies
    QString reason; // for the log, in English
    bool ok() const
    {
        return problem == FileProblem::None;
    }
};

// One small file that Lumo reads at start and replaces at save, never losing what is there:
// a save writes a temporary file in the same folder, checks every write, flushes it to the
// disk and only then renames it over the old one, so a failure keeps the old file byte for
// byte. A symbolic link at the path is replaced by the new file; the file it pointed to is
// left alone. A save never replaces a file that exists but could not be read, nor one that
// changed since this object read or wrote it (another running Lumo saved meanwhile).
class StoredFile
{
public:
    // How a file longer than the reading limit is treated.
    enum class Longer {
        ReadHead, // its first maxBytes bytes are read
        Unreadable, // the whole file is refused
    };

    StoredFile(QString path, std::int64_t maxBytes, Longer longer);

    const QString &path() const;

    // Returns the file's bytes (at most maxBytes), or nullopt when there is no file or it cannot
    // be read. Only regular files are read: a FIFO, a device or a folder is unreadable, and
    // opening never waits.
    std::optional<QByteArray> read();

    // Replaces the file with bytes, creating its folder when missing. Refuses, keeping the file,
    // when it is unreadable now or was at read(), or when a file is there that differs from the
    // one read() saw or the last write() left (none at all may be written). Before any read()
    // or write() there is nothing to compare, so only the first two checks apply.
    FileOutcome write(QByteArrayView bytes);

    // What identifies the file's contents without reading them: a replaced or rewritten file
    // differs in one of these.
    struct Stamp {
        bool exists = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modifiedSeconds = 0;
        std::int64_t modifiedNanoseconds = 0;
        bool operator==(const Stamp &) const = default;
    };

private:
    QString m_path;
    std::int64_t m_maxBytes;
    Longer m_longer;
    FileProblem m_readProblem = FileProblem::None;
    std::optional<Stamp> m_known;
};

// Prints "Lumo: could not save WHAT to PATH: REASON" on stderr when outcome is a failure.
void logFailedSave(const FileOutcome &outcome, const char *what, const QString &path);

} // namespace settings
