#include "platform/durable.h"

#include <emscripten.h>

namespace plat {

// The players' folder is the one mounted on IndexedDB (platform/web/pre.js);
// the copy runs on after the call, and a failure leaves the previous save.
void make_durable(const std::filesystem::path&) {
    EM_ASM(FS.syncfs(false, function(erreur) {
        if (erreur) console.warn("Lexirama : sauvegarde du joueur non conservée", erreur);
    }););
}

}  // namespace plat
