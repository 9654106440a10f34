// The sound plugin: the game's sounds, played through the sound server (SoundPlayer).

#include "SoundOutput.h"
#include "SoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundOutput* zunbario_open_sounds(const QString& folder) {
    return new SoundPlayer(folder);
}
