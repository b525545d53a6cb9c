#pragma once
// The pictures of datas/, each read once and kept. At start-up the ones
// needed soon can be decoded on a second thread while the screen is set up.
#include <filesystem>
#include <future>
#include <map>
#include <string>
#include <vector>

#include "platform/picture.h"

class BanqueImages {
public:
    explicit BanqueImages(std::filesystem::path dossier) : dossier_(std::move(dossier)) {}

    // The picture, read now unless it was read before or is on its way. A
    // picture that cannot be read throws here, whichever thread read it.
    plat::PicturePtr image(const std::string& nom);

    // Starts reading these pictures, in this order, on a second thread.
    void precharger(const std::vector<std::string>& noms);

private:
    std::filesystem::path dossier_;
    std::map<std::string, plat::PicturePtr> images_;
    std::map<std::string, std::shared_future<plat::PicturePtr>> en_route_;
    std::future<void> lecteur_;  // declared last: joined before the rest goes
};
