#pragma once

// Où mène une entrée de l'index : la plupart des feuilles des deux arbres renvoient à une
// page de cours ou à un imagiciel ; les autres ouvrent la fenêtre d'information sur une
// fiche, que plusieurs entrées peuvent partager.

// Page de cours (1002 à 1155) ou imagiciel (1501 à 1524) où mène l'entrée ; 0 si elle ouvre
// la fenêtre d'information (ou n'est pas une feuille de l'index).
int renvoiIndex(int identifiant);

// La fiche que montre une entrée : les entrées qui partagent une explication mènent à sa
// fiche (2875 à 2881) ; tout autre identifiant est sa propre fiche.
int aliasInfo(int identifiant);
