#pragma once

#include <string>

class QWidget;

// The box that reports a failed file operation: the game's caption, a stop sign, OK, and the
// message as a sentence.
void showErrorBox(const std::string& message, QWidget* parent);
