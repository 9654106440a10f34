// Loaded into the record writer in place of the C library's permission calls, it refuses every
// change of permissions as FAT and exFAT filesystems do (a game kept on a USB stick).

#include <cerrno>
#include <sys/stat.h>

extern "C" {

int fchmod(int, mode_t) {
    errno = EPERM;
    return -1;
}

int chmod(const char*, mode_t) {
    errno = EPERM;
    return -1;
}

int fchmodat(int, const char*, mode_t, int) {
    errno = EPERM;
    return -1;
}
}
