#pragma once
// The loading screen and the title: the program's start-up, step by step,
// from the hidden pointer to the name screen.
#include <functional>

#include "core/routines.h"
#include "platform/form.h"

class Chargement : public plat::Form {
public:
    explicit Chargement(plat::Application& app);
    plat::Label Label1{*this, "Label1"};
    plat::Image logo{*this, "logo"};
};

class Titre : public plat::Form {
public:
    explicit Titre(plat::Application& app) : plat::Form(app, "titre") {}
};

// Loads every background, the three sheets and the grey button face, plays
// the loading tune and the first ambient sound, shows the title while the
// last backgrounds load, then `accueillir` shows the first screen (the
// stored players, or the name screen).
void demarrer(Routines& r, Chargement& chargement, Titre& titre, const std::function<void()>& accueillir);
