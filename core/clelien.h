#pragma once

// Clés de lien : un texte balisé désigne la cible d'un lien par une lettre de genre
// (« C » page de cours, « E » exercice, « P » fiche d'information) suivie d'une clé courte,
// plutôt que par un identifiant de contenu. Ce module traduit une clé en identifiant.

#include <string_view>

// Identifiant de contenu désigné par la clé, 0 si la clé ne désigne rien. Seuls la lettre
// de genre et les 9 caractères suivants comptent.
int identifiantDeCle(std::string_view cle);

// Clé propre (sans lettre de genre) de l'identifiant, vide s'il n'en a pas.
std::string_view cleDeIdentifiant(int identifiant);
