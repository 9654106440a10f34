#include "StartEnvironment.h"

#include "GameLanguage.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <strings.h>

namespace {

bool isUtf8(const char* codeset) {
    return codeset != nullptr &&
           (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0);
}

// The categories of the C library's locale, each named by its environment variable.
struct Category {
    int id;
    const char* name;
};
constexpr Category Categories[] = {{LC_CTYPE, "LC_CTYPE"},
                                   {LC_NUMERIC, "LC_NUMERIC"},
                                   {LC_TIME, "LC_TIME"},
                                   {LC_COLLATE, "LC_COLLATE"},
                                   {LC_MONETARY, "LC_MONETARY"},
                                   {LC_MESSAGES, "LC_MESSAGES"},
                                   {LC_PAPER, "LC_PAPER"},
                                   {LC_NAME, "LC_NAME"},
                                   {LC_ADDRESS, "LC_ADDRESS"},
                                   {LC_TELEPHONE, "LC_TELEPHONE"},
                                   {LC_MEASUREMENT, "LC_MEASUREMENT"},
                                   {LC_IDENTIFICATION, "LC_IDENTIFICATION"}};

// The same language and region in UTF-8 ("de_DE.ISO-8859-1" gives "de_DE.UTF-8"), or C.UTF-8
// where the system has no such locale; empty when it has neither.
QByteArray utf8CharacterType() {
    const char* player = std::setlocale(LC_CTYPE, "");
    const QByteArray name = GameLanguage::languageAndRegion(player != nullptr ? player : "C");
    for (const QByteArray& candidate : {name + ".UTF-8", QByteArray("C.UTF-8")}) {
        if (std::setlocale(LC_CTYPE, candidate.constData()) != nullptr)
            return candidate;
    }
    return {};
}

} // namespace

StartEnvironment::StartEnvironment() {
    preferX11();
    useUtf8CharacterType();
}

void StartEnvironment::preferX11() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        set("QT_QPA_PLATFORM", "xcb;wayland");
}

void StartEnvironment::useUtf8CharacterType() {
    const bool fine = std::setlocale(LC_ALL, "") != nullptr && isUtf8(nl_langinfo(CODESET));
    if (fine) {
        std::setlocale(LC_ALL, "C");
        return;
    }
    const QByteArray characterType = utf8CharacterType();
    // A locale the system does not have (LANG=de_DE.UTF-8 where only C.UTF-8 is installed) makes
    // the whole locale fail, character type included: such categories read as C.
    std::vector<const char*> missing;
    for (const Category& category : Categories)
        if (category.id != LC_CTYPE && std::setlocale(category.id, "") == nullptr)
            missing.push_back(category.name);
    std::setlocale(LC_ALL, "C");
    if (characterType.isEmpty())
        return;

    // LC_ALL overrides every category: its value moves to LANG, which every category then falls
    // back to, and the categories set one by one, which it hid, are hidden by unsetting them.
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        for (const Category& category : Categories)
            unset(category.name);
        unset("LC_ALL");
        set("LANG", all);
    }
    set("LC_CTYPE", characterType);
    for (const char* category : missing)
        set(category, "C");
}

void StartEnvironment::set(const char* name, const QByteArray& value) {
    unset(name);
    qputenv(name, value);
}

void StartEnvironment::unset(const char* name) {
    if (qEnvironmentVariableIsSet(name))
        m_saved.emplace_back(name, qgetenv(name));
    else
        m_saved.emplace_back(name, std::nullopt);
    qunsetenv(name);
}

void StartEnvironment::restore() {
    // The earliest value of each variable is the player's; it is put back last.
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        if (it->second)
            qputenv(it->first, *it->second);
        else
            qunsetenv(it->first);
    }
    m_saved.clear();
}
