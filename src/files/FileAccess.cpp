#include "files/FileAccess.h"

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
    // Closes now, so that a failure to flush is seen.
    bool Close() {
        const bool ok = std::fclose(f_) == 0;
        f_ = nullptr;
        return ok;
    }

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

std::string WriteTemporary(const std::string& temp, std::string_view text) {
    if (HoldsNul(temp)) {
        return std::string(kNulInName);
    }
    errno = 0;
    OpenFile file(temp, "wb");
    if (file.get() == nullptr) {
        return ErrorText(errno);
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    const bool flushed = std::fflush(file.get()) == 0;
    const int error = errno;
    const bool closed = file.Close();
    if (written && flushed && closed) {
        return {};
    }
    std::error_code ignored;
    fs::remove(temp, ignored);
    return ErrorText(error != 0 ? error : errno);
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

std::string ReplaceWithTemporary(const std::string& temp, const std::string& target) {
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (!ec) {
        return {};
    }
    std::error_code ignored;
    fs::remove(temp, ignored);
    return ec.message();
}

std::string TemporaryName(const std::string& target) {
    return target + ".new";
}

std::string WriteFileAtomically(const std::string& target, std::string_view text) {
    if (std::string problem = CheckReplaceable(target); !problem.empty()) {
        return problem;
    }
    const std::string temp = TemporaryName(target);
    if (std::string problem = WriteTemporary(temp, text); !problem.empty()) {
        return problem;
    }
    return ReplaceWithTemporary(temp, target);
}

} // namespace dered
