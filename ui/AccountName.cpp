#include "AccountName.h"

#include <QString>
#include <pwd.h>
#include <unistd.h>
#include <vector>

std::string accountName() {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr) {
        // An account the system cannot name (a container without an entry for the user).
        const QString login = qEnvironmentVariable("USER");
        return login.isEmpty() ? std::string("?") : login.toStdString();
    }
    QString fullName = QString::fromUtf8(entry.pw_gecos ? entry.pw_gecos : "");
    fullName = fullName.section(QLatin1Char(','), 0, 0).trimmed();
    return (fullName.isEmpty() ? QString::fromUtf8(entry.pw_name) : fullName).toStdString();
}
