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
// A true-colour PNG written with libpng, its rows unfiltered. Qt's own writer always filters
// them, and a filtered row takes twice as long to decode: the game decodes its title pictures
// before its first frame. Unfiltered, the pictures are about as small.
bool writeUnfilteredPng(const QString& path, const QImage& image);
// A mono 16-bit PCM wave file.
bool writeWaveFile(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate);
