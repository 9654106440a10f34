#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

// The language the game speaks. Japanese is its own, written in the code; every other language
// is a Qt Linguist translation carried in the program (translations/), and English is what a
// player whose language the game has no translation of reads.
namespace GameLanguage {

// Reads an environment variable; empty when it is unset.
using Variable = std::function<QByteArray(const char*)>;

// A locale name without its character set and variant: "en_US.UTF-8@euro" gives "en_US".
QByteArray languageAndRegion(QByteArray locale);

// The languages the player's desktop asks for, most wanted first, each as language and region
// ("en_US"), read as gettext reads them: the locale of messages is the first set of LC_ALL,
// LC_MESSAGES and LANG; when it names a language, LANGUAGE (a list split by colons) comes before
// it. With the C or POSIX locale, or none, the list is empty: LANGUAGE then counts for nothing,
// as in every gettext program.
QStringList asked(const Variable& variable);

// The translation for those languages among the ones carried: empty for Japanese (also for an
// empty list), the first carried language asked for, else English.
QString choose(const QStringList& asked, const QStringList& carried);

// The languages whose translations the program carries, such as "en".
QStringList carried();

// Chooses from the environment and installs the translation. Runs once the application object
// exists and the player's environment is restored, before any window is made; a Japanese start
// loads nothing.
void install();

// The language installed, or empty while the game speaks Japanese.
QString current();

// The file the player reads in the current language: "Zintok.html" is "Zintok_en.html" in
// English. Empty while the game speaks Japanese.
std::string translatedFile(const std::string& path);

} // namespace GameLanguage
