#pragma once

// Les cinq onglets du classeur principal, dans l'ordre de leurs feuilles.

enum class Onglet { Sommaire = 0, Cours = 1, Exercices = 2, Imagiciels = 3, Index = 4 };
