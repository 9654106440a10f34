// The real program in the language of the player's desktop: English for an English desktop, and
// for a language it has no translation of; Japanese, its own, for a Japanese desktop, the C
// locale or none. The machine need not have these locales installed: the game goes by the
// variables alone.

#include "OpenedFiles.h"
#include "ProgramHarness.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

class ProgramLanguage : public ProgramHarness {
protected:
    void SetUp() override {
        ASSERT_TRUE(copyPortableGame(m_folder.path(), {QStringLiteral(ZUNBARIO_PROGRAM)}));
    }

    // Starts the game again with only these locale variables, such as "LANG=C".
    void startIn(const QStringList& locale, const QString& caption) {
        stop();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QLatin1String(name));
        for (const QString& setting : locale)
            env.insert(setting.section(QLatin1Char('='), 0, 0),
                       setting.section(QLatin1Char('='), 1));
        m_program.setProcessEnvironment(env);
        ASSERT_NO_FATAL_FAILURE(start(m_folder.filePath(QStringLiteral("zunbario")), {}, caption));
    }
};

} // namespace

TEST_F(ProgramLanguage, IsEnglishForAGermanDesktopAndJapaneseForAJapaneseOneOrNoLocale) {
    // startIn() waits for the caption in the language expected.
    ASSERT_NO_FATAL_FAILURE(
        startIn({QStringLiteral("LANG=de_DE.UTF-8")}, QStringLiteral("Zunbario")));
    ASSERT_NO_FATAL_FAILURE(startIn({}, QStringLiteral("ズンバリオ")));
    ASSERT_NO_FATAL_FAILURE(
        startIn({QStringLiteral("LANG=ja_JP.UTF-8")}, QStringLiteral("ズンバリオ")));
    // In the C locale LANGUAGE counts for nothing, as in every gettext program.
    ASSERT_NO_FATAL_FAILURE(startIn({QStringLiteral("LANG=C"), QStringLiteral("LANGUAGE=en")},
                                    QStringLiteral("ズンバリオ")));
}

TEST_F(ProgramLanguage, InEnglishAsksItsQuestionsAndShowsItsHelpInEnglish) {
    ASSERT_NO_FATAL_FAILURE(
        startIn({QStringLiteral("LANG=en_US.UTF-8")}, QStringLiteral("Zunbario")));
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::screenshot().save(QStringLiteral(SCREENSHOT_FOLDER "/english-ready.png"));

    // The save command, by its English key, asks in English.
    ASSERT_TRUE(startLevel());
    X11Session::typeKeys(m_window, QStringLiteral("alt+g"));
    const auto question = X11Session::waitForWindowNamed(QStringLiteral("Confirm"), Patience);
    ASSERT_TRUE(question.has_value());
    X11Session::screenshot().save(QStringLiteral(SCREENSHOT_FOLDER "/english-question.png"));
    X11Session::typeKeys(*question, QStringLiteral("alt+y"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QFileInfo::exists(dataFile(QStringLiteral("record2.dat"))); }, Patience));

    // The help window shows the English page.
    const std::string folder = QFile::encodeName(m_folder.path()).toStdString();
    OpenedFiles opened({folder});
    X11Session::typeKeys(m_window, QStringLiteral("alt+h"));
    X11Session::typeKeys(m_window, QStringLiteral("h"));
    EXPECT_TRUE(X11Session::waitForWindowNamed(QStringLiteral("Zunbario Help"), Patience));
    EXPECT_TRUE(opened.waitFor({folder + "/Zintok_en.html"}, Patience));
}
