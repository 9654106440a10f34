#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The game's family of lettering: the Japanese proportional gothic the game uses everywhere.
inline constexpr const char* LetteringFamily = "IPAPGothic";

// One line of the title: green lettering with grey relief on black, filling the picture.
QImage drawTitleLine(const QString& text, QSize size, int scale);
// The credit banner, 200 × 43: year and author in blue italic on a mottled many-coloured ground.
QImage drawCreditBanner(const QString& text, int scale);
