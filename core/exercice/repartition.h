#pragma once

// Répartition d'un exercice vers son unité de chapitre, en deux niveaux : le code de
// chapitre de l'exercice en cours choisit l'unité, puis chaque procédure de l'unité choisit
// son bras sur numeroExercice. Les unités (exercises/) s'inscrivent ici au démarrage, de
// sorte que le noyau les appelle sans dépendre d'elles à la compilation.

struct TdonneesCommunes;

using ProcedureChapitre = void (*)(TdonneesCommunes&);

// Les procédures d'une unité de chapitre ; reprendreEnonce n'existe que pour les chapitres
// qui restaurent la figure de l'énoncé quand l'élève réessaie (nul ailleurs).
struct TuniteChapitre {
    ProcedureChapitre poserEnonce = nullptr;
    ProcedureChapitre jugerReponse = nullptr;
    ProcedureChapitre donnerSolution = nullptr;
    ProcedureChapitre reprendreEnonce = nullptr;
    // Pour « calvane-banc parcours » : mettent dans l'état une réponse juste, ou une réponse
    // fausse, à la question posée (textes des champs, cases choisies, figure dans un état
    // juste ou faux). Nulles : les réponses se déduisent des attendus de la question
    // (reponseAttendue, valeurAttendue, casesJustes).
    ProcedureChapitre donnerReponseModele = nullptr;
    ProcedureChapitre donnerReponseFausse = nullptr;
};

// Inscrit l'unité du chapitre de code donné (2 à 15) ; un code hors de ces bornes est
// ignoré.
void inscrireUniteChapitre(int codeChapitre, const TuniteChapitre& unite);

// L'unité inscrite pour le code, nulle s'il n'y en a pas.
const TuniteChapitre* uniteChapitre(int codeChapitre);

// Retire toutes les unités inscrites.
void effacerUnitesChapitre();

// Premier niveau de la répartition, sur codeChapitre. Sans unité pour le code : pas
// d'énoncé, le jugement standard, pas de solution, pas de reprise.
void poserEnonce(TdonneesCommunes& d);
void jugerReponse(TdonneesCommunes& d);
void donnerSolution(TdonneesCommunes& d);
void reprendreEnonce(TdonneesCommunes& d);
