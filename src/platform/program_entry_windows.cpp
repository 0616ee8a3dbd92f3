#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "platform/program_entry.h"
#include "platform/utf16.h"

namespace {

// The bytes of a UTF-8 character cut off at the end of `text`, which wait
// for the rest of it.
std::size_t unfinishedTail(const std::string& text) {
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, text.size()); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// A console shows what it is given in its code page (932 on a Japanese
// Windows), which would garble UTF-8 bytes: it is given UTF-16 instead,
// whole characters at a time. A pipe or a file still gets the bytes.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        pending_ += traits_type::to_char_type(c);
        if (c == '\n') sync();
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize size) override {
        pending_.append(text, static_cast<std::size_t>(size));
        if (pending_.find('\n') != std::string::npos) sync();
        return size;
    }

    int sync() override {
        const std::size_t whole = pending_.size() - unfinishedTail(pending_);
        const std::wstring text = bio::wide(std::string_view(pending_).substr(0, whole));
        pending_.erase(0, whole);
        DWORD written = 0;
        for (std::size_t at = 0; at < text.size(); at += written) {
            if (!WriteConsoleW(console_, text.data() + at, static_cast<DWORD>(text.size() - at),
                               &written, nullptr) ||
                written == 0)
                return -1;
        }
        return 0;
    }

  private:
    HANDLE console_;
    std::string pending_;
};

// `stream` writes to the console behind `handle` for as long as this lives,
// when there is one.
class ConsoleStream {
  public:
    ConsoleStream(std::ostream& stream, DWORD handle)
        : stream_(stream), buffer_(GetStdHandle(handle)) {
        DWORD mode = 0;
        if (GetConsoleMode(GetStdHandle(handle), &mode)) original_ = stream.rdbuf(&buffer_);
    }
    ~ConsoleStream() {
        if (!original_) return;
        stream_.flush();
        stream_.rdbuf(original_);
    }
    ConsoleStream(const ConsoleStream&) = delete;
    ConsoleStream& operator=(const ConsoleStream&) = delete;

  private:
    std::ostream& stream_;
    ConsoleBuffer buffer_;
    std::streambuf* original_ = nullptr;
};

}  // namespace

// The arguments come in UTF-16, whatever the console's code page.
int wmain(int argc, wchar_t** argv) {
    // Bytes as they are: text mode would put a CR before every LF.
    for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
    const ConsoleStream out(std::cout, STD_OUTPUT_HANDLE);
    const ConsoleStream err(std::cerr, STD_ERROR_HANDLE);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(bio::utf8(argv[i]));
    return bio::programMain(args);
}
