#pragma once

#include "GameText.h"

#include <QString>

class QWidget;

// The message of a failed file operation as a sentence in the player's language.
QString errorSentence(const GameText& message);

// The box that reports a failed file operation: the game's caption, a stop sign, OK, and the
// message as a sentence.
void showErrorBox(const GameText& message, QWidget* parent);
