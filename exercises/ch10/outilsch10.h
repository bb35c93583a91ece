#pragma once

// Petites opérations communes aux énoncés et aux solutions du chapitre 10 : en-tête d'une
// question, choix de la question en cours dans une table, champs de réponse étiquetés et
// lignes de texte écrites d'un tableau.

#include "exercises/ch10/questionsch10.h"
#include "exercises/commun/serie.h"

#include <cstddef>
#include <span>
#include <string_view>

struct TdonneesCommunes;

namespace exo5ch10 {

// Titre, nombre de questions de la série et barème de la question.
void commencerEnonce(TdonneesCommunes& d, std::string_view titre, int nombreQuestions, int bareme);

// n champs numériques (1 à 3) étiquetés « Réponse : », ou « Réponse a : »… ; ou « a : »…
// quand `courtes`.
void preparerChamps(TdonneesCommunes& d, int n, bool courtes = false);

// Attend le nombre v au champ k : valeurAttendue, et dans reponseAttendue son écriture
// exacte, décimale à la française ou fraction irréductible (« 25/3 ») quand v n'a pas
// d'écriture décimale finie.
void attendreNombre(TdonneesCommunes& d, int k, double v);

// Le cadre de la consigne qui va jusqu'à la ligne donnée de l'énoncé (incluse).
void encadrerJusqua(TdonneesCommunes& d, double derniereLigne, double largeur);

} // namespace exo5ch10
