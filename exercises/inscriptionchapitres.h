#pragma once

// Inscription du catalogue, à faire une fois au démarrage (programme, outil de banc, tests) :
// les lignes des exercices des chapitres dans le registre commun, et le répartiteur du
// registre pour chacun des quatorze codes de chapitre du noyau.

void inscrireChapitres();
