#pragma once

// Description d'un exercice du chapitre 1 : sa famille (cases, expression à écrire, calcul
// rapide, problème à plusieurs champs), son titre, son barème, la page de cours qu'il
// propose, le cadre et les lignes de sa consigne. La table de ces descriptions permet de
// trouver un exercice par son indice dans l'arbre ; chaque famille a une seule fonction de
// pose, menée par la ligne de la table.

#include "analysis/jugement/genresreponse.h"

#include <cstddef>
#include <span>

struct TdonneesCommunes;

namespace exo5ch01 {

enum class Famille { cases, expression, calculRapide, champs };

struct ExerciceCh01 {
    int index;
    Famille famille;
    const char* titre;
    int bareme;
    // Page de cours de BoutonRevoirCours, 0 sans bouton.
    int pageCours;
    double hauteurCadre;
    double largeurCadre;
    // Genre de réponse du champ unique : développée réduite, factorisée, entier.
    TgenreReponse typeReponse = TgenreReponse::aucun;
    // Consigne à la ligne 2 et, s'il y en a une, sa suite à la ligne donnée.
    const char* consigne = nullptr;
    const char* suiteConsigne = nullptr;
    double ligneSuite = 0;
};

// Les descriptions de tous les exercices du chapitre.
std::span<const ExerciceCh01> exercicesCh01();

// La description de l'exercice d'indice donné, nulle pour un indice sans exercice.
const ExerciceCh01* exerciceCh01(int index);

// Ce que toutes les questions à saisie ont en commun : nombre de questions, titre, barème,
// page de cours, cadre et consigne, n champs de réponse étiquetés et le bouton d'aide.
void preparerSaisie(TdonneesCommunes& d, const ExerciceCh01& e, int nombreQuestions, int champs);

} // namespace exo5ch01
