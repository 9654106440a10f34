#include "SoundLoading.h"

#include <cstdio>
#include <dlfcn.h>

namespace {

class Silence : public SoundOutput {
public:
    void play(SoundId) override {}
};

} // namespace

std::unique_ptr<SoundOutput> loadSoundPlugin(const std::string& pluginFile, const QString& folder) {
    // The plugin stays loaded to the end: the sounds it opens are its own code. It is loaded by
    // its bytes, so that a folder whose name Qt cannot spell still has sound.
    void* plugin = ::dlopen(pluginFile.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto open =
        plugin ? reinterpret_cast<OpenSoundsFunction>(::dlsym(plugin, OpenSoundsName)) : nullptr;
    if (open == nullptr) {
        std::fprintf(stderr, "zunbario: the game plays without sound: %s\n", ::dlerror());
        return std::make_unique<Silence>();
    }
    return std::unique_ptr<SoundOutput>(open(folder));
}
