#pragma once

#include "LittleEndian.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The repository's own files, as the build carries them.
QString sourceFile(const QString& relativePath);
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

inline std::span<const std::uint8_t> asSpan(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

inline QByteArray toQByteArray(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

inline unsigned le16(const QByteArray& bytes, int at) {
    return le16(asSpan(bytes), static_cast<std::size_t>(at));
}
inline std::uint32_t le32(const QByteArray& bytes, int at) {
    return le32(asSpan(bytes), static_cast<std::size_t>(at));
}

// The words of a record file, as far as it goes; a missing file reads as all zero.
template <std::size_t N> std::array<qint32, N> recordWords(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? wordsOf<N>(asSpan(file.readAll()))
                                          : std::array<qint32, N>{};
}
// A record file holding `values`, as the game writes it.
void writeRecordWords(const QString& path, std::span<const qint32> values);
