#pragma once

// Constructions communes des exercices du théorème de Thalès. Une configuration est donnée
// par un mot de cinq lettres : le sommet commun S, puis A, B, C, D, avec (AC) et (BD)
// sécantes en S et (AB)//(CD) ; le rapport k place A = S + k(C − S) et B = S + k(D − S)
// (k > 0 : triangles emboîtés, k < 0 : triangles opposés par le sommet).

#include <string_view>

struct TdonneesCommunes;

namespace exo5ch10 {

// « (AC) et (BD) sont sécantes en S. (AB) et (CD) sont parallèles. » à la ligne donnée de
// l'énoncé.
void phraseThales(TdonneesCommunes& d, std::string_view lettres, double ligne);

// La figure carrée de l'énoncé : S, C, D fixes, A et B construits, [AC] et [BD] en noir,
// [AB] et [CD] en bleu ([SA] et [SB] en noir pour les triangles emboîtés), les étiquettes à
// l'extérieur de la figure.
void figureThales(TdonneesCommunes& d, std::string_view lettres, double k);

// Les alignements et le parallélisme (précédés de `prefixe`) à la ligne donnée de la
// solution, puis à ligne + 1,5 l'égalité des trois rapports suivie de `fin`. Les triangles
// opposés par le sommet (`inverse`) listent les points alignés dans l'ordre A, S, C.
void solutionThales(TdonneesCommunes& d, std::string_view prefixe, std::string_view lettres,
                    bool inverse, double ligne, std::string_view fin);

// Conclusions de la réciproque sur (MN) et (BC) : rapports égaux, ou différents. Les
// triangles opposés par le sommet (`inverse`) donnent l'ordre M, A, B et N, A, C.
void solutionReciproque(TdonneesCommunes& d, bool inverse, double ligne);
void solutionNonParallele(TdonneesCommunes& d, double ligne);

} // namespace exo5ch10
