#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

// Writers for the file formats the game reads. Each returns false when the file cannot be
// written.

// A Windows cursor file with one 32-bit picture (alpha, and the AND mask the format requires).
bool writeCursorFile(const QString& path, const QImage& image, QPoint hotspot);
// A baseline JPEG written with libjpeg, so the game's own libjpeg decoder reads it back.
bool writeJpegFile(const QString& path, const QImage& image, int quality);
// A mono 16-bit PCM wave file.
bool writeWaveFile(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate);
