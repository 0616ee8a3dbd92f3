#include "biorhythm/last_entry_file.h"

#include "platform/file_writer.h"
#include "register/data_directory.h"
#include "shell/program.h"

namespace bio {

namespace {

constexpr char kQuote = '"';

std::string quoteField(std::string_view field) {
    std::string quoted(1, kQuote);
    for (char c : field) {
        if (c == kQuote) quoted += kQuote;
        quoted += c;
    }
    quoted += kQuote;
    return quoted;
}

void skipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
}

// The quoted field starting at `at`, which ends just past its closing quote.
std::optional<std::string> readQuotedField(std::string_view text, std::size_t& at) {
    if (at >= text.size() || text[at] != kQuote) return std::nullopt;
    std::string field;
    for (++at; at < text.size(); ++at) {
        if (text[at] != kQuote) {
            field += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == kQuote) {
            field += kQuote;
            ++at;
        } else {
            ++at;
            return field;
        }
    }
    return std::nullopt;  // no closing quote
}

}  // namespace

std::string formatLastEntryLine(const LastEntry& entry) {
    std::string line;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (i > 0) line += ',';
        line += quoteField(entry[i]);
    }
    return line + "\r\n";
}

std::optional<LastEntry> parseLastEntry(std::string_view text) {
    LastEntry entry;
    std::size_t at = 0;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        skipBlanks(text, at);
        if (i > 0) {
            if (at >= text.size() || text[at] != ',') return std::nullopt;
            ++at;
            skipBlanks(text, at);
        }
        std::optional<std::string> field = readQuotedField(text, at);
        if (!field) return std::nullopt;
        entry[i] = std::move(*field);
    }
    return entry;
}

std::optional<LastEntry> readLastEntry(Program& p) {
    // Far longer than six fields can be: anything bigger is no file of ours.
    constexpr std::size_t kLongest = 16 << 20;
    const FileResult<std::string> bytes = readWholeFile(p.dataDir() / kLastEntryFileName, kLongest);
    if (!bytes) return std::nullopt;
    return parseLastEntry(p.cp932().decode(*bytes));
}

Status writeLastEntry(Program& p, const LastEntry& entry) {
    if (Status prepared = prepareDataDirectory(p.dataDir(), kLastEntryFileName); !prepared)
        return prepared;
    std::string bytes = p.cp932().encode(formatLastEntryLine(entry));
    return replaceFileAtomically(p.fileWriter(), p.dataDir() / kLastEntryFileName, bytes);
}

}  // namespace bio
