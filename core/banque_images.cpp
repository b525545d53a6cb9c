#include "core/banque_images.h"

#include <exception>
#include <memory>

#include "platform/background.h"

plat::PicturePtr BanqueImages::image(const std::string& nom) {
    if (auto deja = images_.find(nom); deja != images_.end()) return deja->second;
    plat::PicturePtr image;
    if (auto attendue = en_route_.find(nom); attendue != en_route_.end()) {
        auto future = attendue->second;
        en_route_.erase(attendue);
        image = future.get();
    } else {
        image = plat::load_picture(dossier_ / nom);
    }
    images_[nom] = image;
    return image;
}

void BanqueImages::precharger(const std::vector<std::string>& noms) {
    auto promesses = std::make_shared<std::vector<std::promise<plat::PicturePtr>>>();
    std::vector<std::filesystem::path> chemins;
    for (const std::string& nom : noms) {
        if (images_.contains(nom) || en_route_.contains(nom)) continue;
        promesses->emplace_back();
        en_route_[nom] = promesses->back().get_future().share();
        chemins.push_back(dossier_ / nom);
    }
    // Shared, not moved in: the work is held as a std::function, which copies.
    lecteur_ = plat::in_background([promesses, chemins] {
        for (std::size_t i = 0; i < chemins.size(); ++i) {
            try {
                (*promesses)[i].set_value(plat::load_picture(chemins[i]));
            } catch (...) {
                (*promesses)[i].set_exception(std::current_exception());
            }
        }
    });
}
