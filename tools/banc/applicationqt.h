#pragma once

// L'application Qt sans fenêtre qu'exigent les polices des dessins de calvane-banc : créée
// une fois, à la première demande, sur la plateforme hors écran quand aucune n'est choisie.

void assurerApplicationQt();
