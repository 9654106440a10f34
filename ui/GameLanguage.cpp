#include "GameLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace GameLanguage {

namespace {

constexpr const char* Folder = ":/translations";
constexpr const char* Prefix = "zunbario_";
constexpr const char* Fallback = "en";
QString installed;

bool isSourceLocale(const QByteArray& locale) {
    return locale.isEmpty() || locale == "C" || locale.startsWith("C.") || locale == "POSIX";
}

// "en_US" asks for "en_US", then "en".
QStringList candidates(const QString& language) {
    QStringList result{language};
    const qsizetype underscore = language.indexOf(QLatin1Char('_'));
    if (underscore > 0)
        result.append(language.left(underscore));
    return result;
}

} // namespace

QByteArray languageAndRegion(QByteArray locale) {
    for (const char mark : {'.', '@'})
        if (const qsizetype at = locale.indexOf(mark); at >= 0)
            locale.truncate(at);
    return locale;
}

QStringList asked(const Variable& variable) {
    QByteArray locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    if (isSourceLocale(locale))
        return {};
    QStringList languages;
    for (const QByteArray& language : variable("LANGUAGE").split(':'))
        if (!language.isEmpty())
            languages.append(QString::fromLocal8Bit(languageAndRegion(language)));
    languages.append(QString::fromLocal8Bit(languageAndRegion(locale)));
    return languages;
}

QString choose(const QStringList& asked, const QStringList& carried) {
    if (asked.isEmpty())
        return {};
    for (const QString& language : asked) {
        for (const QString& candidate : candidates(language)) {
            if (candidate == QLatin1String("ja"))
                return {};
            if (carried.contains(candidate))
                return candidate;
        }
    }
    return carried.contains(QLatin1String(Fallback)) ? QString::fromLatin1(Fallback) : QString();
}

QStringList carried() {
    QStringList languages;
    const QString prefix = QLatin1String(Prefix);
    for (const QString& file :
         QDir(QLatin1String(Folder)).entryList({prefix + QLatin1String("*.qm")}))
        languages.append(file.mid(prefix.size()).chopped(3));
    return languages;
}

void install() {
    // The Japanese start reads four variables and nothing more.
    const QStringList languages = asked([](const char* name) { return qgetenv(name); });
    if (languages.isEmpty())
        return;
    const QString language = choose(languages, carried());
    if (language.isEmpty())
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLatin1String(Prefix) + language, QLatin1String(Folder)) &&
        QCoreApplication::installTranslator(translator))
        installed = language;
    else
        delete translator;
}

QString current() {
    return installed;
}

std::string translatedFile(const std::string& path) {
    if (installed.isEmpty())
        return {};
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    const std::size_t end =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
    return path.substr(0, end) + '_' + installed.toStdString() + path.substr(end);
}

} // namespace GameLanguage
