// Prints where every control of every screen lies, as the program's own
// forms place them: one line per control, "form control index x y w h" in
// pixels of the 640 × 480 canvas (index -1 for a control that does not
// repeat). The end-to-end test finds what to click from this list.
#include <filesystem>
#include <iostream>
#include <memory>

#include "platform/headless.h"
#include "platform/sound.h"
#include "shell/programme.h"

int main() {
    Programme programme(std::make_unique<plat::HeadlessBackend>(), std::make_unique<plat::RecordingSound>(),
                        std::filesystem::current_path(), 1);
    for (const plat::Form* form : programme.app.forms()) {
        for (const plat::Control* c : form->controls()) {
            plat::Rect b = c->bounds();
            std::cout << form->name() << ' ' << c->name() << ' ' << c->index() << ' ' << b.x << ' ' << b.y << ' '
                      << b.w << ' ' << b.h << '\n';
        }
    }
    return 0;
}
