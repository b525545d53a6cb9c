#pragma once
// The name screen: go on with the stored player or start a new one, spell a
// first name on the on-screen alphabet, confirm to reach the menu.
#include "core/routines.h"
#include "platform/form.h"

class DemandePrenom : public plat::Form {
public:
    explicit DemandePrenom(Routines& r);

private:
    Routines& r_;
};
