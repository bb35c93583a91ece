#pragma once

// Identifiants de contenu et codes de chapitre. Un entier nomme tout ce qui peut être montré
// ou lancé : un nœud de l'arbre des exercices (0 à 604), une page de cours (1000 + indice
// dans l'arbre des cours), un imagiciel (1500 + indice), une entrée d'information (1990 et
// au-delà : aide 1997, « À propos » 1998, bilan 1999, index par thème 2000 + indice, index
// alphabétique 2500 + indice, fiches d'explication partagées 2875 à 2882) ; 0 ne désigne
// rien. Un chapitre se nomme par son code, 2 pour le chapitre 1 jusqu'à 15 pour le
// chapitre 14, 16 pour le formulaire ; le code de titre vaut le code de chapitre + 501.

#include <string_view>

namespace identifiant {

inline constexpr int dernierExercice = 604;
inline constexpr int baseCours = 1000;
inline constexpr int premierePage = 1002;
inline constexpr int dernierePage = 1155;
inline constexpr int baseImagiciel = 1500;
inline constexpr int dernierImagiciel = 1524;
inline constexpr int premiereInfo = 1990;
inline constexpr int aideSaisie = 1997;
inline constexpr int aPropos = 1998;
inline constexpr int bilan = 1999;
inline constexpr int baseTheme = 2000;
inline constexpr int baseAlphabetique = 2500;
inline constexpr int premiereFiche = 2875;
inline constexpr int derniereFiche = 2882;

} // namespace identifiant

inline constexpr int premierCodeChapitre = 2;
inline constexpr int dernierCodeChapitre = 15;
inline constexpr int codeFormulaire = 16;
inline constexpr int decalageTitre = 501;

// Genre de contenu qu'un identifiant désigne, selon la plage où il tombe.
enum class GenreContenu { Aucun, Exercice, PageCours, Imagiciel, Information };

GenreContenu genreContenu(int identifiant);

// Code du chapitre dont la plage de l'arbre des exercices contient l'indice.
int chapitreDExercice(int index);

// Code du chapitre d'une page de cours (16 au-delà du chapitre 14 : le formulaire).
int chapitreDePage(int identifiant);

// Première et dernière pages d'un chapitre (sans sa racine ni sa section « Le cours ») ;
// 0 pour un code hors de 2 à 16.
int premierePageChapitre(int codeChapitre);
int dernierePageChapitre(int codeChapitre);

// Texte d'un code de titre (« ??? » pour un code inconnu).
std::string_view titreChapitre(int codeTitre);
