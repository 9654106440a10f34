#pragma once

#include "Platform.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The fake platform's window, and where its edges put the strange hammer.
namespace FakeWindow {

// An outer window at (100, 50): 4 px frame, 23 px title bar, 20 px menu bar, 617 × 460 client.
inline constexpr Rect Outer{100, 50, 625, 511};
inline constexpr int ClientHeight = 460;
// The client area's top on the screen, the outer bottom less the client: 50 + 511 - 460.
inline constexpr int ClientTop = Outer.top + Outer.height - ClientHeight;
// The 32 px hammer 5 px inside an edge of the window's own width and height, its farthest left
// and top and its nearest place.
inline constexpr int HammerFarLeft = Outer.width - 32 - 5;
inline constexpr int HammerFarTop = Outer.height - 32 - 5;
inline constexpr int HammerNear = 5;

} // namespace FakeWindow

// A hand-written Platform for the rules' tests: it records what the game asks, answers
// questions from a script and lets a test move the pointer and the clock.
class FakePlatform : public Platform {
public:
    struct Question {
        std::string message;
        DialogButtons buttons;
    };

    // Timer1 as the game left it.
    int timerInterval = 0;
    bool timerEnabled = false;
    int timerRestarts = 0; // changes of either value

    std::string caption = "<unset>";
    std::map<CursorIndex, std::string> registeredCursors;
    CursorIndex cursor = CursorIndex::Arrow;

    Point pointer{500, 400};
    Rect window = FakeWindow::Outer;
    int client = FakeWindow::ClientHeight;

    std::map<MenuItem, bool> menuEnabled;
    std::map<MenuItem, bool> menuChecked;

    // Answers for the next questions, in order; Answer::No once the script runs out.
    std::deque<Answer> answers;
    // Runs while a question is open, as the nested event loop of a real dialog would.
    std::function<void()> whileAsking;
    std::vector<Question> questions;

    std::vector<std::string> errors;
    std::vector<SoundId> sounds;
    std::vector<std::pair<std::string, int>> helpRequests;
    int aboutShown = 0;
    std::int64_t timeOfDay = 0;
    // The clock and the account a game clear's score entry takes.
    std::int64_t now = 1'800'000'000;
    std::string name = "Player";

    void setTimerInterval(int milliseconds) override {
        if (milliseconds != timerInterval)
            ++timerRestarts;
        timerInterval = milliseconds;
    }
    void setTimerEnabled(bool enabled) override {
        if (enabled != timerEnabled)
            ++timerRestarts;
        timerEnabled = enabled;
    }
    void setCaption(const GameText& text) override { caption = text.filled(); }
    void registerCursor(CursorIndex index, const std::string& path) override {
        registeredCursors[index] = path;
    }
    void setCursor(CursorIndex index) override { cursor = index; }
    Point pointerPosition() const override { return pointer; }
    Rect windowRect() const override { return window; }
    int clientHeight() const override { return client; }
    void setMenuEnabled(MenuItem item, bool enabled) override { menuEnabled[item] = enabled; }
    void setMenuChecked(MenuItem item, bool checked) override { menuChecked[item] = checked; }
    bool isMenuChecked(MenuItem item) const override {
        const auto it = menuChecked.find(item);
        return it != menuChecked.end() && it->second;
    }
    Answer confirm(const GameText& message, DialogButtons buttons) override {
        questions.push_back({message.filled(), buttons});
        if (whileAsking)
            whileAsking();
        if (answers.empty())
            return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void reportError(const GameText& message) override { errors.push_back(message.filled()); }
    void playSound(SoundId sound) override { sounds.push_back(sound); }
    void openHelp(const std::string& path, int context) override {
        helpRequests.emplace_back(path, context);
    }
    void showAbout() override { ++aboutShown; }
    // Ten pixels a character of each line, a line per '\r', at the font's height.
    Size textSize(const GameText& text, Font font) const override;
    std::int64_t millisecondsOfDay() const override { return timeOfDay; }
    std::int64_t secondsSinceEpoch() const override { return now; }
    std::string playerName() const override { return name; }

    bool isEnabled(MenuItem item) const {
        const auto it = menuEnabled.find(item);
        return it == menuEnabled.end() || it->second;
    }
};

inline Size FakePlatform::textSize(const GameText& text, Font font) const {
    int lines = 1;
    int longest = 0;
    int current = 0;
    for (const unsigned char c : text.filled()) {
        if (c == '\r') {
            ++lines;
            current = 0;
        } else if ((c & 0xC0) != 0x80) { // count characters, not UTF-8 bytes
            longest = std::max(longest, ++current);
        }
    }
    return {longest * 10, lines * font.pixelSize};
}
