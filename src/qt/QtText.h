#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace dered {

// The game's files are single-byte text, so the texts the forms hold are taken byte for byte.
inline QString ToQt(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toLatin1().toStdString();
}

// File names go through the system's encoding instead.
inline QString PathToQt(const std::string& path) {
    return QString::fromLocal8Bit(path);
}

inline std::string PathFromQt(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

} // namespace dered
