#pragma once

// Le dessin en PNG d'une question posée sans fenêtre (« calvane-banc exercice --png ») :
// l'énoncé avec ses cases, sa figure et ses champs de réponse, et dessous la zone de la
// solution, pour regarder une question sans lancer le programme.

#include <string>

struct TdonneesCommunes;

// Dessine l'énoncé et la solution dans le fichier PNG ; ErreurArguments si le fichier ne
// s'écrit pas.
void dessinerExercicePng(TdonneesCommunes& d, const std::string& png);
