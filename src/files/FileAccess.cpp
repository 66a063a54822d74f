#include "files/FileAccess.h"

#include "files/FileCommit.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace dered {

namespace fs = std::filesystem;

namespace {

FileText Refusal(FileProblem problem, std::string reason) {
    return {problem, std::move(reason), {}};
}

std::string ErrorText(int error) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

bool HoldsNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

// A name cut short at a NUL would reach another file than the one named.
constexpr std::string_view kNulInName = "its name holds a NUL character";

class OpenFile {
  public:
    OpenFile(const std::string& path, const char* mode) : f_(std::fopen(path.c_str(), mode)) {}
    ~OpenFile() {
        if (f_ != nullptr) {
            std::fclose(f_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::FILE* get() const { return f_; }

  private:
    std::FILE* f_;
};

} // namespace

FileText ReadWholeFile(const std::string& path) {
    if (HoldsNul(path)) {
        return Refusal(FileProblem::BadName, std::string(kNulInName));
    }
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found || ec == std::errc::no_such_file_or_directory) {
        return Refusal(FileProblem::Missing, "there is no such file");
    }
    if (ec) {
        return Refusal(FileProblem::CannotRead, "it cannot be read (" + ec.message() + ")");
    }
    if (status.type() == fs::file_type::directory) {
        return Refusal(FileProblem::NotAFile, "it is a folder, not a file");
    }
    if (status.type() != fs::file_type::regular) {
        return Refusal(FileProblem::NotAFile, "it is not a plain file");
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > kMaxReadSize) {
        return Refusal(FileProblem::TooLarge, "it is too large (over 16 MB)");
    }
    errno = 0;
    OpenFile file(path, "rb");
    if (file.get() == nullptr) {
        return Refusal(FileProblem::CannotRead, "it cannot be read (" + ErrorText(errno) + ")");
    }
    FileText result;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        result.text.append(buffer, got);
        if (result.text.size() > kMaxReadSize) {
            return Refusal(FileProblem::TooLarge, "it is too large (over 16 MB)");
        }
        if (got < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file.get()) != 0) {
        return Refusal(FileProblem::CannotRead, "it cannot be read (" + ErrorText(errno) + ")");
    }
    return result;
}

std::string CheckReplaceable(const std::string& target) {
    if (HoldsNul(target)) {
        return std::string(kNulInName);
    }
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (status.type() == fs::file_type::not_found) {
        return {};
    }
    if (ec) {
        return ec.message();
    }
    if (status.type() == fs::file_type::directory) {
        return "a folder stands in its place";
    }
    if (status.type() != fs::file_type::regular) {
        return "something other than a file stands in its place";
    }
    return {};
}

std::string WriteFileAtomically(const std::string& target, std::string_view text, Disk& disk) {
    return CommitTogether({{target, text}}, disk).reason;
}

} // namespace dered
