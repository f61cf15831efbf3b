#include "csvfile.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

#include "errors.h"
#include "recordcheck.h"
#include "sjis.h"
#include "tablefile.h"

namespace hoshi::koyomi {

namespace {

namespace fs = std::filesystem;

std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

// Splits one line into fields; false, with the reason in `why`, for a malformed line.
bool splitLine(std::string_view line, std::vector<std::string>& fields, std::string& why) {
    fields.clear();
    std::size_t i = 0;
    while (true) {
        std::string f;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size()) {
                    why = "引用符（\"）で始まる項目が閉じていません。";
                    return false;
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        f += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                f += line[i++];
            }
            if (i < line.size() && line[i] != ',') {
                why = "引用符で閉じた項目のあとに文字があります。";
                return false;
            }
        } else {
            std::size_t end = line.find(',', i);
            if (end == std::string_view::npos) end = line.size();
            f = std::string(line.substr(i, end - i));
            if (f.find('"') != std::string::npos) {
                why = "引用符で囲まない項目の中に引用符（\"）があります。";
                return false;
            }
            i = end;
        }
        fields.push_back(std::move(f));
        if (i >= line.size()) return true;
        ++i; // the comma
    }
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Error(file.string() + " を読めません。");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

std::string tableToCsv(schema::TableKind kind, std::span<const CalendarRecord> records, Encoding encoding) {
    const auto& fields = schema::info(kind).fields;
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + std::string(fields[i]);
    out += "\r\n";
    for (const CalendarRecord& r : records) {
        for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + csvField(r.f[i]);
        out += "\r\n";
    }
    return encoding == Encoding::ShiftJis ? utf8ToSjis(out) : out;
}

std::vector<CalendarRecord> tableFromCsv(schema::TableKind kind, std::string_view bytes, Encoding encoding,
                                         std::string_view source) {
    const auto& names = schema::info(kind).fields;
    std::vector<CalendarRecord> out;
    std::vector<std::string> fields;
    int lineNo = 0;
    auto refuse = [&](RecordProblem::Kind k, const std::string& why) -> void {
        std::string text = std::string(source) + " の " + std::to_string(lineNo) + " 行目：" + why;
        if (k == RecordProblem::Kind::Range) throw OutOfRangeError(text);
        throw ConversionError(text);
    };
    constexpr auto Form = RecordProblem::Kind::Form;
    if (encoding == Encoding::Utf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    // Trailing line ends are not lines.
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.remove_suffix(1);
    // '\n' never occurs inside a Shift-JIS character, so lines split on bytes.
    while (lineNo == 0 || !bytes.empty()) {
        std::size_t end = bytes.find('\n');
        std::string_view raw = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        ++lineNo;
        if (raw.ends_with('\r')) raw.remove_suffix(1);
        std::string line;
        if (encoding == Encoding::ShiftJis) {
            try {
                line = sjisToUtf8(raw);
            } catch (const ConversionError&) {
                refuse(Form, "Shift-JIS の文字として読めません（--sjis を外すと UTF-8 として読みます）。");
            }
        } else {
            line = std::string(raw);
        }
        std::string why;
        if (line.empty()) refuse(Form, "空の行があります。");
        if (!splitLine(line, fields, why)) refuse(Form, why);
        if (lineNo == 1) {
            bool header = fields.size() == names.size();
            for (std::size_t i = 0; header && i < names.size(); ++i) header = fields[i] == names[i];
            if (!header) {
                std::string want;
                for (std::size_t i = 0; i < names.size(); ++i) want += (i ? "," : "") + std::string(names[i]);
                refuse(Form, "見出しの行は「" + want + "」でなければなりません。");
            }
            continue;
        }
        if (fields.size() != names.size())
            refuse(Form, "項目が " + std::to_string(fields.size()) + " 個あります（" +
                             std::to_string(names.size()) + " 個のはずです）。");
        CalendarRecord r;
        for (std::size_t i = 0; i < names.size(); ++i) r.f[i] = std::move(fields[i]);
        if (auto p = recordProblem(kind, r)) refuse(p->kind, p->text);
        if (!out.empty() && !(out.back().key() < r.key()))
            refuse(RecordProblem::Kind::Range, std::string(names[0]) + "「" + r.key() + "」が前の行の「" +
                                                   out.back().key() +
                                                   "」より後ではありません（古い順に並べてください）。");
        out.push_back(std::move(r));
    }
    if (out.empty()) refuse(Form, "見出しの行のあとにレコードがありません。");
    return out;
}

void exportTable(const fs::path& dbDir, schema::TableKind kind, const fs::path& file, Encoding encoding) {
    std::string text = tableToCsv(kind, readTable(dbDir, kind), encoding);
    fs::path temp = file.parent_path() / ("." + file.filename().string() + ".tmp" + std::to_string(getpid()));
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw Error(file.string() + " に書き込めません。");
        }
    }
    std::error_code ec;
    fs::rename(temp, file, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw Error(file.string() + " に書き込めません。");
    }
}

ImportCount importTable(const fs::path& dbDir, schema::TableKind kind, const fs::path& file,
                        Encoding encoding) {
    const std::vector<CalendarRecord> incoming =
        tableFromCsv(kind, readFile(file), encoding, file.filename().string());
    std::vector<CalendarRecord> current;
    if (fs::exists(dbDir / std::string(schema::info(kind).fileName))) current = readTable(dbDir, kind);
    // Both lists are in key order (the file's is checked); merge them.
    std::vector<CalendarRecord> merged;
    merged.reserve(current.size() + incoming.size());
    ImportCount count;
    std::size_t i = 0, j = 0;
    while (i < current.size() || j < incoming.size()) {
        if (j == incoming.size() || (i < current.size() && current[i].key() < incoming[j].key())) {
            merged.push_back(current[i++]);
        } else {
            if (i < current.size() && current[i].key() == incoming[j].key()) {
                ++i;
                ++count.replaced;
            } else {
                ++count.added;
            }
            merged.push_back(incoming[j++]);
        }
    }
    writeTable(dbDir, kind, merged);
    return count;
}

} // namespace hoshi::koyomi
