#pragma once

// Tableau de taille fixe dont les cases se numérotent à partir de 1, comme les champs de
// réponse (1 à 3) ou les cases cliquables (1 à 30) qu'il contient : le code qui les manipule
// garde la numérotation que voit l'élève. Tout accès est vérifié ; un numéro hors bornes
// est une faute de programmation et lève std::out_of_range au lieu d'écrire hors du tableau.

#include <array>
#include <cstddef>
#include <stdexcept>

template <typename T, std::size_t N> class TtableauUn {
public:
    static constexpr std::size_t taille = N;

    constexpr TtableauUn() = default;
    // Toutes les cases valent la valeur donnée.
    constexpr explicit TtableauUn(const T& valeur) { cases_.fill(valeur); }

    constexpr T& operator[](std::size_t numero) { return cases_.at(verifier(numero) - 1); }
    constexpr const T& operator[](std::size_t numero) const {
        return cases_.at(verifier(numero) - 1);
    }

    // Vrai si le numéro désigne une case (1 ≤ numero ≤ N).
    static constexpr bool contient(long long numero) {
        return numero >= 1 && numero <= static_cast<long long>(N);
    }

    constexpr void remplir(const T& valeur) { cases_.fill(valeur); }

    constexpr auto begin() { return cases_.begin(); }
    constexpr auto end() { return cases_.end(); }
    constexpr auto begin() const { return cases_.begin(); }
    constexpr auto end() const { return cases_.end(); }

private:
    static constexpr std::size_t verifier(std::size_t numero) {
        if (numero < 1 || numero > N) {
            throw std::out_of_range("numéro de case hors du tableau");
        }
        return numero;
    }

    std::array<T, N> cases_{};
};
