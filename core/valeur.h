#pragma once
// An untyped value as the player file stores it: a counter never touched is
// "empty" and is written differently from a counter that holds 0.
#include <cstdint>
#include <string>
#include <variant>

class Valeur {
public:
    Valeur() = default;
    Valeur(std::int32_t nombre) : v_(nombre) {}
    Valeur(std::string texte) : v_(std::move(texte)) {}

    bool vide() const { return std::holds_alternative<std::monostate>(v_); }
    bool est_texte() const { return std::holds_alternative<std::string>(v_); }
    bool est_nombre() const { return std::holds_alternative<std::int32_t>(v_); }

    // Empty counts as 0; a number is itself; a text counts as 0.
    std::int32_t nombre() const {
        if (auto* n = std::get_if<std::int32_t>(&v_)) return *n;
        return 0;
    }
    // Empty reads as "", a number as its decimal digits.
    std::string texte() const {
        if (auto* t = std::get_if<std::string>(&v_)) return *t;
        if (auto* n = std::get_if<std::int32_t>(&v_)) return std::to_string(*n);
        return {};
    }

    void vider() { v_ = std::monostate{}; }
    bool operator==(const Valeur&) const = default;

private:
    std::variant<std::monostate, std::int32_t, std::string> v_;
};
