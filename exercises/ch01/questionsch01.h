#pragma once

// Données fixes des exercices du chapitre 1 (calcul littéral, identités remarquables) :
// chaque exercice est une série de questions écrites une fois pour toutes. Ces tables
// donnent, question par question, l'expression affichée (texte balisé, ce qui suit
// « A = »), la réponse attendue dans la syntaxe de saisie de l'élève, les lettres permises
// et les lignes de la solution ; l'unité du chapitre les lit sans rien calculer.
// Le nombre de questions d'une série est la taille de sa table.

#include "analysis/jugement/genresreponse.h"
#include "exercises/commun/serie.h"

#include <span>

namespace exo5ch01 {

// Une question à un champ dont la réponse est une expression (réduite, développée ou
// factorisée selon l'exercice).
struct QuestionExpression {
    const char* expression;
    const char* attendue;
    const char* lettres;
    LigneTexte solution[4];
};

// Une question « Calcul rapide » : un calcul numérique à mener de tête avec une identité.
using QuestionNumerique = QuestionNombre;

// La réponse attendue d'un champ d'une question à plusieurs champs. Pour une expression :
// `attendue` et `lettres` ; `modele` est la réponse modèle quand elle diffère de
// `attendue` (un champ qui attend « toute expression égale à A » sous une forme donnée).
// Pour un nombre : `valeur`, et `pourX` la valeur de x à laquelle il se calcule, en texte.
struct ChampAttendu {
    TgenreReponse typeReponse;
    const char* attendue = nullptr;
    const char* lettres = nullptr;
    double valeur = 0;
    const char* pourX = nullptr;
    const char* modele = nullptr;
};

// Une question à deux ou trois champs (« Réponse a : », « Réponse b : »…). `expression`
// est l'expression de l'énoncé ; un champ inutilisé a le genre aucun.
struct QuestionChamps {
    const char* expression;
    ChampAttendu champs[3];
    LigneTexte solution[6];
};

// Questions de l'exercice d'index donné dont la réponse est une seule expression ;
// vide pour un autre index.
std::span<const QuestionExpression> questionsExpression(int index);

// Questions « Calcul rapide » de l'exercice d'index donné ; vide pour un autre index.
std::span<const QuestionNumerique> questionsCalculRapide(int index);

// Questions à plusieurs champs de l'exercice d'index donné ; vide pour un autre index.
std::span<const QuestionChamps> questionsChamps(int index);

} // namespace exo5ch01
