#include "profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "errors.h"
#include "sjis.h"

namespace hoshi {

namespace {

// One line of the file as it is on disk: its text, and the terminator that
// follows it ("\r\n", "\n", or nothing on an unterminated last line).
struct Line {
    std::string_view text;
    std::string_view eol;
};

// Lines end in "\r\n", "\n" or a lone "\r" (old Macintosh files).
std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(
                {bytes, bytes.substr(bytes.size())}); // an empty end that still points into the text
            break;
        }
        const size_t eolLength =
            bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
        lines.push_back({bytes.substr(0, end), bytes.substr(end, eolLength)});
        bytes.remove_prefix(end + eolLength);
    }
    return lines;
}

// A file saved by an editor in UTF-8 with a byte-order mark: its text is
// UTF-8, and the mark is no part of the first line.
bool isUtf8File(std::string_view& bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (!bytes.starts_with(bom)) return false;
    bytes.remove_prefix(bom.size());
    return true;
}

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Code page 932 to text. A hand-edited file may hold bytes that are not
// code page 932: those characters become U+FFFD and the rest reads as usual.
QString decode(std::string_view bytes) {
    return fromUtf8(sjisToUtf8Lenient(bytes));
}

std::string encode(QStringView text) {
    return utf8ToSjis(text.toUtf8().toStdString());
}

// Blanks are ASCII spaces and tabs only: an ideographic space that opens a
// title is part of the title.
QStringView trimBlanks(QStringView s) {
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!s.isEmpty() && blank(s.front())) s = s.mid(1);
    while (!s.isEmpty() && blank(s.back())) s.chop(1);
    return s;
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Entry {
    enum Kind { Blank, Section, Key, Other } kind = Blank;
    QString name;
    QString value;
};

Entry parse(std::string_view bytes, bool utf8) {
    const QString text =
        utf8 ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())) : decode(bytes);
    const QStringView s = trimBlanks(text);
    if (s.isEmpty()) return {};
    if (s.front() == u'[') {
        const qsizetype close = s.indexOf(u']');
        return {Entry::Section, trimBlanks(s.mid(1, close < 0 ? -1 : close - 1)).toString(), {}};
    }
    const qsizetype eq = s.indexOf(u'=');
    if (eq < 0) return {Entry::Other, {}, {}};
    return {Entry::Key, trimBlanks(s.left(eq)).toString(), trimBlanks(s.mid(eq + 1)).toString()};
}

// Where a key stands: the line of its section, the line of the key, and the
// last non-blank line of the section (after which a new key goes). -1: none.
struct Place {
    int section = -1;
    int key = -1;
    int last = -1;
    QString value;
};

Place locate(const std::vector<Line>& lines, QStringView section, QStringView key, bool utf8) {
    Place p;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        Entry e = parse(lines[i].text, utf8);
        if (e.kind == Entry::Section) {
            if (p.section >= 0) break;
            if (sameName(e.name, section)) p.section = p.last = i;
        } else if (p.section >= 0 && e.kind != Entry::Blank) {
            if (e.kind == Entry::Key && sameName(e.name, key)) {
                p.key = i;
                p.value = std::move(e.value);
                return p;
            }
            p.last = i;
        }
    }
    return p;
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

QString ProfileFile::read(QStringView section, QStringView key, const QString& fallback) const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return fallback;
    const QByteArray bytes = file.readAll();
    std::string_view text(bytes.constData(), static_cast<size_t>(bytes.size()));
    const bool utf8 = isUtf8File(text);
    const Place p = locate(splitLines(text), section, key, utf8);
    return p.key < 0 ? fallback : p.value.left(maxValueLength);
}

void ProfileFile::write(QStringView section, QStringView key, const QString& value) const {
    // A value never spans lines: a line break pasted into it becomes a blank.
    QString oneLine = value;
    oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '));
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const auto refused = [this] {
        return Error(QFileInfo(path_).fileName().toStdString() + " に書き込めません");
    };

    std::string old;
    QFile current(path_);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly)) throw refused();
        const QByteArray bytes = current.readAll();
        old.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    }

    std::string_view text(old);
    const bool utf8 = isUtf8File(text);
    const auto inFile = [utf8](QStringView s) { return utf8 ? s.toUtf8().toStdString() : encode(s); };
    const std::string entry = inFile(key) + '=' + inFile(oneLine);
    const std::string sectionLine = '[' + inFile(section) + ']';
    const std::vector<Line> lines = splitLines(text);
    std::string eol = "\r\n"; // new lines follow the file's own line ends
    for (const Line& l : lines)
        if (!l.eol.empty()) {
            eol = l.eol;
            break;
        }
    const auto offset = [&old](std::string_view part) {
        return static_cast<size_t>(part.data() - old.data());
    };

    const Place p = locate(lines, section, key, utf8);
    std::string out;
    if (p.key >= 0) {
        const Line& l = lines[static_cast<size_t>(p.key)];
        out = old.substr(0, offset(l.text)) + entry + old.substr(offset(l.eol));
    } else if (p.section >= 0) {
        const Line& l = lines[static_cast<size_t>(p.last)];
        const size_t at = offset(l.eol) + l.eol.size();
        out = old.substr(0, at) + (l.eol.empty() ? eol : "") + entry + eol + old.substr(at);
    } else {
        out = old;
        if (!out.empty() && out.back() != '\n') out += eol;
        out += sectionLine + eol + entry + eol;
    }

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) throw refused();
    if (file.write(out.data(), static_cast<qint64>(out.size())) != static_cast<qint64>(out.size()) ||
        !file.commit())
        throw refused();
}

} // namespace hoshi
