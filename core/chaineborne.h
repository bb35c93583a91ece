#pragma once

// Texte borné de l'enregistrement commun : au plus N caractères (points de code). Un texte
// plus long est coupé sans bruit à l'affectation, comme le veut la règle des champs
// « chaîne de N caractères » ; aucun texte n'est jamais refusé.

#include "analysis/texte/texteutf8.h"

#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N> class TchaineBornee {
public:
    static constexpr std::size_t longueurMax = N;

    TchaineBornee() = default;
    TchaineBornee(std::string_view texte) : texte_(texteutf8::couper(texte, N)) {}
    TchaineBornee(const char* texte) : TchaineBornee(std::string_view(texte)) {}
    TchaineBornee(const std::string& texte) : TchaineBornee(std::string_view(texte)) {}

    TchaineBornee& operator=(std::string_view texte) {
        texte_ = texteutf8::couper(texte, N);
        return *this;
    }
    TchaineBornee& operator=(const char* texte) { return *this = std::string_view(texte); }
    TchaineBornee& operator=(const std::string& texte) { return *this = std::string_view(texte); }

    const std::string& texte() const { return texte_; }
    operator std::string_view() const { return texte_; }
    bool empty() const { return texte_.empty(); }
    void clear() { texte_.clear(); }

    friend bool operator==(const TchaineBornee& a, std::string_view b) { return a.texte_ == b; }

private:
    std::string texte_;
};
