#pragma once

// L'application Qt sans fenêtre qu'exigent les polices des dessins en PNG de calvane-banc ;
// la plateforme hors écran est choisie quand aucune ne l'est. Créée au premier appel.
void assurerApplication();
