#include "shell/verrou_joueur.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr const char* kFichierVerrou = "4.bin.verrou";
}

// A folder where the lock cannot be made (read-only) locks nothing: the
// player file could not be written there either.
VerrouJoueur::VerrouJoueur(const std::filesystem::path& dossier_joueur) {
    fd_ = ::open((dossier_joueur / kFichierVerrou).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    tenu_ = fd_ < 0 || ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

VerrouJoueur::~VerrouJoueur() {
    if (fd_ >= 0) ::close(fd_);
}
