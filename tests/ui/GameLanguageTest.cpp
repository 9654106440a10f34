#include "GameLanguage.h"

#include "ConfirmDialog.h"
#include "ErrorBox.h"
#include "FileError.h"
#include "Game.h"
#include "HighScoresWindow.h"
#include "LabelText.h"
#include "Layout.h"
#include "StatusTexts.h"
#include "Texts.h"
#include "WindowHarness.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>
#include <map>

namespace {

using Environment = std::map<std::string, QByteArray>;

QString chosen(const Environment& environment) {
    return GameLanguage::choose(GameLanguage::asked([&](const char* name) {
                                    const auto found = environment.find(name);
                                    return found == environment.end() ? QByteArray()
                                                                      : found->second;
                                }),
                                GameLanguage::carried());
}

// The English translation installed for the length of a test.
class English {
public:
    English() {
        EXPECT_TRUE(
            m_translator.load(QStringLiteral("zunbario_en"), QStringLiteral(":/translations")));
        QCoreApplication::installTranslator(&m_translator);
    }
    ~English() { QCoreApplication::removeTranslator(&m_translator); }
    English(const English&) = delete;
    English& operator=(const English&) = delete;

private:
    QTranslator m_translator;
};

// The main window made while the English translation is installed.
class WindowInEnglish : public WindowHarness {
protected:
    void SetUp() override {
        m_english.emplace();
        WindowHarness::SetUp();
    }
    void TearDown() override {
        WindowHarness::TearDown();
        m_english.reset();
    }
    std::optional<English> m_english;
};

// Fails when the text, in the label's font, is wider or taller than the label, or for a label
// that sizes itself, reaches past `right`.
void expectFits(ElementId id, const GameText& text, int right = 0) {
    const Element label = initialLayout()[static_cast<std::size_t>(id)];
    const QSize size = LabelText::size(text, label.font);
    const QString shown = LabelText::lines(text).join(QLatin1Char('|'));
    if (label.autoSize) {
        EXPECT_LE(label.rect.left + size.width(), right) << shown.toStdString();
    } else {
        EXPECT_LE(size.width(), label.rect.width) << shown.toStdString();
        EXPECT_LE(size.height(), label.rect.height) << shown.toStdString();
    }
}

} // namespace

TEST(GameLanguage, FollowsTheDesktopsLanguagesWithEnglishForThoseItHasNoTranslationOf) {
    EXPECT_TRUE(GameLanguage::carried().contains(QStringLiteral("en")));
    EXPECT_EQ(chosen({}), QString());
    EXPECT_EQ(chosen({{"LANG", "C.UTF-8"}}), QString());
    EXPECT_EQ(chosen({{"LANG", "POSIX"}, {"LANGUAGE", "en"}}), QString());
    EXPECT_EQ(chosen({{"LANG", "ja_JP.UTF-8"}}), QString());
    EXPECT_EQ(chosen({{"LANG", "en_US.UTF-8"}}), QStringLiteral("en"));
    EXPECT_EQ(chosen({{"LANG", "de_DE.UTF-8"}}), QStringLiteral("en"));
    // LC_ALL overrides LC_MESSAGES, which overrides LANG; LANGUAGE comes before them all.
    EXPECT_EQ(chosen({{"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "en_US.UTF-8"}}), QString());
    EXPECT_EQ(chosen({{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}),
              QStringLiteral("en"));
    EXPECT_EQ(chosen({{"LANGUAGE", "fr:ja@cjknarrow"}, {"LANG", "fr_FR.UTF-8"}}), QString());
    EXPECT_EQ(chosen({{"LANGUAGE", "fr:en_GB"}, {"LANG", "ja_JP.UTF-8"}}), QStringLiteral("en"));
}

// Every text a label can show fits the label at the game's pixel sizes, scores of up to three
// digits included: a longer text would be cut off at the label's edge. The new-record banner
// stays clear of the level's label.
TEST(LabelTexts, FitTheirLabelsInJapaneseAndInEnglish) {
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Japanese");
        std::optional<English> translation;
        if (english)
            translation.emplace();
        for (const char* message :
             {Texts::StartMessage, Texts::PauseMessage, Texts::GameOverMessage,
              Texts::LevelClearMessage, Texts::GameClearMessage})
            expectFits(ElementId::Label1, message);
        for (int number = 0; number < 1000; number += 111) {
            expectFits(ElementId::LabelScore, StatusTexts::score(number));
            expectFits(ElementId::LabelHighScore, StatusTexts::highScore(number));
        }
        expectFits(ElementId::LabelTime, StatusTexts::time(0));
        for (int level = 1; level <= 4; ++level)
            expectFits(ElementId::LabelLevel, StatusTexts::level(level), 617);
        expectFits(ElementId::LabelNR, Texts::NewRecordBanner, 512);
    }
}

TEST_F(WindowInEnglish, MenusQuestionsStatusWordsAndErrorsAreEnglish) {
    EXPECT_EQ(captions(window().menuBar()->actions()),
              QStringList({"Ha&mmer", "Save &Game", "&Settings", "&Help"}));
    const QList<QAction*> bar = window().menuBar()->actions();
    EXPECT_EQ(captions(bar[0]->menu()->actions()),
              QStringList({"&Normal Hammer Only", "&Strange Hammer Only",
                           "&Random: Normal or Strange Hammer", "-", "&High Scores…"}));
    EXPECT_EQ(captions(bar[2]->menu()->actions()),
              QStringList({"Play &Sounds", "-", "&Normal Size", "&1.5 × Size", "&Double Size", "-",
                           "&Full Screen Mode"}));
    EXPECT_EQ(captions(bar[3]->menu()->actions()),
              QStringList({"&Help Contents", "-", "&About Zunbario"}));

    ConfirmDialog question(Texts::SaveQuestion, DialogButtons::YesNoCancel, &window());
    EXPECT_EQ(question.windowTitle(), QStringLiteral("Confirm"));
    EXPECT_EQ(question.text(),
              QStringLiteral("Save the game?\nThe game saved before will be lost."));
    QStringList buttons;
    for (const QPushButton* button : question.findChildren<QPushButton*>())
        buttons << button->text();
    EXPECT_EQ(buttons, QStringList({"&Yes", "&No", "Cancel"}));

    const HighScoresWindow list({}, 0, std::nullopt, &window());
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Zunbario High Scores"));
    EXPECT_EQ(list.tabs()->tabText(1), QStringLiteral("Strange Hammer"));
    EXPECT_EQ(qobject_cast<QLabel*>(list.tabs()->widget(1))->text(),
              QStringLiteral("No game has been cleared in this mode yet."));

    // The new-record banner, never re-labelled, is as wide as its English text.
    EXPECT_GE(game().scene().rect(ElementId::LabelNR).width,
              LabelText::size(Texts::NewRecordBanner, Font{37, true}).width());

    runTitle();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Zunbario"));
    const auto lines = [this](ElementId id) {
        return LabelText::lines(game().scene().element(id).text);
    };
    EXPECT_EQ(lines(ElementId::Label1), QStringList({"Press any key to start the game."}));
    pressKey(Qt::Key_Space);
    EXPECT_EQ(lines(ElementId::LabelLevel), QStringList({"Level 1"}));
    EXPECT_EQ(lines(ElementId::LabelScore), QStringList({"0pt"}));
    EXPECT_EQ(lines(ElementId::LabelHighScore), QStringList({"190pt", "(best)"}));

    // The path is put back as it is, even where it looks like a pattern itself.
    EXPECT_EQ(errorSentence(FileError::cannotCreate("/home/%1/レベル2/record1.dat").text()),
              QStringLiteral("Cannot create the file /home/%1/レベル2/record1.dat."));
}
