#pragma once

// Les textes propres de Qt (« Oui », « Non » des boîtes de question…) en français : la
// traduction installée avec Qt est chargée une fois pour l'application.

// Vrai si la traduction française de Qt est trouvée et installée.
bool installerTraductionQt();
