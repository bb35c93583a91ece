#pragma once

// Une couleur du programme : 24 bits au format #RRGGBB (0xRRGGBB). Les couleurs circulent
// sous cette forme entre le contenu, le noyau et l'affichage ; seul le canevas les traduit
// en couleurs Qt.

#include <cstdint>

using Tcouleur = std::uint32_t;
