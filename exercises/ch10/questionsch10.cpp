#include "exercises/ch10/questionsch10.h"

namespace exo5ch10 {

namespace {

// Index 401 : « Équation avec deux rapports égaux » (produits en croix).
constexpr EquationRapports deuxRapports[] = {
    {"$Fx;6; = $F3;4;",
     4.5,
     {{2.5, "Les produits en croix sont égaux : 4 * x = 6 * 3"},
      {4.5, "x = $F6 * 3;4; = $F18;4; = 4,5"}}},
    {"$F5;x; = $F2;3;",
     7.5,
     {{2.5, "Les produits en croix sont égaux : 2 * x = 5 * 3"},
      {4.5, "x = $F5 * 3;2; = $F15;2; = 7,5"}}},
    {"$F7;2; = $Fx;6;",
     21,
     {{2.5, "Les produits en croix sont égaux : 2 * x = 7 * 6"},
      {4.5, "x = $F7 * 6;2; = $F42;2; = 21"}}},
    {"$F4;5; = $F7;x;",
     8.75,
     {{2.5, "Les produits en croix sont égaux : 4 * x = 5 * 7"},
      {4.5, "x = $F5 * 7;4; = $F35;4; = 8,75"}}},
    {"$Fx;5; = $F5;3;",
     25.0 / 3,
     {{2.5, "Les produits en croix sont égaux : 3 * x = 5 * 5"},
      {4.5, "x = $F5 * 5;3; = $F25;3;"}}},
    {"$F7;x; = $F8;9;",
     7.875,
     {{2.5, "Les produits en croix sont égaux : 8 * x = 7 * 9"},
      {4.5, "x = $F7 * 9;8; = $F63;8; = 7,875"}}},
};

// Index 402 : « Équations avec trois rapports égaux ».
constexpr TroisRapports troisRapportsEgaux[] = {
    {"$Fx;5; = $F3;4; = $F8;y;",
     3.75,
     32.0 / 3,
     {{2.5, "a. $Fx;5; = $F3;4;   donc  x = $F5 * 3;4; = $F15;4; = 3,75"},
      {4.5, "b. $F3;4; = $F8;y;   donc  y = $F8 * 4;3; = $F32;3;"}}},
    {"$F6;x; = $F3;5; = $Fy;4;",
     10,
     2.4,
     {{2.5, "a. $F6;x; = $F3;5;   donc  x = $F6 * 5;3; = $F30;3; = 10"},
      {4.5, "b. $F3;5; = $Fy;4;   donc  y = $F3 * 4;5; = $F12;5; = 2,4"}}},
    {"$Fx;9; = $F2;3; = $F5;y;",
     6,
     7.5,
     {{2.5, "a. $Fx;9; = $F2;3;   donc  x = $F9 * 2;3; = $F18;3; = 6"},
      {4.5, "b. $F2;3; = $F5;y;   donc  y = $F5 * 3;2; = $F15;2; = 7,5"}}},
    {"$F4;7; = $Fx;21; = $F10;y;",
     12,
     17.5,
     {{2.5, "a. $F4;7; = $Fx;21;   donc  x = $F4 * 21;7; = $F84;7; = 12"},
      {4.5, "b. $F4;7; = $F10;y;   donc  y = $F10 * 7;4; = $F70;4; = 17,5"}}},
    {"$F2,5;x; = $Fy;6; = $F5;8;",
     4,
     3.75,
     {{2.5, "a. $F2,5;x; = $F5;8;   donc  x = $F2,5 * 8;5; = $F20;5; = 4"},
      {4.5, "b. $Fy;6; = $F5;8;   donc  y = $F5 * 6;8; = $F30;8; = 3,75"}}},
};

// Index 403 : « Équations avec l'inconnue présente deux fois ».
constexpr EquationRapports inconnueDeuxFois[] = {
    {"$Fx;x + 2; = $F3;5;",
     3,
     {{2.5, "5 * x = 3 * (x + 2)   donc  5 x = 3 x + 6   donc  2 x = 6"}, {4.5, "x = $F6;2; = 3"}}},
    {"$F3;x; = $F5;x + 4;",
     6,
     {{2.5, "3 * (x + 4) = 5 * x   donc  3 x + 12 = 5 x   donc  12 = 2 x"},
      {4.5, "x = $F12;2; = 6"}}},
};

// Index 404 : « Évaluer des rapports à partir de trois points alignés ». Le barème suit le
// nombre de champs : 3 pour trois ou deux champs, 2 pour un seul.
constexpr RapportsAlignes rapportsTroisPoints[] = {
    {"B est le point de [AC] tel que AB = $F4;5;*AC.",
     0.8,
     3,
     {"a. BC = ….*AC", "b. BC = ….*AB", "c. AB = ….*BC"},
     {0.2, 0.25, 4},
     {{2.5, "a. BC = AC -AB = AC -$F4;5;*AC = $F1;5;*AC"},
      {4.2, "b. $FBC;AB; = $F1;5; * $F5;4; = $F1;4;   donc  BC = $F1;4;*AB"},
      {5.9, "c. $FAB;BC; = $F4;5; * $F5;1; = 4   donc  AB = 4*BC"}}},
    {"B est le point de [AC] tel que AB = 7 et BC = 4.",
     7.0 / 11,
     3,
     {"a. BC = ….*AC", "b. BC = ….*AB", "c. AB = ….*BC"},
     {4.0 / 11, 4.0 / 7, 1.75},
     {{2.5, "a. AC = AB + BC = 11   donc  $FBC;AC; = $F4;11;   et  BC = $F4;11;*AC"},
      {4.2, "b. $FBC;AB; = $F4;7;   donc  BC = $F4;7;*AB"},
      {5.9, "c. $FAB;BC; = $F7;4;   donc  AB = $F7;4;*BC"}}},
    {"B est le point de [AC] tel que AB = $F2;3;*AC.",
     2.0 / 3,
     3,
     {"a. BC = ….*AC", "b. AB = ….*BC"},
     {1.0 / 3, 2},
     {{2.5, "a. BC = AC -AB = AC -$F2;3;*AC = $F1;3;*AC"},
      {4.2, "b. $FAB;BC; = $F2;3; * $F3;1; = 2   donc  AB = 2*BC"}}},
    {"B est le point de [AC] tel que BC = 3*AB.",
     0.25,
     2,
     {"a. AB = ….*AC"},
     {0.25},
     {{2.5, "a. AC = AB + BC = AB + 3*AB = 4*AB   donc  AB = $F1;4;*AC"}}},
};

// Index 405 : « Contrôler la proportionnalité ».
constexpr TableauProportionnalite tableaux[] = {
    {{2, 3, 5},
     {6, 9, 15},
     true,
     {{3, "$F6;2; = 3 ;  $F9;3; = 3 ;  $F15;5; = 3 : les quotients sont égaux,"},
      {4.7, "c'est un tableau de proportionnalité."}}},
    {{4, 6, 10},
     {10, 15, 24},
     false,
     {{3,
       "$F10;4; = 2,5 ;  $F15;6; = 2,5 ;  $F24;10; = 2,4 : les quotients ne sont pas tous égaux,"},
      {4.7, "ce n'est pas un tableau de proportionnalité."}}},
    {{1.5, 2, 3.5},
     {4.5, 6, 10.5},
     true,
     {{3, "$F4,5;1,5; = 3 ;  $F6;2; = 3 ;  $F10,5;3,5; = 3 : les quotients sont égaux,"},
      {4.7, "c'est un tableau de proportionnalité."}}},
    {{3, 7, 12},
     {4, 8, 13},
     false,
     {{3, "$F4;3; $= 1,33 ;  $F8;7; $= 1,14 : les quotients ne sont pas égaux,"},
      {4.7, "ce n'est pas un tableau de proportionnalité."}}},
};

// Index 407 : « Écrire les rapports égaux » (M sur (AB), N sur (AC)).
constexpr RapportsEgaux rapportsAEcrire[] = {
    {"$FAM;a; = $Fb;AC; = $FMN;c;", 0.6, {"AB", "AN", "BC"}},
    {"$Fa;AB; = $FAN;b; = $Fc;BC;", 0.4, {"AM", "AC", "MN"}},
    {"$FAB;a; = $Fb;AN; = $FBC;c;", -0.5, {"AM", "AC", "MN"}},
    {"$Fa;AC; = $FAM;b; = $FMN;c;", -0.75, {"AN", "AB", "BC"}},
};

// Index 408 : « Calculs de base avec le théorème de Thalès, série 1 ».
constexpr CalculThales calculsBase1[] = {
    {"SRHTU",
     "SHRUT",
     -1.0 / 3,
     "SR = 4 ; RH = 7 ; SH = 5 ; TU = 21",
     "Calculer :  a. ST     b. SU",
     12,
     15,
     " c'est$-à$-dire  $F 4;ST; = $F 5;SU; = $F 7;21; = $F1;3;",
     {{5.5, "a. $F 4;ST; = $F1;3;   donc  ST = 12"},
      {7.5, "b. $F 5;SU; = $F1;3;   donc  SU = 15"}}},
    {"ARHTU",
     "AHRUT",
     5.0 / 12,
     "AR = 5 ; AT = 12 ; AH = 6 ; TU = 18",
     "Calculer :  a. RH     b. AU",
     7.5,
     14.4,
     " c'est$-à$-dire  $F 5;12; = $F 6;AU; = $FRH;18;",
     {{5.5, "a. $F 5;12; = $FRH;18;   donc  12 RH = 90  donc  RH = 7,5"},
      {7.5, "b. $F 5;12; = $F 6;AU;   donc  5 AU = 72  donc  AU = 14,4"}}},
    {"SRHTU",
     "SRHTU",
     -0.8,
     "SR = 6 ; ST = 7,5 ; RH = 2 ; SU = 5",
     "Calculer :  a. SH     b. TU",
     4,
     2.5,
     " c'est$-à$-dire  $F 6;7,5; = $FSH; 5; = $F 2;TU;",
     {{5.5, "a. $F 6;7,5; = $FSH; 5;   donc  7,5 SH = 30  donc  SH = 4"},
      {7.5, "b. $F 6;7,5; = $F 2;TU;   donc  6 TU = 15  donc  TU = 2,5"}}},
    {"SRHTU",
     "SRHTU",
     -0.6,
     "SH = 3 ; SU = 5 ; ST = 7 ; RH = 6,6",
     "Calculer :  a. SR     b. TU",
     4.2,
     11,
     " c'est$-à$-dire  $FSR; 7; = $F3;5; = $F6,6;TU;",
     {{5.5, "a. $FSR; 7; = $F3;5;   donc  5 SR = 21  donc  SR = $F21; 5;"},
      {7.5, "b. $F3;5; = $F6,6;TU;   donc  3 TU = 33  donc  TU = 11"}}},
};

// Index 409 : « Calculs de base avec le théorème de Thalès, série 2 ».
constexpr CalculThales calculsBase2[] = {
    {"OMNPQ",
     "OMNPQ",
     0.4,
     "OM = 3 ; OP = 7,5 ; ON = 2 ; MN = 4",
     "Calculer :  a. OQ     b. PQ",
     5,
     10,
     " c'est$-à$-dire  $F 3;7,5; = $F 2;OQ; = $F 4;PQ; = 0,4",
     {{5.5, "a. $F 2;OQ; = 0,4   donc  0,4 OQ = 2  donc  OQ = 5"},
      {7.5, "b. $F 4;PQ; = 0,4   donc  0,4 PQ = 4  donc  PQ = 10"}}},
    {"IEFGH",
     "IEFGH",
     -2,
     "IE = 6 ; IG = 3 ; IF = 5 ; GH = 4",
     "Calculer :  a. IH     b. EF",
     2.5,
     8,
     " c'est$-à$-dire  $F 6; 3; = $F 5;IH; = $FEF; 4; = 2",
     {{5.5, "a. $F 5;IH; = 2   donc  2 IH = 5  donc  IH = 2,5"},
      {7.5, "b. $FEF; 4; = 2   donc  EF = 8"}}},
    {"SRHTU",
     "SRHTU",
     0.6,
     "SR = 4,5 ; ST = 7,5 ; SH = 3,6 ; TU = 5",
     "Calculer :  a. SU     b. RH",
     6,
     3,
     " c'est$-à$-dire  $F4,5;7,5; = $F3,6;SU; = $FRH; 5; = 0,6",
     {{5.5, "a. $F3,6;SU; = 0,6   donc  0,6 SU = 3,6  donc  SU = 6"},
      {7.5, "b. $FRH; 5; = 0,6   donc  RH = 3"}}},
    {"ADEBC",
     "ADEBC",
     -0.4,
     "AD = 2 ; AB = 5 ; DE = 3,2 ; AE = 2,6",
     "Calculer :  a. BC     b. AC",
     8,
     6.5,
     " c'est$-à$-dire  $F 2; 5; = $F2,6;AC; = $F3,2;BC;",
     {{5.5, "a. $F 2; 5; = $F3,2;BC;   donc  2 BC = 16  donc  BC = 8"},
      {7.5, "b. $F 2; 5; = $F2,6;AC;   donc  2 AC = 13  donc  AC = 6,5"}}},
};

// Index 410 : « Calculs complémentaires, série 1 » : une somme ou une différence d'abord.
constexpr CalculThales calculsComplementaires1[] = {
    {"AMNBC",
     "AMNBC",
     0.6,
     "AM = 3 ; MB = 2 ; AN = 4,5 ; BC = 7",
     "Calculer :  a. AC     b. MN",
     7.5,
     4.2,
     " c'est$-à$-dire  $F 3; 5; = $F4,5;AC; = $FMN; 7;",
     {{5, "Les points A, M, B sont alignés dans cet ordre : AB = AM + MB = 3 + 2 = 5"},
      {6.5, "a. $F 3; 5; = $F4,5;AC;   donc  3 AC = 22,5  donc  AC = 7,5"},
      {8.3, "b. $F 3; 5; = $FMN; 7;   donc  5 MN = 21  donc  MN = 4,2"}}},
    {"ARHTU",
     "ARHTU",
     0.6,
     "AT = 10 ; RT = 4 ; AH = 4,2 ; TU = 7,5",
     "Calculer :  a. RH     b. HU",
     4.5,
     2.8,
     " c'est$-à$-dire  $F 6;10; = $F4,2;AU; = $FRH;7,5; = 0,6",
     {{5, "Les points A, R, T sont alignés dans cet ordre : AR = AT -RT = 10 -4 = 6"},
      {6.5, "a. $FRH;7,5; = 0,6   donc  RH = 4,5"},
      {8.3, "b. $F4,2;AU; = 0,6   donc  AU = 7   donc  HU = AU -AH = 7 -4,2 = 2,8"}}},
};

// Index 411 : « Calculs complémentaires, série 2 » (triangles opposés par le sommet).
constexpr CalculThales calculsComplementaires2[] = {
    {"OABCD",
     "OABCD",
     -2.0 / 3,
     "AC = 10 ; OC = 6 ; OB = 3 ; CD = 9",
     "Calculer :  a. AB     b. BD",
     6,
     7.5,
     " c'est$-à$-dire  $F 4; 6; = $F 3;OD; = $FAB; 9; = $F2;3;",
     {{5, "Le point O est sur le segment [AC] : OA = AC -OC = 10 -6 = 4"},
      {6.5, "a. $FAB; 9; = $F2;3;   donc  3 AB = 18  donc  AB = 6"},
      {8.3, "b. $F 3;OD; = $F2;3;   donc  2 OD = 9  donc  OD = 4,5   donc  BD = OB + OD = 7,5"}}},
    {"SRHTU",
     "SRHTU",
     -2.0 / 3,
     "SR = 2,4 ; RT = 6 ; SU = 4,5 ; TU = 5,4",
     "Calculer :  a. RH     b. HU",
     3.6,
     7.5,
     " c'est$-à$-dire  $F2,4;3,6; = $FSH;4,5; = $FRH;5,4; = $F2;3;",
     {{5, "Le point S est sur le segment [RT] : ST = RT -SR = 6 -2,4 = 3,6"},
      {6.5, "a. $FRH;5,4; = $F2;3;   donc  3 RH = 10,8  donc  RH = 3,6"},
      {8.3, "b. $FSH;4,5; = $F2;3;   donc  SH = 3   donc  HU = SH + SU = 3 + 4,5 = 7,5"}}},
};

// Index 412 : « Théorème de Thalès. Utiliser un rapport ».
constexpr PlacerM placements[] = {
    {"Placer M pour avoir MN = $F3;4;*BC",
     8,
     -6,
     "$F3;4;",
     "MN doit être égal aux $F3;4; de BC.",
     {{5.5, "AM = $F3;4;*AB  donc MN = $F3;4;*BC"}}},
    {"Placer M pour avoir MN = 35 sachant que BC = 56",
     8,
     -5,
     "$F5;8;",
     "On doit avoir $FMN;BC; = $F35;56; = $F5;8;   soit MN = $F5;8;*BC",
     {{5.5, "AM = $F5;8;*AB  donc MN = $F5;8;*BC = $F5;8;*56 = 35"}}},
    {"Placer M pour avoir AN = 70 sachant que AC = 120",
     6,
     -3.5,
     "$F 7;12;",
     "On doit avoir $FAN;AC; = $F 70;120; = $F 7;12;   soit AN = $F 7;12;*AC",
     {{5.5, "AM = $F 7;12;*AB  donc AN = $F 7;12;*AC = $F 7;12;*120 = 70"}}},
    {"Placer M pour avoir NC = 8 NA",
     7,
     -1,
     "$F1;7;",
     "On doit avoir NC = 8*NA  soit AC = 7*NA  donc AN = $F1;7; AC",
     {{5.5, "AM = $F1;7;*AB  donc AN = $F1;7;*AC"},
      {7.5, "donc NC = $F8;7;*AC   donc  NC = 8*NA"}}},
};

// Index 414 : « Réciproque du théorème de Thalès, avec les calculs intermédiaires ».
constexpr ReciproqueCalculs reciproques[] = {
    {"On donne : AB = 9 ; AC = 8 ; AM = 7 ; AN = 6.",
     -0.85,
     7.0 / 9,
     0.75,
     1,
     {{2.5, "a. $FAM;AB; = $F7;9;"}, {4.5, "b. $FAN;AC; = $F6;8; = $F3;4;"}}},
    {"AB = 10 ; AN = 6 ; AM = 7,5 ; NC = 2",
     0.75,
     0.75,
     0.75,
     0,
     {{2.5, "a. $FAM;AB; = $F7,5;10; = 0,75"},
      {4.5, "b. AC = AN + NC = 8  ;  $FAN;AC; = $F6;8; = $F3;4; = 0,75"}}},
    {"AB = 9 ; AC = 7,5 ; AM = 6 ; AN = 5",
     -0.67,
     2.0 / 3,
     2.0 / 3,
     0,
     {{2.5, "a. $FAM;AB; = $F6;9; = $F2;3;"},
      {4.5, "b. $FAN;AC; = $F 5;7,5; = $F10;15; = $F2;3;"}}},
    {"AB = 5 ; AC = 8 ; MB = 9 ; AN = 6,4",
     -0.8,
     0.8,
     0.8,
     0,
     {{2.5, "a. AM = MB -AB = 4 ; $FAM;AB; = $F4;5; = 0,8"},
      {4.5, "b. $FAN;AC; = $F6,4; 8; = 0,8"}}},
};

// Index 415 : « Q. C. M. » sur le parallélisme de (MN) et (BC).
constexpr QcmParallelisme qcm[] = {
    {"Les points A, M, B sont alignés dans cet ordre, ainsi que les points A, N, C.",
     "AM = 3 ; AB = 5 ; AN = 4,2 ; AC = 7",
     1,
     {{2.5, "$FAM;AB; = $F3;5; = 0,6  et  $FAN;AC; = $F4,2;7; = 0,6 : les rapports sont égaux et"},
      {3.8, "les points sont dans le même ordre, donc (MN) et (BC) sont parallèles."}}},
    {"Les points A, M, B sont alignés dans cet ordre, ainsi que les points A, N, C.",
     "AM = 4 ; AB = 6 ; AN = 5 ; AC = 8",
     2,
     {{2.5, "$FAM;AB; = $F4;6; = $F2;3;  et  $FAN;AC; = $F5;8; : les rapports ne sont pas égaux,"},
      {3.8, "donc (MN) et (BC) ne sont pas parallèles."}}},
    {"Les points M, A, B sont alignés dans cet ordre, ainsi que les points N, A, C.",
     "AM = 2 ; AB = 5 ; AN = 3 ; AC = 7,5",
     1,
     {{2.5, "$FAM;AB; = $F2;5; = 0,4  et  $FAN;AC; = $F3;7,5; = 0,4 : les rapports sont égaux et"},
      {3.8, "les points sont dans le même ordre, donc (MN) et (BC) sont parallèles."}}},
    {"Les points M, A, B sont alignés dans cet ordre, ainsi que les points A, N, C.",
     "AM = 2 ; AB = 6 ; AN = 3 ; AC = 9",
     2,
     {{2.5,
       "Les rapports $FAM;AB; et $FAN;AC; sont égaux, mais M et B sont de part et d'autre de A"},
      {3.8, "alors que N et C sont du même côté : (MN) et (BC) ne sont pas parallèles."}}},
    {"Les points A, M, B sont alignés, ainsi que les points A, N, C.",
     "AM = 3 ; AB = 9 ; AN = 2 ; AC = 6",
     3,
     {{2.5,
       "Les rapports $FAM;AB; et $FAN;AC; sont égaux, mais l'ordre des points n'est pas connu :"},
      {3.8, "on ne peut pas savoir si (MN) et (BC) sont parallèles."}}},
    {"Les points A, M, B sont alignés dans cet ordre, ainsi que les points A, N, C.",
     "AM = 5 ; AB = 8 ; MN = 4 ; BC = 6,4",
     3,
     {{2.5, "Les rapports $FAM;AB; et $FMN;BC; sont égaux, mais $FAN;AC; n'est pas connu :"},
      {3.8, "on ne peut pas savoir si (MN) et (BC) sont parallèles."}}},
    {"Les points A, M, B sont alignés dans cet ordre, ainsi que les points A, N, C.",
     "AM = 4,5 ; MB = 1,5 ; AN = 6 ; NC = 2",
     1,
     {{2.5, "AB = 6 et AC = 8 ;  $FAM;AB; = $F4,5;6; = 0,75  et  $FAN;AC; = $F6;8; = 0,75 : les "
            "rapports"},
      {3.8, "sont égaux et les points dans le même ordre, donc (MN) et (BC) sont parallèles."}}},
    {"Les points M, A, B sont alignés dans cet ordre, ainsi que les points N, A, C.",
     "MB = 10 ; AB = 6 ; AN = 3 ; AC = 5",
     2,
     {{2.5, "AM = MB -AB = 4 ;  $FAM;AB; = $F4;6; = $F2;3;  et  $FAN;AC; = $F3;5; : les rapports"},
      {3.8, "ne sont pas égaux, donc (MN) et (BC) ne sont pas parallèles."}}},
};

// Index 417 : « Dans un rapport donné en utilisant un quadrillage ».
constexpr PlacerRapport rapportsQuadrillage[] = {
    {"M appartient à la demi$-droite [AB)  et  $FAM;AB; = $F2;3;", true, 2, 3, 2.0 / 3},
    {"M appartient à la demi$-droite [AB)  et  $FAM;AB; = $F5;4;", true, 5, 4, 1.25},
    {"M n'appartient pas à la demi$-droite [AB)  et  $FAM;AB; = $F1;2;", false, 1, 2, -0.5},
    {"M n'appartient pas à la demi$-droite [AB)  et  $FAM;AB; = $F3;5;", false, 3, 5, -0.6},
};

// Index 418 : « Dans un rapport donné en utilisant des parallèles graduées ».
constexpr PlacerRapport rapportsParalleles[] = {
    {"M appartient au segment [AB]  et  $FMA;MB; = $F2;3;", true, 2, 3, 0.4},
    {"M appartient au segment [AB]  et  $FMA;MB; = 3", true, 3, 1, 0.75},
    {"M n'appartient pas au segment [AB]  et  $FMA;MB; = $F1;2;", false, 1, 2, -1},
    {"M n'appartient pas au segment [AB]  et  $FMA;MB; = $F5;3;", false, 5, 3, 2.5},
};

// Index 419 : « Partager un segment en utilisant un quadrillage ».
constexpr PartagerSegment partages[] = {
    {"le segment [BC] puisse être partagé en 3 segments égaux.", "BC", 3},
    {"le segment [AC] puisse être partagé en 5 segments égaux.", "AC", 5},
};

// Index 421 : « Pythagore, aire et périmètre ».
constexpr Probleme trapeze[] = {
    {{{2, "ABCD est un trapèze de bases [AB] et [CD]."},
      {3, "Ses diagonales [AC] et [BD] sont perpendiculaires"},
      {4, "et se coupent en O. OA = 20 ; OB = 15 ; OC = 36 (en mm)."},
      {5.5, "a. Calculer OD.     b. Calculer l'aire de ABCD en mm²."},
      {7, "c. Donner la valeur exacte du périmètre de ABCD en mm."}},
     {{TgenreReponse::nombre, 27, nullptr},
      {TgenreReponse::nombre, 1176, nullptr},
      {TgenreReponse::expressionDenominateurs, 0, "109+rac(1129)"}},
     {{2.5, "a. (AB)//(CD) ; A, O, C et B, O, D sont alignés. D'après le théorème de Thalès :"},
      {4, "   $FOA;OC; = $FOB;OD;   soit  $F20;36; = $F15;OD;   donc  20 OD = 540  donc  OD = 27"},
      {5.7, "b. Aire = $FAC * BD;2; = $F56 * 42;2; = 1 176 mm²"},
      {7.2, "c. Pythagore dans AOB, BOC, COD, DOA : AB = 25 ; BC = 39 ; CD = 45 ; AD = $41 129$4"},
      {8.5, "   Périmètre = 25 + 39 + 45 + $41 129$4 = 109 + $41 129$4 mm"}}},
};

// Index 422 : « Réciproques ».
constexpr Probleme reciproquesProbleme[] = {
    {{{2, "ABC est un triangle tel que AB = 72 ; BC = 54 ; AC = 90"},
      {3, "(en mm). M est le point de [AB] et N le point de [AC]"},
      {4, "tels que AM = CN = 40."},
      {5.5, "a. Calculer l'angle $3ABC$1.     b. Calculer l'angle $3AMN$1."},
      {7, "c. Calculer MN."}},
     {{TgenreReponse::angle180, 90, nullptr},
      {TgenreReponse::angle180, 90, nullptr},
      {TgenreReponse::nombre, 30, nullptr}},
     {{2.5, "a. AB² + BC² = 5 184 + 2 916 = 8 100 et AC² = 8 100 : d'après la réciproque"},
      {3.8, "   du théorème de Pythagore, le triangle ABC est rectangle en B : $3ABC$1 = 90°."},
      {5.1,
       "b. AN = 90 -40 = 50 ;  $FAM;AB; = $F40;72; = $F5;9;  et  $FAN;AC; = $F50;90; = $F5;9;"},
      {6.4,
       "   D'après la réciproque du théorème de Thalès, (MN)//(BC), donc $3AMN$1 = $3ABC$1 = 90°."},
      {7.7, "c. $FMN;BC; = $F5;9;   donc  MN = $F5;9;*54 = 30"}}},
};

// Index 425 : « Avec un parallélogramme ».
constexpr Probleme parallelogramme[] = {
    {{{2, "ABCD est un parallélogramme tel que AB = 8 cm"},
      {3, "et AD = 4,5 cm. E est le point de [AD] tel que AE = 1,5 cm."},
      {4, "La droite (CE) coupe la droite (AB) en M. Calculer AM."}},
     {{TgenreReponse::nombre, 4, nullptr}},
     {{2.5,
       "Les points M, E, C sont alignés ainsi que les points A, E, D. Les droites (AM) et (CD)"},
      {3.8, "sont parallèles. D'après le théorème de Thalès : $FEA;ED; = $FEM;EC; = $FAM;DC;"},
      {5.5, "ED = AD -AE = 3 ;  $F1,5; 3; = $FAM; 8;   donc  3 AM = 12  donc  AM = 4"}}},
};

// Index 426 : « Avec deux sécantes ».
constexpr Probleme deuxSecantes[] = {
    {{{2, "Les droites (AC) et (BD) se coupent en O ;"},
      {3, "(AB) et (CD) sont parallèles."},
      {4, "OA = 8 ; OB = 10 ; OC = 2 ; DC = 1,5 (en cm)."},
      {5, "Calculer :  a. AB     b. OD"}},
     {{TgenreReponse::nombre, 6, nullptr}, {TgenreReponse::nombre, 2.5, nullptr}},
     {{2.5,
       "Les points A, O, C sont alignés ainsi que les points B, O, D. Les droites (AB) et (CD)"},
      {3.8, "sont parallèles. D'après le théorème de Thalès : $FOA;OC; = $FOB;OD; = $FAB;CD;"},
      {5.5, "a. $FAB;1,5; = $F8;2; = 4   donc  AB = 6"},
      {7.2, "b. $F10;OD; = 4   donc  4 OD = 10  donc  OD = 2,5"}}},
};

// Index 427 : « Avec une double inconnue ».
constexpr Probleme doubleInconnue[] = {
    {{{2, "ABC est un triangle ; M est un point de [AB] et N un point"},
      {3, "de [AC] tels que (MN)//(BC)."},
      {4, "On donne AB = 6 ; BC = 9 ; AM = 2."},
      {5.5, "a. Calculer MN."},
      {7, "b. On pose AN = x et on donne NC = 4,5. Calculer x."}},
     {{TgenreReponse::nombre, 3, nullptr}, {TgenreReponse::nombre, 2.25, nullptr}},
     {{2.5, "D'après le théorème de Thalès : $FAM;AB; = $FAN;AC; = $FMN;BC;  soit  $F2;6; = "
            "$FAN;AC; = $FMN;9;"},
      {4, "a. $FMN;9; = $F1;3;   donc  MN = 3"},
      {5.5, "b. $Fx;x + 4,5; = $F1;3;   donc  3 x = x + 4,5   donc  2 x = 4,5   donc  x = 2,25"}}},
};

} // namespace

std::span<const EquationRapports> equationsRapports(int index) {
    static constexpr TableIndexee<EquationRapports> tables[] = {
        {401, deuxRapports},
        {403, inconnueDeuxFois},
    };
    return tableDIndex<EquationRapports>(tables, index);
}

std::span<const TroisRapports> troisRapports() {
    return troisRapportsEgaux;
}

std::span<const RapportsAlignes> rapportsAlignes() {
    return rapportsTroisPoints;
}

std::span<const TableauProportionnalite> tableauxProportionnalite() {
    return tableaux;
}

std::span<const RapportsEgaux> rapportsEgaux() {
    return rapportsAEcrire;
}

std::span<const CalculThales> calculsThales(int index) {
    static constexpr TableIndexee<CalculThales> tables[] = {
        {408, calculsBase1},
        {409, calculsBase2},
        {410, calculsComplementaires1},
        {411, calculsComplementaires2},
    };
    return tableDIndex<CalculThales>(tables, index);
}

std::span<const PlacerM> placerM() {
    return placements;
}

std::span<const ReciproqueCalculs> reciproqueCalculs() {
    return reciproques;
}

std::span<const QcmParallelisme> qcmParallelisme() {
    return qcm;
}

std::span<const PlacerRapport> placerRapport(int index) {
    static constexpr TableIndexee<PlacerRapport> tables[] = {
        {417, rapportsQuadrillage},
        {418, rapportsParalleles},
    };
    return tableDIndex<PlacerRapport>(tables, index);
}

std::span<const PartagerSegment> partagerSegment() {
    return partages;
}

std::span<const Probleme> probleme(int index) {
    static constexpr TableIndexee<Probleme> tables[] = {
        {421, trapeze},      {422, reciproquesProbleme}, {425, parallelogramme},
        {426, deuxSecantes}, {427, doubleInconnue},
    };
    return tableDIndex<Probleme>(tables, index);
}

} // namespace exo5ch10
