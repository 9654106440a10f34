#pragma once

#include <string>

// An advisory lock on the folder of the record files, held while one copy of the game reads a
// record file again and replaces it. Two copies started side by side then take turns, and
// neither writes over what the other wrote a moment before without having seen it.
//
// The lock is taken on the folder itself, so it leaves no file behind. A folder that cannot be
// locked (a network filesystem without locks, a folder that is gone), or a lock still held by
// another copy after `patienceMs`, leaves the game unlocked: the game never freezes over it, and
// the record write that follows reports any real trouble with the folder.
class RecordFolderLock {
public:
    explicit RecordFolderLock(const std::string& recordPath, int patienceMs = 2000);
    ~RecordFolderLock();
    RecordFolderLock(const RecordFolderLock&) = delete;
    RecordFolderLock& operator=(const RecordFolderLock&) = delete;

    bool held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};
