#pragma once

// Présentation d'un verdict : l'image posée dans la zone de la solution (ligne 1,5,
// colonne 2) et le son ou le bip qui l'accompagne. Les correcteurs et le jugement standard
// s'en servent.

#include <string_view>

struct TdonneesCommunes;
struct TimageFenetre;

void afficherImageVerdict(TdonneesCommunes& d, const TimageFenetre* image);

// Bip « main », puis l'image de la réponse exacte.
void verdictExact(TdonneesCommunes& d);
// codeVerdict := 3, le son d'erreur, puis l'image de la réponse fausse.
void verdictFaux(TdonneesCommunes& d);
// Bip « question », puis l'image de la réponse illisible ou mal écrite.
void verdictIncorrect(TdonneesCommunes& d);

// Joue le son « nom » (dossierProgramme + nom + ".wav") ; un fichier qui ne s'ouvre pas est
// oublié et rien ne joue. Un nom de plus de 120 caractères est coupé.
void jouerSon(TdonneesCommunes& d, std::string_view nom);
