#pragma once

// Réponses modèles et réponses fausses d'une question posée, pour les parcours de contrôle
// (« calvane-banc parcours ») : une réponse juste doit être jugée exacte, une réponse fausse
// ne doit pas l'être. Par défaut, elles se déduisent des attendus de la question ; une unité
// de chapitre peut donner les siennes (TuniteChapitre::donnerReponseModele et
// donnerReponseFausse), par exemple pour un champ qui accepte toute expression égale à une
// autre sous une forme donnée, ou pour une figure à mettre dans un état juste.

#include <string>

struct TdonneesCommunes;

// Texte juste du champ k (1 à 3) : l'attendu écrit, ou la valeur attendue écrite à la
// française ; vide pour un champ vide permis dont l'attendu est vide.
std::string reponseModeleChamp(const TdonneesCommunes& d, int k);

// Texte faux du champ k : l'attendu suivi de « +1 », ou la valeur attendue plus 1 ; « 1 »
// pour un champ vide permis dont l'attendu est vide.
std::string reponseFausseChamp(const TdonneesCommunes& d, int k);

// Met la réponse modèle déduite des attendus dans l'état : textes des champs 1 à
// nombreChamps, et pour une question à cases les cases justes (casesJustes, ou caseJuste
// en choix unique), les autres cases non choisies.
void donnerReponseModeleParDefaut(TdonneesCommunes& d);

// Met une réponse fausse déduite des attendus : le premier champ faux et les autres justes ;
// pour des cases, les cases justes avec la première case active inversée (en choix unique,
// une case active autre que la juste).
void donnerReponseFausseParDefaut(TdonneesCommunes& d);

// La réponse modèle de la question posée : celle de l'unité du chapitre si elle en donne
// une, sinon celle déduite des attendus. De même pour la réponse fausse.
void donnerReponseModele(TdonneesCommunes& d);
void donnerReponseFausse(TdonneesCommunes& d);
