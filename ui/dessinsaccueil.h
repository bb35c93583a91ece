#pragma once

// Les images de l'accueil, dessinées par le code en vecteurs à la densité de l'écran : le
// fond (673 × 486) — le titre, des figures et des formules de la classe de 3e aux couleurs
// des onglets — et les trois boutons « Entrée » (129 × 65), « À propos » (83 × 30) et
// « Quitter » (79 × 34), chacun en image active (survolée) et inactive.

class QImage;

enum class TimageAccueil {
    Fond,
    AproposActif,
    AproposNonActif,
    QuitterActif,
    QuitterNonActif,
    EntreeActif,
    EntreeNonActif
};

// L'image, de sa taille en pixels logiques, tracée au rapport de pixels donné.
QImage imageAccueil(TimageAccueil image, double rapportPixels);
