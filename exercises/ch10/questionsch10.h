#pragma once

// Données fixes des exercices du chapitre 10 (théorème de Thalès) : nombres, textes des
// énoncés et des solutions, question par question. Les figures sont construites par
// l'unité du chapitre à partir de ces données (lettres, rapport k, position d'un point).
// Le nombre de questions d'une série est la taille de sa table.

#include "analysis/jugement/genresreponse.h"

#include "exercises/commun/serie.h"

#include <span>

namespace exo5ch10 {

// Équation en rapports d'inconnue x (exercices 401 et 403).
using EquationRapports = QuestionNombre;

// Deux inconnues x et y dans une suite de trois rapports égaux (exercice 402).
struct TroisRapports {
    const char* egalites;
    double x;
    double y;
    LigneTexte solution[2];
};

// B sur [AC] : rapports à compléter (exercice 404). `positionB` vaut AB / AC ; les champs
// inutilisés ont un texte nul.
struct RapportsAlignes {
    const char* donnee;
    double positionB;
    int bareme;
    const char* aCompleter[3];
    double valeurs[3];
    LigneTexte solution[3];
};

// Tableau de deux lignes de trois nombres : proportionnel ou non (exercice 405).
struct TableauProportionnalite {
    double ligneHaut[3];
    double ligneBas[3];
    bool proportionnel;
    LigneTexte solution[2];
};

// Suite de rapports égaux où remplacer a, b et c par des noms de segments (exercice 407).
// `k` est le rapport de la figure (négatif pour les triangles opposés par le sommet).
struct RapportsEgaux {
    const char* chaine;
    double k;
    const char* attendues[3];
};

// Deux longueurs à calculer par le théorème de Thalès (exercices 408 à 411). `lettres`
// donne le sommet commun puis A, B, C, D ((AC) et (BD) sécantes, (AB)//(CD)) ; la figure
// est tracée avec `lettresFigure` et `k`. `finChaine` termine la ligne « Donc d'après le
// théorème de Thalès… » ; les lignes de solution suivent à partir de la ligne 5,5.
struct CalculThales {
    const char* lettres;
    const char* lettresFigure;
    double k;
    const char* donnees;
    const char* demande;
    double a;
    double b;
    const char* finChaine;
    LigneTexte solution[3];
};

// Placer M par glissement (exercice 412) : abscisse visée de M, longueur AB de la figure,
// rapport AM / AB écrit en balisage, aide affichée après une réponse fausse.
struct PlacerM {
    const char* consigne;
    double ab;
    double cibleX;
    const char* rapport;
    const char* aide;
    LigneTexte solution[2];
};

// Réciproque avec calculs intermédiaires (exercice 414) : rapports attendus et réponse du
// champ c (0 « O », 1 « N »).
struct ReciproqueCalculs {
    const char* donnees;
    double k;
    double a;
    double b;
    int c;
    LigneTexte solution[2];
};

// Question du Q. C. M. sur le parallélisme (exercice 415) ; `caseJuste` : 1 parallèles,
// 2 non parallèles, 3 on ne peut pas savoir.
struct QcmParallelisme {
    const char* alignement;
    const char* donnees;
    int caseJuste;
    LigneTexte solution[2];
};

// Placer M dans un rapport donné (exercices 417 et 418). `positionM` est l'abscisse de M
// sur la droite (AB) graduée avec A en 0 et B en 1.
struct PlacerRapport {
    const char* condition;
    bool dedans;
    int numerateur;
    int denominateur;
    double positionM;
};

// Segment à rendre facile à partager sur le quadrillage (exercice 419).
struct PartagerSegment {
    const char* condition;
    const char* segment;
    int parties;
};

// Réponse d'un champ d'un problème : un nombre, ou un texte pour les formes 43.
struct ChampProbleme {
    TgenreReponse typeReponse;
    double valeur;
    const char* attendue;
};

// Problème à une question (exercices 421, 422, 425 à 427).
struct Probleme {
    LigneTexte enonce[5];
    ChampProbleme champs[3];
    LigneTexte solution[6];
};

// Tables des exercices, question par question. Une fonction qui prend un index rend une
// table vide pour un index qu'elle ne connaît pas : equationsRapports (401, 403),
// calculsThales (408 à 411), placerRapport (417, 418), probleme (421, 422, 425 à 427) ;
// les autres servent un seul exercice : 402, 404, 405, 407, 412, 414, 415 et 419.
std::span<const EquationRapports> equationsRapports(int index);
std::span<const TroisRapports> troisRapports();
std::span<const RapportsAlignes> rapportsAlignes();
std::span<const TableauProportionnalite> tableauxProportionnalite();
std::span<const RapportsEgaux> rapportsEgaux();
std::span<const CalculThales> calculsThales(int index);
std::span<const PlacerM> placerM();
std::span<const ReciproqueCalculs> reciproqueCalculs();
std::span<const QcmParallelisme> qcmParallelisme();
std::span<const PlacerRapport> placerRapport(int index);
std::span<const PartagerSegment> partagerSegment();
std::span<const Probleme> probleme(int index);

} // namespace exo5ch10
