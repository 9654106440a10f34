#pragma once

#include "GameText.h"

#include <QString>

// The core's texts as the player reads them: the pattern translated in its context, then the
// number or the path put in. A pattern without a translation shows as it stands: with no
// translation installed, every text is the core's own, byte for byte.
namespace CoreTexts {

QString shown(const GameText& text);

} // namespace CoreTexts
