#pragma once

// Disposition de l'onglet des exercices : rectangles des zones de texte de l'énoncé (dans son
// panneau, sous la ligne du titre) et de la solution (dans son panneau). La fenêtre les pose
// ainsi ; calvane-banc pose les mêmes pour vérifier la mise en page des questions.

#include "core/controles/rectangle.h"

inline constexpr Trectangle rectangleTexteEnonce{0, 27, 780, 271};
inline constexpr Trectangle rectangleTexteSolution{0, 0, 782, 177};
