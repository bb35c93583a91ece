#pragma once

// Ce que « parcours » et « questions » lisent de la même façon : le nombre de graines, le
// chapitre demandé, et les feuilles de l'arbre des exercices de ces chapitres.

#include "tools/banc/arguments.h"

#include <string>
#include <vector>

// Les arguments de « parcours » et « questions » : --graines et --chapitre, sans argument
// positionnel.
Arguments argumentsDeChapitres(const std::vector<std::string>& brut);

// --graines N (1 par défaut, de 1 à 1000).
int lireGraines(const Arguments& arguments);

// Les index des feuilles de l'arbre des exercices du chapitre --chapitre N (1 à 14), ou de
// tous les chapitres sans l'option.
std::vector<int> feuillesDesChapitres(const Arguments& arguments);
