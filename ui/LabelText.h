#pragma once

#include "Element.h"

#include <QFont>
#include <QSize>
#include <QStringList>
#include <string>

// How a label's text is laid out on the field: the game's Japanese proportional gothic at the
// label's pixel height, one line per carriage return, never wrapped.
namespace LabelText {

QFont font(Font font);
QStringList lines(const std::string& text);
// The widest line by the number of lines, as a label that sizes itself takes it.
QSize size(const std::string& text, Font font);

} // namespace LabelText
