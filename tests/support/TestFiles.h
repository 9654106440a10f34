#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>

// The repository's own files, as the build carries them.
QString sourceFile(const QString& relativePath);
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

inline std::span<const std::uint8_t> asSpan(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

inline unsigned le16(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}
inline std::uint32_t le32(const QByteArray& b, int at) {
    return le16(b, at) | static_cast<std::uint32_t>(le16(b, at + 2)) << 16;
}
