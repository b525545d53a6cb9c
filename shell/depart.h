#pragma once
// The menu: fifteen characters, one per game, over background "1"; pointing
// at one makes it twitch and shows its invitation, clicking it opens the game.
#include "core/routines.h"
#include "platform/form.h"

class Depart : public plat::Form {
public:
    explicit Depart(Routines& r);

    // The quit picture's path, also taken when the window is closed.
    void quitter();

    plat::Label label_epreuve{*this, "label_epreuve"};
    plat::Image fin{*this, "fin"};
    plat::Timer Timer{*this, 750};

private:
    Routines& r_;
};
