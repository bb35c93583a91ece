#pragma once

// Listes d'entiers tapées dans les exercices de divisibilité (« 1;2;3;6 ») et leurs
// vérifications : diviseurs d'un nombre, diviseurs communs à deux nombres, PGCD, suite des
// restes de l'algorithme d'Euclide. Les exercices traduisent les codes rendus en messages.

#include <cstdint>
#include <string_view>
#include <vector>

namespace jugement {

// Codes rendus (0 : juste).
inline constexpr int listeJuste = 0;
inline constexpr int pgcdIllisible = 2;
inline constexpr int listeIllisible = 10;
inline constexpr int valeurEnDouble = 12;
inline constexpr int valeurTropGrande = 13;
inline constexpr int nonDiviseur = 14;
inline constexpr int nombreDeValeursFaux = 15;
inline constexpr int pgcdTropPetit = 16;
inline constexpr int resteFaux = 17;
inline constexpr int resteNulAvantLaFin = 18;
inline constexpr int dernierResteNonNul = 19;

struct TlisteEntiers {
    int erreur = listeJuste;
    std::vector<std::int64_t> valeurs;
};

// Blancs supprimés, « ; » final ajouté s'il manque ; chaque élément a 1 à 15 chiffres
// (sinon, comme un élément vide, un texte vide ou un 41e élément : code 10) et reste sous
// 1e9 (sinon code 13).
TlisteEntiers lireListeEntiers(std::string_view texte);

// Résultat d'une vérification : le code, et selon le code la valeur en faute, le nombre
// qu'elle ne divise pas (14) ou le dividende et le diviseur de l'étape fausse (17).
struct TverificationEntiers {
    int code = listeJuste;
    std::int64_t valeur = 0;
    std::int64_t nonDivise = 0;
    std::int64_t dividende = 0;
    std::int64_t diviseur = 0;
};

TverificationEntiers verifierDiviseurs(std::string_view texte, std::int64_t n);
TverificationEntiers verifierDiviseursCommuns(std::string_view texte, std::int64_t a,
                                              std::int64_t b);
TverificationEntiers verifierPgcd(std::string_view texte, std::int64_t a, std::int64_t b);
TverificationEntiers verifierRestesEuclide(std::string_view texte, std::int64_t a, std::int64_t b);

} // namespace jugement
