#pragma once

// Ouverture d'une entrée d'information (identifiant ≥ 1990) : une feuille de l'index qui
// renvoie montre sa page de cours ou son imagiciel ; toute autre entrée ouvre la fenêtre
// d'information. `inscrireIndex` donne cette ouverture au noyau (renvoisContenu), une fois
// au démarrage.

struct TdonneesCommunes;

void ouvrirInfo(TdonneesCommunes& d, int identifiant);

void inscrireIndex();
