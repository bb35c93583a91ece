#include "analysis/jugement/listeentiers.h"

#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/lecturenombre.h"
#include "analysis/texte/chaines.h"

#include <initializer_list>
#include <set>
#include <string>
#include <utility>

namespace jugement {

namespace {

constexpr std::size_t elementsMaximum = 40;
constexpr double plafond = 1e9;

// Zéro ne divise jamais.
bool divise(std::int64_t diviseur, std::int64_t n) {
    return diviseur != 0 && n % diviseur == 0;
}

// Première valeur répétée, ou la liste est sans doublon.
bool aUnDoublon(const std::vector<std::int64_t>& valeurs) {
    return std::set<std::int64_t>(valeurs.begin(), valeurs.end()).size() != valeurs.size();
}

// Une liste sans doublon de diviseurs de chacun des nombres (le premier qu'une valeur ne
// divise pas est nommé), qui en compte autant qu'attendu ; le compte attendu n'est calculé
// que pour une liste juste jusque-là.
template <typename Compte>
TverificationEntiers verifierListeDiviseurs(std::string_view texte,
                                            std::initializer_list<std::int64_t> nombresDivises,
                                            Compte attendus) {
    const TlisteEntiers liste = lireListeEntiers(texte);
    if (liste.erreur != listeJuste) {
        return {liste.erreur};
    }
    if (aUnDoublon(liste.valeurs)) {
        return {valeurEnDouble};
    }
    for (std::int64_t v : liste.valeurs) {
        for (std::int64_t n : nombresDivises) {
            if (!divise(v, n)) {
                return {nonDiviseur, v, n};
            }
        }
    }
    if (static_cast<std::int64_t>(liste.valeurs.size()) != attendus()) {
        return {nombreDeValeursFaux};
    }
    return {};
}

} // namespace

TlisteEntiers lireListeEntiers(std::string_view texte) {
    std::string t = nombres::supprimerBlancs(texte);
    TlisteEntiers liste;
    if (t.empty()) {
        liste.erreur = listeIllisible;
        return liste;
    }
    if (t.back() != ';') {
        t.push_back(';');
    }
    std::size_t debut = 0;
    while (debut < t.size()) {
        const std::size_t fin = t.find(';', debut);
        const nombres::LectureNombre lu =
            nombres::lireChiffres(std::string_view(t).substr(debut, fin - debut));
        if (liste.valeurs.size() == elementsMaximum || lu.genre != nombres::LectureNombre::entier) {
            liste.erreur = listeIllisible;
            return liste;
        }
        if (lu.valeur >= plafond) {
            liste.erreur = valeurTropGrande;
            return liste;
        }
        liste.valeurs.push_back(static_cast<std::int64_t>(lu.valeur));
        debut = fin + 1;
    }
    return liste;
}

TverificationEntiers verifierDiviseurs(std::string_view texte, std::int64_t n) {
    return verifierListeDiviseurs(texte, {n}, [n] { return nombres::nombreDiviseurs(n); });
}

TverificationEntiers verifierDiviseursCommuns(std::string_view texte, std::int64_t a,
                                              std::int64_t b) {
    return verifierListeDiviseurs(texte, {a, b},
                                  [a, b] { return nombres::nombreDiviseursCommuns(a, b); });
}

TverificationEntiers verifierPgcd(std::string_view texte, std::int64_t a, std::int64_t b) {
    const nombres::LectureNombre lu = nombres::lireChiffres(nombres::supprimerBlancs(texte));
    if (lu.genre != nombres::LectureNombre::entier) {
        return {pgcdIllisible};
    }
    if (lu.valeur >= plafond) {
        return {valeurTropGrande};
    }
    const auto v = static_cast<std::int64_t>(lu.valeur);
    if (!divise(v, a)) {
        return {nonDiviseur, v, a};
    }
    if (!divise(v, b)) {
        return {nonDiviseur, v, b};
    }
    if (v < nombres::pgcd(a, b)) {
        return {pgcdTropPetit, v};
    }
    return {};
}

TverificationEntiers verifierRestesEuclide(std::string_view texte, std::int64_t a, std::int64_t b) {
    const TlisteEntiers liste = lireListeEntiers(texte);
    if (liste.erreur != listeJuste) {
        return {liste.erreur};
    }
    if (a < b) {
        std::swap(a, b);
    }
    const std::vector<std::int64_t>& restes = liste.valeurs;
    for (std::size_t i = 0; i + 1 < restes.size(); ++i) {
        if (restes[i] == 0) {
            return {resteNulAvantLaFin, restes[i]};
        }
    }
    if (restes.back() != 0) {
        return {dernierResteNonNul, restes.back()};
    }
    std::int64_t dividende = a;
    std::int64_t diviseur = b;
    for (std::int64_t reste : restes) {
        // Un diviseur nul (b = 0) n'a pas de reste : l'étape est fausse, sans division.
        if (diviseur == 0 || reste != dividende % diviseur) {
            return {resteFaux, reste, 0, dividende, diviseur};
        }
        dividende = diviseur;
        diviseur = reste;
    }
    return {};
}

} // namespace jugement
