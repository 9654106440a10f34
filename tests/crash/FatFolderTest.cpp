// A game kept on a USB stick: its folder lies on a FAT filesystem, which has no permissions and
// refuses to change them. A real FAT image, made with mkfs.vfat and mounted by fusefat in a
// process of the test's own, holds the player's folder.

#include "ChildProcess.h"
#include "CoreHarness.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/mount.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr long FuseMagic = 0x65735546;

// Runs a program to its end; its exit status, or -1 when it could not run.
int runToEnd(std::vector<std::string> args) {
    const pid_t pid = startProcess(std::move(args));
    const int status = pid < 0 ? -1 : waitForProcess(pid);
    return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool isFuseMount(const fs::path& folder) {
    struct statfs info {};
    return ::statfs(folder.c_str(), &info) == 0 && info.f_type == FuseMagic;
}

// A FAT image mounted on a private folder for as long as the object lives.
class FatStick {
public:
    FatStick() {
        fs::create_directories(mount());
        const fs::path image = m_folder.path() / "stick.img";
        std::ofstream(image).close();
        fs::resize_file(image, 8 * 1024 * 1024);
        if (runToEnd({"mkfs.vfat", "-n", "STICK", image.string()}) != 0) {
            m_problem = "mkfs.vfat (Debian package dosfstools) could not make the image";
            return;
        }
        m_server =
            startProcess({"fusefat", "-f", "-s", "-o", "rw+", image.string(), mount().string()});
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!isFuseMount(mount()) && std::chrono::steady_clock::now() < giveUp &&
               ::waitpid(m_server, nullptr, WNOHANG) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (!isFuseMount(mount()))
            m_problem = "fusefat (Debian package fusefat) could not mount the image; it needs "
                        "/dev/fuse and root";
    }
    ~FatStick() {
        if (m_server > 0) {
            ::umount2(mount().c_str(), MNT_DETACH);
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (::waitpid(m_server, nullptr, WNOHANG) == 0) {
                if (std::chrono::steady_clock::now() > giveUp) {
                    ::kill(m_server, SIGKILL);
                    ::waitpid(m_server, nullptr, 0);
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    }
    FatStick(const FatStick&) = delete;
    FatStick& operator=(const FatStick&) = delete;

    fs::path mount() const { return m_folder.path() / "mount"; }
    // Why the stick could not be mounted, or "".
    const std::string& problem() const { return m_problem; }

private:
    TempFolder m_folder{"zunbario-fat"};
    pid_t m_server = -1;
    std::string m_problem;
};

} // namespace

TEST(GameOnFatFilesystem, AGameOnAFatStickIsSavedAndItsRecordIsWritten) {
    FatStick stick;
    ASSERT_EQ(stick.problem(), "");
    fs::create_directory(stick.mount() / "data");
    // The filesystem refuses permission changes, as the game meets it on a real stick.
    {
        std::ofstream(stick.mount() / "probe");
        std::error_code refused;
        fs::permissions(stick.mount() / "probe", fs::perms::owner_all, refused);
        EXPECT_TRUE(refused) << "this FAT filesystem allowed a permission change";
        fs::remove(stick.mount() / "probe");
    }

    CoreHarness h{stick.mount()};
    h.runTitle();
    h.playLevelTo(30);
    h.save();
    EXPECT_TRUE(h.platform.errors.empty()) << h.platform.errors.front();
    EXPECT_EQ(h.readFile("record2.dat"), words({0, 0, 1, 30, 0, 1, 120, 1}));

    for (const int target : {70, 130, 250})
        h.playLevelTo(target);
    EXPECT_TRUE(h.platform.errors.empty()) << h.platform.errors.front();
    EXPECT_EQ(h.readFile("record1.dat"), words({320, 250, 190}));
    EXPECT_EQ(h.readFile("record2.dat"), words({0, 0, 0, 250, 130, 1, 120, 1}))
        << "the saved game of this mode is cancelled";

    // The score table replaced on a stick, a damaged one moved aside whole (FAT has no second
    // names for a file).
    std::vector<unsigned char> damaged = h.readFile("scores.txt");
    damaged.push_back('?');
    h.writeFile("scores.txt", damaged);
    h.clearGame(200);
    EXPECT_TRUE(h.platform.errors.empty()) << h.platform.errors.front();
    EXPECT_EQ(h.game().readScores().entries(1).size(), 2u);
    EXPECT_EQ(h.readFile("scores.txt.damaged"), damaged);
}
