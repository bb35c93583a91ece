#include "core/identifiants.h"

#include <array>

namespace {

struct PlageChapitre {
    int dernierExercice;   // dernier indice du chapitre dans l'arbre des exercices
    int derniereIdCours;   // dernier identifiant de cours du chapitre
    int premierePageCours; // première page (après la racine et la section « Le cours »)
};

// Une ligne par code de chapitre, de 2 à 16 ; le formulaire n'a pas d'exercices.
constexpr std::array<PlageChapitre, 15> plages{{
    {62, 1008, 1002},
    {122, 1019, 1011},
    {171, 1030, 1022},
    {196, 1039, 1033},
    {241, 1051, 1042},
    {274, 1061, 1054},
    {311, 1069, 1064},
    {346, 1075, 1072},
    {398, 1086, 1078},
    {427, 1094, 1089},
    {470, 1105, 1097},
    {519, 1115, 1108},
    {552, 1126, 1118},
    {604, 1138, 1129},
    {-1, 1155, 1140},
}};

constexpr std::array<std::string_view, 19> titres{
    "Lu",
    "Valider",
    "Suivant",
    "Numérique : Vérifier les acquis",
    "1. Calcul littéral - Identités remarquables",
    "2. Équations, inéquations - Résolution de problèmes",
    "3. Calculs sur les racines carrées",
    "4. Nombres entiers et rationnels",
    "5. Proportionnalité et fonctions linéaires",
    "6. Fonctions affines",
    "7. Systèmes d'équations - Résolution de problèmes",
    "8. Statistique",
    "9. Trigonométrie",
    "10. Théorème de Thalès",
    "11. Géométrie dans l'espace",
    "12. Vecteurs et translations",
    "13. Coordonnées et distances",
    "14. Rotations, angles, polygones réguliers",
    "Formulaire",
};
constexpr int premierCodeTitre = 499;

} // namespace

GenreContenu genreContenu(int id) {
    if (id >= identifiant::premiereInfo) {
        return GenreContenu::Information;
    }
    if (id >= identifiant::baseImagiciel) {
        return id <= identifiant::dernierImagiciel ? GenreContenu::Imagiciel : GenreContenu::Aucun;
    }
    if (id >= identifiant::premierePage) {
        return id <= identifiant::dernierePage ? GenreContenu::PageCours : GenreContenu::Aucun;
    }
    if (id >= 1 && id <= identifiant::dernierExercice) {
        return GenreContenu::Exercice;
    }
    return GenreContenu::Aucun;
}

int chapitreDExercice(int index) {
    for (int i = 0; i + 1 < static_cast<int>(plages.size()); ++i) {
        if (index <= plages[static_cast<std::size_t>(i)].dernierExercice) {
            return premierCodeChapitre + i;
        }
    }
    return dernierCodeChapitre;
}

int chapitreDePage(int id) {
    for (int i = 0; i + 1 < static_cast<int>(plages.size()); ++i) {
        if (id <= plages[static_cast<std::size_t>(i)].derniereIdCours) {
            return premierCodeChapitre + i;
        }
    }
    return codeFormulaire;
}

int premierePageChapitre(int code) {
    if (code < premierCodeChapitre || code > codeFormulaire) {
        return 0;
    }
    return plages[static_cast<std::size_t>(code - premierCodeChapitre)].premierePageCours;
}

int dernierePageChapitre(int code) {
    if (code < premierCodeChapitre || code > codeFormulaire) {
        return 0;
    }
    return plages[static_cast<std::size_t>(code - premierCodeChapitre)].derniereIdCours;
}

std::string_view titreChapitre(int code) {
    const int rang = code - premierCodeTitre;
    if (rang < 0 || rang >= static_cast<int>(titres.size())) {
        return "???";
    }
    return titres[static_cast<std::size_t>(rang)];
}
