#pragma once

#include <QString>
#include <QStringList>

// The build's own folder, where the game lies with data/ and the help file beside it.
QString buildFolder();

// Copies a player's folder to `to`: the cursors, sounds and help file the game
// reads, and each of `programs`, so that it finds its data beside itself. Record files are never
// copied, so a program run from there never reads or writes the build's own. False when a program
// or a data file could not be copied, or `from` holds no data.
bool copyPortableGame(const QString& to, const QStringList& programs,
                      const QString& from = buildFolder());
