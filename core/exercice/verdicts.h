#pragma once

// Présentation d'un verdict : l'image posée dans la zone de la solution (ligne 1,5,
// colonne 2) et le son ou le bip qui l'accompagne. conclureQuestion montre les verdicts
// exact et faux ; la soumission montre le refus d'un correcteur.

#include <string_view>

struct TdonneesCommunes;
struct TimageFenetre;

void afficherImageVerdict(TdonneesCommunes& d, const TimageFenetre* image);

// Bip « main », puis l'image de la réponse exacte.
void verdictExact(TdonneesCommunes& d);
// Le son d'erreur, puis l'image de la réponse fausse.
void verdictFaux(TdonneesCommunes& d);
// Bip « question », puis l'image de la réponse illisible ou mal écrite.
void verdictIncorrect(TdonneesCommunes& d);

// Joue le son « nom » (dossierProgramme + nom + ".wav") ; un fichier qui ne s'ouvre pas est
// oublié et rien ne joue. Un nom de plus de 120 caractères est coupé.
void jouerSon(TdonneesCommunes& d, std::string_view nom);
