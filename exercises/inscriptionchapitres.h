#pragma once

// Inscription des quatorze unités de chapitre dans la répartition du noyau, à faire une fois
// au démarrage (programme, outil de banc, tests).

void inscrireChapitres();
