#pragma once

// Les questions du chapitre 1 à deux ou trois champs (« Réponse a : », « Réponse b : »,
// « Réponse c : ») : développement avec trois facteurs, « Développer, factoriser, calculer »,
// « Développer pour factoriser », les problèmes et les exercices de brevet. Une table donne
// les lignes de consigne de chaque exercice ; la figure des aires (indice 57) s'y ajoute.

struct TdonneesCommunes;

namespace exo5ch01 {

struct ExerciceCh01;

void poserChamps(TdonneesCommunes& d, const ExerciceCh01& e);
void donnerSolutionChamps(TdonneesCommunes& d, const ExerciceCh01& e);

// Réponse modèle des champs : la forme demandée quand le champ accepte toute expression égale
// à A (« Développer, factoriser, calculer »), sinon l'attendu.
void donnerReponseModeleChamps(TdonneesCommunes& d, const ExerciceCh01& e);

} // namespace exo5ch01
