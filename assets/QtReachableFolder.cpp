#include "QtReachableFolder.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool survivesQt(const std::string& path) {
    return QFile::encodeName(QFile::decodeName(path.c_str())).toStdString() == path;
}

} // namespace

QtReachableFolder::QtReachableFolder(std::string folder) : m_folder(std::move(folder)) {
    m_forQt = shown(m_folder);
    if (survivesQt(m_folder))
        return;
    m_descriptor = ::open(m_folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_descriptor >= 0)
        m_forQt = QStringLiteral("/proc/self/fd/%1/").arg(m_descriptor);
}

QtReachableFolder::~QtReachableFolder() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QString QtReachableFolder::forQt(const std::string& path) const {
    if (path.starts_with(m_folder))
        return m_forQt + shown(path.substr(m_folder.size()));
    return shown(path);
}

QString QtReachableFolder::shown(const std::string& path) {
    return QFile::decodeName(path.c_str());
}
