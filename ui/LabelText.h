#pragma once

#include "Element.h"

#include <QFont>
#include <QSize>
#include <QStringList>

class Scene;

// How a label's text is laid out on the field: the game's Japanese proportional gothic at the
// label's pixel height, one line per carriage return, never wrapped.
namespace LabelText {

QFont font(Font font);
QStringList lines(const GameText& text);
// The widest line by the number of lines, as a label that sizes itself takes it.
QSize size(const GameText& text, Font font);

// A label that sizes itself took its size from the layout's Japanese text; where the player
// reads a translation of that text, the label takes the translation's size, so that it shows
// whole. Labels that show the game's own text keep the layout's size.
void fitTranslations(Scene& scene);

} // namespace LabelText
