#pragma once

#include <QString>
#include <string>

class QWidget;

// The message of a failed file operation as a sentence in the player's language.
QString errorSentence(const std::string& message);

// The box that reports a failed file operation: the game's caption, a stop sign, OK, and the
// message as a sentence.
void showErrorBox(const std::string& message, QWidget* parent);
