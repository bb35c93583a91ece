#pragma once

// Les signes de la police Symbol : le texte balisé écrit « $~ » suivi d'un caractère pour
// montrer le glyphe que la police Symbol place à ce code (« ¸ » pour ÷, « p » pour π…).
// Ce module traduit ce code en son équivalent Unicode, dessiné avec une police ordinaire.

// Le caractère Unicode que la police Symbol montre pour ce caractère ; le caractère lui-même
// quand la police Symbol n'y place rien de particulier.
char32_t unicodeDeSymbole(char32_t caractere);
