#pragma once

// Codes d'erreur de l'analyse d'une expression (0 : texte lu). La table d'erreuranalyse en
// donne les messages et le résultat de comparaison qu'ils produisent.

enum class TcodeErreur : int {
    aucune = 0,
    parentheses = 1,         // les parenthèses ne s'équilibrent pas
    malEcrite = 2,           // texte mal formé
    lettreInconnue = 4,      // une lettre hors de la liste
    exposant = 5,            // exposant qui n'est pas un entier de 2 à 9
    quotientProduit = 6,     // quotient suivi d'un produit
    quotientQuotient = 7,    // quotient suivi d'un quotient
    vide = 8,                // texte vide
    racineVariable = 9,      // racine d'une expression qui contient une lettre
    puissancesEnChaine = 10, // « a^b^c » sans parenthèses
};
