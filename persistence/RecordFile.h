#pragma once

#include <cstddef>
#include <string>

// Reading and writing a whole record file in one go. Nothing stays open between calls.

// Whether anything stands at the path.
bool recordFileExists(const std::string& path);

// Reads up to `capacity` bytes from the start of the file and returns how many were read.
// Throws FileError when the file cannot be opened or read.
std::size_t readRecordFile(const std::string& path, std::byte* buffer, std::size_t capacity);

// The folder a record file lies in.
std::string recordFolderOf(const std::string& path);

// Replaces the file with the given bytes. The bytes go to a temporary file in the same folder
// which is flushed to disk and renamed over the old file, so an interrupted write leaves the old
// file whole. Where the filesystem refuses to rename over a file, the old file is moved aside
// first (see setAsideFileName). Throws FileError when the file cannot be created.
void writeRecordFile(const std::string& path, const std::byte* data, std::size_t size);

// Where a write moves the previous record while the new one takes its place, on a filesystem
// that refuses to rename over a file: hidden and marked as the game's own.
std::string setAsideFileName(const std::string& path);

// Finishes what a write cut off in the middle of replacing the record left: a record moved aside
// with nothing in its place is put back; one left beside a new record is removed. Errors are
// ignored: the record, or its absence, is then what the game reads.
void restoreSetAsideRecord(const std::string& path);

// The name, without its six random characters, of the temporary files a write of this record
// uses: hidden and marked as the game's own, so that no player would give a file such a name.
std::string temporaryFilePrefix(const std::string& path);

// Makes the folder and any missing folders above it, each readable by its owner alone. Errors
// are left to the write that follows, which names the file it could not create.
void makeRecordFolder(const std::string& folder);

// Removes temporary files that an interrupted write of this record left behind: exactly the
// names writeRecordFile makes, untouched for longer than `minimumAgeSeconds`, so that a write
// still in progress in another copy of the game keeps its file. Errors are ignored: a leftover
// file is harmless.
void removeStaleTemporaryFiles(const std::string& path, int minimumAgeSeconds = 60);
