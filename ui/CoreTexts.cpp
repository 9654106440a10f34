#include "CoreTexts.h"

#include "FileError.h"
#include "Texts.h"

#include <QCoreApplication>
#include <string_view>

namespace CoreTexts {

namespace {

struct Pattern {
    const char* context;
    const char* source;
};

// The high score's pattern comes before the score's, whose words it begins with.
constexpr Pattern Patterns[] = {
    {"Texts", Texts::HighScorePattern},
    {"Texts", Texts::ScorePattern},
    {"Texts", Texts::LevelPattern},
    {"FileError", FileError::CannotOpenPattern},
    {"FileError", FileError::CannotCreatePattern},
};

} // namespace

QString shown(const std::string& text) {
    const QString whole = QCoreApplication::translate("Texts", text.c_str());
    if (whole != QString::fromStdString(text))
        return whole;
    for (const Pattern& pattern : Patterns) {
        const std::string_view source(pattern.source);
        const std::size_t at = source.find("%1");
        const std::string_view before = source.substr(0, at);
        const std::string_view after = source.substr(at + 2);
        if (text.size() > before.size() + after.size() && text.starts_with(before) &&
            text.ends_with(after)) {
            const std::string argument =
                text.substr(before.size(), text.size() - before.size() - after.size());
            return QCoreApplication::translate(pattern.context, pattern.source)
                .arg(QString::fromStdString(argument));
        }
    }
    return whole;
}

} // namespace CoreTexts
