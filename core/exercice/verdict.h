#pragma once

// Codes de verdict du jugement d'un champ de réponse. Les verdicts 6 et 9 donnent un message
// et ne comptent pas l'essai.

namespace verdict {

inline constexpr int exact = 1;
inline constexpr int faux = 3;
inline constexpr int illisible = 6; // réponse illisible ou écriture non permise
inline constexpr int malEcrit = 9;  // bonne valeur, mais pas sous la forme demandée

} // namespace verdict
