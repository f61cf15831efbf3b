#pragma once
// ProfileFile: an initialisation file of "[section]" lines and "key=value"
// lines, read and written one key at a time with the platform's profile
// semantics:
//   - every read opens the file anew; nothing is cached;
//   - a write changes one key in place and keeps every other line byte for
//     byte; a missing file, section or key is created;
//   - section and key names match without regard to ASCII case; the first
//     matching section and the first matching key in it count;
//   - names and values are trimmed of blanks on reading; a value is read
//     back up to maxValueLength characters;
//   - the file is Shift-JIS (code page 932) on disk, so files written by
//     earlier versions read as they stand;
//   - a write goes to a temporary file in the same folder that then replaces
//     the file, so a crash never leaves half a file.

#include <QString>
#include <QStringView>

namespace hoshi {

class ProfileFile {
public:
    static constexpr int maxValueLength = 2047;

    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }

    // The value of key in section, or fallback when the file, the section or
    // the key is missing. Bytes that are not code page 932 read as U+FFFD.
    QString read(QStringView section, QStringView key, const QString& fallback = {}) const;

    // Sets key in section to value, as given.
    // Throws Error "<file name> に書き込めません" when the file cannot be
    // read or replaced, and ConversionError when a text holds a character
    // code page 932 lacks; in both cases the file stays as it was.
    void write(QStringView section, QStringView key, const QString& value) const;

private:
    QString path_;
};

} // namespace hoshi
