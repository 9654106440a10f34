#pragma once

#include <QString>
#include <string>

// The core's texts as the player reads them. The core hands over finished Japanese texts; a text
// it made from a pattern (a status label, a file error) is known again by the pattern's words
// around its "%1", and the pattern is translated with the number or the path put back. Any
// other text is translated whole, and one without a translation shows as it stands: with no
// translation installed, every text is the core's own, byte for byte.
namespace CoreTexts {

QString shown(const std::string& text);

} // namespace CoreTexts
