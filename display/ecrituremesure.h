#pragma once

// Écriture des nombres que les figures affichent : mesures arrondies à la virgule décimale
// (« 1,41 ») et coordonnées des étiquettes (« 0.5 »). Mêmes règles que l'écriture des
// nombres de la couche d'analyse (moitiés arrondies vers le haut, aucun zéro inutile),
// qu'elles pourront appeler quand cette couche offrira ses fonctions à l'affichage.

#include <string>

// x arrondi à n décimales (n ramené à 0..11), virgule décimale, sans zéro final.
std::string texteMesure(int decimales, double x);

// Écriture la plus courte de x avec un point décimal (11 décimales au plus).
std::string texteCoordonnee(double x);
