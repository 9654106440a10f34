// Loaded into the record writer in place of the C library's rename, it refuses to rename a file
// over an existing one, as fusefat on Debian 13 and some network and phone mounts do. Renames to
// a free name go through.

#include <cstdio>
#include <fcntl.h>

extern "C" {

int renameat(int oldFolder, const char* oldPath, int newFolder, const char* newPath) {
    // The kernel itself refuses with EEXIST when the new name is taken, in the same single step
    // as the rename, so the refusal is exact even while another process renames in the folder.
    return ::renameat2(oldFolder, oldPath, newFolder, newPath, RENAME_NOREPLACE);
}

int rename(const char* oldPath, const char* newPath) {
    return renameat(AT_FDCWD, oldPath, AT_FDCWD, newPath);
}
}
