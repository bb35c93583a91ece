#pragma once

// Une zone cliquable : un rectangle de la zone d'affichage (bords inclus, en pixels) et
// l'identifiant de contenu qu'un clic dans ce rectangle fait suivre.

struct TzoneCliquable {
    int bordGauche = 0;
    int bordHaut = 0;
    int bordDroit = 0;
    int bordBas = 0;
    int cible = 0;
};
