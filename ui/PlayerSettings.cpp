#include "PlayerSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <array>
#include <optional>

namespace {

// The sizes as the file names them.
constexpr std::array<const char*, WindowSizeCount> SizeNames{"1", "1.5", "2"};

// A value the file holds in the one form the game writes, or nothing.
std::optional<bool> readSwitch(const QSettings& file, const char* key) {
    const QString value = file.value(QLatin1String(key)).toString();
    if (value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("false"))
        return false;
    return std::nullopt;
}

} // namespace

qreal scaleOf(WindowSize size) {
    switch (size) {
    case WindowSize::OneAndHalf:
        return 1.5;
    case WindowSize::Double:
        return 2.0;
    case WindowSize::Normal:
        break;
    }
    return 1.0;
}

PlayerSettings SettingsFile::read() const {
    PlayerSettings settings;
    // A folder, or a file that is not there, is no settings file; QSettings would read either as
    // empty anyway, but says nothing of why.
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile())
        return settings;
    const QSettings file(m_path, QSettings::IniFormat);
    settings.soundOn = readSwitch(file, "sound").value_or(settings.soundOn);
    settings.fullScreen = readSwitch(file, "fullScreen").value_or(settings.fullScreen);
    const QString size = file.value(QStringLiteral("size")).toString();
    for (int i = 0; i < WindowSizeCount; ++i) {
        if (size == QLatin1String(SizeNames[static_cast<std::size_t>(i)]))
            settings.size = static_cast<WindowSize>(i);
    }
    return settings;
}

bool SettingsFile::write(const PlayerSettings& settings) const {
    if (m_path.isEmpty())
        return false;
    QSettings file(m_path, QSettings::IniFormat);
    file.setValue(QStringLiteral("sound"), settings.soundOn);
    file.setValue(QStringLiteral("size"),
                  QLatin1String(SizeNames[static_cast<std::size_t>(settings.size)]));
    file.setValue(QStringLiteral("fullScreen"), settings.fullScreen);
    file.sync();
    return file.status() == QSettings::NoError;
}
