#pragma once

#include <string>
#include <string_view>

namespace dered {

// The few steps a safe replacement of files is made of, each returning "" on success or the
// reason it failed. Tests stand a disk that fails a chosen step in its place.
class Disk {
  public:
    virtual ~Disk() = default;
    // Creates path afresh (an existing file of that name is an error) and writes text to it.
    [[nodiscard]] virtual std::string Write(const std::string& path, std::string_view text) = 0;
    // Waits until what was written to the file, or to the folder's list of names, is on the
    // device, so that a power cut after it loses nothing.
    [[nodiscard]] virtual std::string SyncFile(const std::string& path) = 0;
    [[nodiscard]] virtual std::string SyncFolder(const std::string& folder) = 0;
    // Replaces to by from in one step.
    [[nodiscard]] virtual std::string Rename(const std::string& from, const std::string& to) = 0;
    // A second name for the file, so that the old contents outlive a rename over the first.
    [[nodiscard]] virtual std::string Link(const std::string& existing,
                                           const std::string& second) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The machine's own disk. The standard library has no way to flush a file to the device or to
// give it a second name, so this is where the operating system is called directly.
class SystemDisk : public Disk {
  public:
    [[nodiscard]] std::string Write(const std::string& path, std::string_view text) override;
    [[nodiscard]] std::string SyncFile(const std::string& path) override;
    [[nodiscard]] std::string SyncFolder(const std::string& folder) override;
    [[nodiscard]] std::string Rename(const std::string& from, const std::string& to) override;
    [[nodiscard]] std::string Link(const std::string& existing, const std::string& second) override;
    void Remove(const std::string& path) override;
};

} // namespace dered
