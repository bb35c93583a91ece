#include "exercises/ch01/questionsch01.h"

namespace exo5ch01 {

namespace {

// ---- Réduire, supprimer des parenthèses, développer (réponses développées réduites) ----

// Index 3 : « Réduire une somme, une différence ».
constexpr QuestionExpression reduireSomme[] = {
    {"2 a -3 b + 8 -5 a + 7 b -13",
     "-3a+4b-5",
     "ab",
     {{2.5, "A = 2 a -5 a -3 b + 7 b + 8 -13 = -3 a + 4 b -5"}}},
    {"5 x + 3 -2 x + 4", "3x+7", "x", {{2.5, "A = 5 x -2 x + 3 + 4 = 3 x + 7"}}},
    {"7 y -4 + y -9 y + 1", "-y-3", "y", {{2.5, "A = 7 y + y -9 y -4 + 1 = -y -3"}}},
    {"3 x² + 5 x -x² + 2 -7 x",
     "2x^2-2x+2",
     "x",
     {{2.5, "A = 3 x² -x² + 5 x -7 x + 2 = 2 x² -2 x + 2"}}},
    {"4 a + 6 b -a -6 b + 2", "3a+2", "ab", {{2.5, "A = 4 a -a + 6 b -6 b + 2 = 3 a + 2"}}},
    {"x² -3 x + 5 -4 x² + 3 x -8",
     "-3x^2-3",
     "x",
     {{2.5, "A = x² -4 x² -3 x + 3 x + 5 -8 = -3 x² -3"}}},
    {"2 x y -5 x + 3 y -x y + 4 x -y",
     "xy-x+2y",
     "xy",
     {{2.5, "A = 2 x y -x y -5 x + 4 x + 3 y -y = x y -x + 2 y"}}},
    {"3,5 a -2 b + 1,5 -4 a + 2,5 b -3",
     "-0,5a+0,5b-1,5",
     "ab",
     {{2.5, "A = 3,5 a -4 a -2 b + 2,5 b + 1,5 -3 = -0,5 a + 0,5 b -1,5"}}},
};

// Index 4 : « Réduire un produit ».
constexpr QuestionExpression reduireProduit[] = {
    {"3 x * 5 x", "15x^2", "x", {{2.5, "A = 3 * 5 * x * x = 15 x²"}}},
    {"-2 a * 4 a", "-8a^2", "a", {{2.5, "A = -2 * 4 * a * a = -8 a²"}}},
    {"4 x² * 3 x", "12x^3", "x", {{2.5, "A = 4 * 3 * x² * x = 12 x$03$1"}}},
    {"-3 y * (-5 y)", "15y^2", "y", {{2.5, "A = (-3) * (-5) * y * y = 15 y²"}}},
    {"2 a * 3 b * (-4 a)", "-24a^2b", "ab", {{2.5, "A = 2 * 3 * (-4) * a * a * b = -24 a² b"}}},
};

// Index 5 : « Simplifier et réduire, série 1 » (supprimer des parenthèses).
constexpr QuestionExpression supprimerParentheses[] = {
    {"(2 x + 3) + (x -8)", "3x-5", "x", {{2.5, "A = 2 x + 3 + x -8 = 3 x -5"}}},
    {"(5 x -2) -(3 x + 4)", "2x-6", "x", {{2.5, "A = 5 x -2 -3 x -4 = 2 x -6"}}},
    {"(4 a + 1) -(a -7)", "3a+8", "a", {{2.5, "A = 4 a + 1 -a + 7 = 3 a + 8"}}},
    {"-(3 y -5) + (2 y -6)", "-y-1", "y", {{2.5, "A = -3 y + 5 + 2 y -6 = -y -1"}}},
    {"(x² -3 x + 1) -(2 x² -x -4)",
     "-x^2-2x+5",
     "x",
     {{2.5, "A = x² -3 x + 1 -2 x² + x + 4 = -x² -2 x + 5"}}},
    {"(3 a -2 b) -(5 a -b) + (a + 4 b)",
     "-a+3b",
     "ab",
     {{2.5, "A = 3 a -2 b -5 a + b + a + 4 b = -a + 3 b"}}},
    {"2 x -(x² + 3 x -5) -(4 -x²)", "-x+1", "x", {{2.5, "A = 2 x -x² -3 x + 5 -4 + x² = -x + 1"}}},
};

// Index 6 : « Développer k (a + b) ou k (a -b) ».
constexpr QuestionExpression developperKab[] = {
    {"8 x + 7 -3 (x + 2)", "5x+1", "x", {{2.5, "A = 8 x + 7 -3 x -6 = 5 x + 1"}}},
    {"5 (2 x -3) + 4 x", "14x-15", "x", {{2.5, "A = 10 x -15 + 4 x = 14 x -15"}}},
    {"3 x (x + 4) -5 x", "3x^2+7x", "x", {{2.5, "A = 3 x² + 12 x -5 x = 3 x² + 7 x"}}},
    {"7 -2 (3 a -4)", "-6a+15", "a", {{2.5, "A = 7 -6 a + 8 = -6 a + 15"}}},
    {"-4 y (2 y -1) + 3 y²", "-5y^2+4y", "y", {{2.5, "A = -8 y² + 4 y + 3 y² = -5 y² + 4 y"}}},
    {"2 (x + 3) + 5 (x -1)", "7x+1", "x", {{2.5, "A = 2 x + 6 + 5 x -5 = 7 x + 1"}}},
    {"3 (2 a -b) -2 (a -4 b)", "4a+5b", "ab", {{2.5, "A = 6 a -3 b -2 a + 8 b = 4 a + 5 b"}}},
    {"x (x -5) -3 (x² -2 x + 1)",
     "-2x^2+x-3",
     "x",
     {{2.5, "A = x² -5 x -3 x² + 6 x -3 = -2 x² + x -3"}}},
};

// Index 7 : « Développer (a+b)(c+d) ».
constexpr QuestionExpression developperDoubleProduit[] = {
    {"(x + 1) (y + 2)",
     "xy+2x+y+2",
     "xy",
     {{2.5, "A = x * y + x * 2 + 1 * y + 1 * 2 = x y + 2 x + y + 2"}}},
    {"(x + 3) (x + 5)", "x^2+8x+15", "x", {{2.5, "A = x² + 5 x + 3 x + 15 = x² + 8 x + 15"}}},
    {"(2 a -1) (a + 4)", "2a^2+7a-4", "a", {{2.5, "A = 2 a² + 8 a -a -4 = 2 a² + 7 a -4"}}},
    {"(3 y -2) (y -5)", "3y^2-17y+10", "y", {{2.5, "A = 3 y² -15 y -2 y + 10 = 3 y² -17 y + 10"}}},
    {"(x -2 y) (3 x + y)",
     "3x^2-5xy-2y^2",
     "xy",
     {{2.5, "A = 3 x² + x y -6 x y -2 y² = 3 x² -5 x y -2 y²"}}},
    {"(4 -x) (2 x -3)", "-2x^2+11x-12", "x", {{2.5, "A = 8 x -12 -2 x² + 3 x = -2 x² + 11 x -12"}}},
};

// Index 9 : « Développement d'expressions diverses, série 1 ».
constexpr QuestionExpression developpementSerie1[] = {
    {"3 (x + 2) + (x + 1) (x -4)", "x^2+2", "x", {{2.5, "A = 3 x + 6 + x² -4 x + x -4 = x² + 2"}}},
    {"(2 x + 1) (x + 3) -5 x",
     "2x^2+2x+3",
     "x",
     {{2.5, "A = 2 x² + 6 x + x + 3 -5 x = 2 x² + 2 x + 3"}}},
    {"(x + 2) (x + 5) + (x -1) (x + 3)",
     "2x^2+9x+7",
     "x",
     {{2.5, "A = x² + 5 x + 2 x + 10 + x² + 3 x -x -3"}, {4.5, "A = 2 x² + 9 x + 7"}}},
    {"(3 x -1) (x + 2) -(x + 4) (x -3)",
     "2x^2+4x+10",
     "x",
     {{2.5, "A = 3 x² + 6 x -x -2 -(x² -3 x + 4 x -12)"},
      {4.5, "A = 3 x² + 5 x -2 -x² -x + 12 = 2 x² + 4 x + 10"}}},
    {"2 x (x -3) -(x -5) (2 x + 1)",
     "3x+5",
     "x",
     {{2.5, "A = 2 x² -6 x -(2 x² + x -10 x -5)"},
      {4.5, "A = 2 x² -6 x -2 x² + 9 x + 5 = 3 x + 5"}}},
};

// Index 10 : « Développement d'expressions diverses, série 2 ».
constexpr QuestionExpression developpementSerie2[] = {
    {"x (3 x² -7 x + 4)",
     "3x^3-7x^2+4x",
     "x",
     {{2.5, "A = x * 3 x² -x * 7 x + x * 4 = 3 x$03$1 -7 x² + 4 x"}}},
    {"(x + 2) (x² -x + 3)",
     "x^3+x^2+x+6",
     "x",
     {{2.5, "A = x$03$1 -x² + 3 x + 2 x² -2 x + 6"}, {4.5, "A = x$03$1 + x² + x + 6"}}},
    {"(2 x -1) (x² + 3 x -2)",
     "2x^3+5x^2-7x+2",
     "x",
     {{2.5, "A = 2 x$03$1 + 6 x² -4 x -x² -3 x + 2"}, {4.5, "A = 2 x$03$1 + 5 x² -7 x + 2"}}},
    {"(a + b) (a² -a b + b²)",
     "a^3+b^3",
     "ab",
     {{2.5, "A = a$03$1 -a² b + a b² + a² b -a b² + b$03$1"}, {4.5, "A = a$03$1 + b$03$1"}}},
};

// Index 11 : « Développement de l'opposé d'un produit » : deux façons de faire.
constexpr QuestionExpression opposeProduit[] = {
    {"-(2x + 1) (x + 3)",
     "-2x^2-7x-3",
     "x",
     {{2.5, "On peut effectuer d'abord le produit : calculer a * b puis prendre son opposé."},
      {3.5, "Solution 1 : A = -(2 x² + 6 x + x + 3) = -(2 x² + 7 x + 3) = -2 x² -7 x -3"},
      {5, "On peut aussi prendre d'abord l'opposé d'un facteur."},
      {6, "Solution 2 : A = (-2 x -1) (x + 3) = -2 x² -6 x -x -3 = -2 x² -7 x -3"}}},
    {"-(x -4) (3 x + 2)",
     "-3x^2+10x+8",
     "x",
     {{2.5, "On peut effectuer d'abord le produit : calculer a * b puis prendre son opposé."},
      {3.5, "Solution 1 : A = -(3 x² + 2 x -12 x -8) = -(3 x² -10 x -8) = -3 x² + 10 x + 8"},
      {5, "On peut aussi prendre d'abord l'opposé d'un facteur."},
      {6, "Solution 2 : A = (-x + 4) (3 x + 2) = -3 x² -2 x + 12 x + 8 = -3 x² + 10 x + 8"}}},
    {"-(2 x -5) (-x + 3)",
     "2x^2-11x+15",
     "x",
     {{2.5, "On peut effectuer d'abord le produit : calculer a * b puis prendre son opposé."},
      {3.5, "Solution 1 : A = -(-2 x² + 6 x + 5 x -15) = -(-2 x² + 11 x -15) = 2 x² -11 x + 15"},
      {5, "On peut aussi prendre d'abord l'opposé d'un facteur."},
      {6, "Solution 2 : A = (-2 x + 5) (-x + 3) = 2 x² -6 x -5 x + 15 = 2 x² -11 x + 15"}}},
};

// ---- Identités remarquables : développement ----

// Index 15 : carré d'une somme, série 1.
constexpr QuestionExpression carreSommeSerie1[] = {
    {"(x + 3)²", "x^2+6x+9", "x", {{2.5, "A = x² + 2 * 3 * x + 3² = x² + 6 x + 9"}}},
    {"(x + 5)²", "x^2+10x+25", "x", {{2.5, "A = x² + 2 * 5 * x + 5² = x² + 10 x + 25"}}},
    {"(a + 1)²", "a^2+2a+1", "a", {{2.5, "A = a² + 2 * 1 * a + 1² = a² + 2 a + 1"}}},
    {"(y + 7)²", "y^2+14y+49", "y", {{2.5, "A = y² + 2 * 7 * y + 7² = y² + 14 y + 49"}}},
};

// Index 16 : carré d'une somme, série 2.
constexpr QuestionExpression carreSommeSerie2[] = {
    {"(2 x + 3)²", "4x^2+12x+9", "x", {{2.5, "A = (2 x)² + 2 * 2 x * 3 + 3² = 4 x² + 12 x + 9"}}},
    {"(3 a + 5)²", "9a^2+30a+25", "a", {{2.5, "A = (3 a)² + 2 * 3 a * 5 + 5² = 9 a² + 30 a + 25"}}},
    {"(3 x + 2 y)²",
     "9x^2+12xy+4y^2",
     "xy",
     {{2.5, "A = (3 x)² + 2 * 3 x * 2 y + (2 y)² = 9 x² + 12 x y + 4 y²"}}},
    {"(x + $F1;2;)²",
     "x^2+x+1/4",
     "x",
     {{2.5, "A = x² + 2 * $F1;2; * x + ($F1;2;)² = x² + x + $F1;4;"}}},
};

// Index 19 : carré d'une différence, série 1.
constexpr QuestionExpression carreDifferenceSerie1[] = {
    {"(x -4)²", "x^2-8x+16", "x", {{2.5, "A = x² -2 * 4 * x + 4² = x² -8 x + 16"}}},
    {"(x -1)²", "x^2-2x+1", "x", {{2.5, "A = x² -2 * 1 * x + 1² = x² -2 x + 1"}}},
    {"(a -6)²", "a^2-12a+36", "a", {{2.5, "A = a² -2 * 6 * a + 6² = a² -12 a + 36"}}},
    {"(y -10)²", "y^2-20y+100", "y", {{2.5, "A = y² -2 * 10 * y + 10² = y² -20 y + 100"}}},
};

// Index 20 : carré d'une différence, série 2.
constexpr QuestionExpression carreDifferenceSerie2[] = {
    {"(3 x -2)²", "9x^2-12x+4", "x", {{2.5, "A = (3 x)² -2 * 3 x * 2 + 2² = 9 x² -12 x + 4"}}},
    {"(5 a -1)²", "25a^2-10a+1", "a", {{2.5, "A = (5 a)² -2 * 5 a * 1 + 1² = 25 a² -10 a + 1"}}},
    {"(2 x -5 y)²",
     "4x^2-20xy+25y^2",
     "xy",
     {{2.5, "A = (2 x)² -2 * 2 x * 5 y + (5 y)² = 4 x² -20 x y + 25 y²"}}},
    {"(2 x -$F1;2;)²",
     "4x^2-2x+1/4",
     "x",
     {{2.5, "A = (2 x)² -2 * 2 x * $F1;2; + ($F1;2;)² = 4 x² -2 x + $F1;4;"}}},
};

// Index 23 : somme par différence, série 1.
constexpr QuestionExpression sommeDifferenceSerie1[] = {
    {"(x + 3)(x -3)", "x^2-9", "x", {{2.5, "A = x² -3² = x² -9"}}},
    {"(x -7)(x + 7)", "x^2-49", "x", {{2.5, "A = x² -7² = x² -49"}}},
    {"(a + 1)(a -1)", "a^2-1", "a", {{2.5, "A = a² -1² = a² -1"}}},
    {"(y -8)(y + 8)", "y^2-64", "y", {{2.5, "A = y² -8² = y² -64"}}},
};

// Index 24 : somme par différence, série 2.
constexpr QuestionExpression sommeDifferenceSerie2[] = {
    {"(2 x + 5)(2 x -5)", "4x^2-25", "x", {{2.5, "A = (2 x)² -5² = 4 x² -25"}}},
    {"(3 a -4)(3 a + 4)", "9a^2-16", "a", {{2.5, "A = (3 a)² -4² = 9 a² -16"}}},
    {"(5 x + 2 y)(5 x -2 y)", "25x^2-4y^2", "xy", {{2.5, "A = (5 x)² -(2 y)² = 25 x² -4 y²"}}},
    {"(6 -7 y)(6 + 7 y)", "36-49y^2", "y", {{2.5, "A = 6² -(7 y)² = 36 -49 y²"}}},
};

// Index 27 à 30 : « Développement avec des identités remarquables, série 1 » à 4.
constexpr QuestionExpression developperReduire1[] = {
    {"(x + 7)² -9",
     "x^2+14x+40",
     "x",
     {{2.5, "A = (x + 7)² -9 = x² + 14 x + 49 -9"}, {4.5, "A = x² + 14 x + 40"}}},
    {"(x -3)² + 2 x (x + 1)",
     "3x^2-4x+9",
     "x",
     {{2.5, "A = (x -3)² + 2 x (x + 1) = x² -6 x + 9 + 2 x² + 2 x"}, {4.5, "A = 3 x² -4 x + 9"}}},
};

constexpr QuestionExpression developperReduire2[] = {
    {"(2 x + 1)² + (x -4)(x + 4)",
     "5x^2+4x-15",
     "x",
     {{2.5, "A = (2 x + 1)² + (x -4)(x + 4) = 4 x² + 4 x + 1 + x² -16"},
      {4.5, "A = 5 x² + 4 x -15"}}},
    {"(3 x -1)² -(x + 2)²",
     "8x^2-10x-3",
     "x",
     {{2.5, "A = (3 x -1)² -(x + 2)² = 9 x² -6 x + 1 -(x² + 4 x + 4)"},
      {4.5, "A = 9 x² -6 x + 1 -x² -4 x -4 = 8 x² -10 x -3"}}},
};

constexpr QuestionExpression developperReduire3[] = {
    {"(x + 5)² -(x -5)²",
     "20x",
     "x",
     {{2.5, "A = (x + 5)² -(x -5)² = x² + 10 x + 25 -(x² -10 x + 25)"},
      {4.5, "A = x² + 10 x + 25 -x² + 10 x -25 = 20 x"}}},
    {"2 (x -3)² -(x + 1)(x -1)",
     "x^2-12x+19",
     "x",
     {{2.5, "A = 2 (x -3)² -(x + 1)(x -1) = 2 (x² -6 x + 9) -(x² -1)"},
      {4.5, "A = 2 x² -12 x + 18 -x² + 1 = x² -12 x + 19"}}},
};

constexpr QuestionExpression developperReduire4[] = {
    {"(2 x -3)(2 x + 3) -(2 x -1)²",
     "4x-10",
     "x",
     {{2.5, "A = (2 x -3)(2 x + 3) -(2 x -1)² = 4 x² -9 -(4 x² -4 x + 1)"},
      {4.5, "A = 4 x² -9 -4 x² + 4 x -1 = 4 x -10"}}},
    {"(3 x + 2)² -3 (x + 1)(3 x -1)",
     "6x+7",
     "x",
     {{2.5, "A = (3 x + 2)² -3 (x + 1)(3 x -1) = 9 x² + 12 x + 4 -3 (3 x² -x + 3 x -1)"},
      {4.5, "A = 9 x² + 12 x + 4 -9 x² -6 x + 3 = 6 x + 7"}}},
};

// ---- Factorisation (réponses factorisées) ----

// Index 33 : somme avec facteur commun, série 1.
constexpr QuestionExpression facteurCommunSomme1[] = {
    {"(2 x + 3)(x -2) + (2 x + 3)(4 x + 1)",
     "(2x+3)(5x-1)",
     "x",
     {{2.5, "A = (2 x + 3)(x -2) + (2 x + 3) (4 x + 1) = (2 x + 3) [(x -2) + (4 x + 1)]"},
      {4.5, "A = (2 x + 3)(x -2 + 4 x + 1) = (2 x + 3) (5 x -1)"}}},
    {"(x + 4)(3 x -1) + (x + 4)(x + 6)",
     "(x+4)(4x+5)",
     "x",
     {{2.5, "A = (x + 4)(3 x -1) + (x + 4)(x + 6) = (x + 4) [(3 x -1) + (x + 6)]"},
      {4.5, "A = (x + 4)(3 x -1 + x + 6) = (x + 4)(4 x + 5)"}}},
};

// Index 34 : somme avec facteur commun, série 2 (le facteur commun change de place).
constexpr QuestionExpression facteurCommunSomme2[] = {
    {"(x -5)(2 x + 1) + (3 x + 2)(x -5)",
     "(x-5)(5x+3)",
     "x",
     {{2.5, "A = (x -5)(2 x + 1) + (3 x + 2)(x -5) = (x -5) [(2 x + 1) + (3 x + 2)]"},
      {4.5, "A = (x -5)(2 x + 1 + 3 x + 2) = (x -5)(5 x + 3)"}}},
    {"(4 x -3)(x + 7) + (2 x -5)(4 x -3)",
     "(4x-3)(3x+2)",
     "x",
     {{2.5, "A = (4 x -3)(x + 7) + (2 x -5)(4 x -3) = (4 x -3) [(x + 7) + (2 x -5)]"},
      {4.5, "A = (4 x -3)(x + 7 + 2 x -5) = (4 x -3)(3 x + 2)"}}},
};

// Index 35 : différence avec facteur commun, série 1.
constexpr QuestionExpression facteurCommunDifference1[] = {
    {"(3 x + 2)(x + 5) -(3 x + 2)(2 x -1)",
     "(3x+2)(-x+6)",
     "x",
     {{2.5, "A = (3 x + 2)(x + 5) -(3 x + 2)(2 x -1) = (3 x + 2) [(x + 5) -(2 x -1)]"},
      {4.5, "A = (3 x + 2)(x + 5 -2 x + 1) = (3 x + 2)(-x + 6)"}}},
    {"(x -4)(5 x + 3) -(x -4)(2 x + 7)",
     "(x-4)(3x-4)",
     "x",
     {{2.5, "A = (x -4)(5 x + 3) -(x -4)(2 x + 7) = (x -4) [(5 x + 3) -(2 x + 7)]"},
      {4.5, "A = (x -4)(5 x + 3 -2 x -7) = (x -4)(3 x -4)"}}},
};

// Index 36 : différence avec facteur commun, série 2.
constexpr QuestionExpression facteurCommunDifference2[] = {
    {"(2 x -1)(4 x + 3) -(x -2)(2 x -1)",
     "(2x-1)(3x+5)",
     "x",
     {{2.5, "A = (2 x -1)(4 x + 3) -(x -2)(2 x -1) = (2 x -1) [(4 x + 3) -(x -2)]"},
      {4.5, "A = (2 x -1)(4 x + 3 -x + 2) = (2 x -1)(3 x + 5)"}}},
    {"(x + 6)(5 -x) -(2 x + 3)(x + 6)",
     "(x+6)(-3x+2)",
     "x",
     {{2.5, "A = (x + 6)(5 -x) -(2 x + 3)(x + 6) = (x + 6) [(5 -x) -(2 x + 3)]"},
      {4.5, "A = (x + 6)(5 -x -2 x -3) = (x + 6)(-3 x + 2)"}}},
};

// Index 37 : somme avec facteur commun et carré.
constexpr QuestionExpression facteurCommunCarreSomme[] = {
    {"(x + 2)² + (x + 2)(3 x -1)",
     "(x+2)(4x+1)",
     "x",
     {{2.5, "A = (x + 2)(x + 2) + (x + 2)(3 x -1) = (x + 2) [(x + 2) + (3 x -1)]"},
      {4.5, "A = (x + 2)(x + 2 + 3 x -1) = (x + 2)(4 x + 1)"}}},
    {"(2 x -3)(x + 4) + (2 x -3)²",
     "(2x-3)(3x+1)",
     "x",
     {{2.5, "A = (2 x -3)(x + 4) + (2 x -3)(2 x -3) = (2 x -3) [(x + 4) + (2 x -3)]"},
      {4.5, "A = (2 x -3)(x + 4 + 2 x -3) = (2 x -3)(3 x + 1)"}}},
};

// Index 38 : différence avec facteur commun et carré.
constexpr QuestionExpression facteurCommunCarreDifference[] = {
    {"(3 x + 1)² -(3 x + 1)(x + 4)",
     "(3x+1)(2x-3)",
     "x",
     {{2.5, "A = (3 x + 1)(3 x + 1) -(3 x + 1)(x + 4) = (3 x + 1) [(3 x + 1) -(x + 4)]"},
      {4.5, "A = (3 x + 1)(3 x + 1 -x -4) = (3 x + 1)(2 x -3)"}}},
    {"(x -5)(4 x + 3) -(x -5)²",
     "(x-5)(3x+8)",
     "x",
     {{2.5, "A = (x -5)(4 x + 3) -(x -5)(x -5) = (x -5) [(4 x + 3) -(x -5)]"},
      {4.5, "A = (x -5)(4 x + 3 -x + 5) = (x -5)(3 x + 8)"}}},
};

// Index 39 : facteur commun, « le coup du 1 » : le facteur seul s'écrit facteur * 1.
constexpr QuestionExpression coupDuUn[] = {
    {"(2 x + 5)(x -3) + (2 x + 5)",
     "(2x+5)(x-2)",
     "x",
     {{2.5, "A = (2 x + 5)(x -3) + (2 x + 5) * 1 = (2 x + 5) [(x -3) + 1]"},
      {4.5, "A = (2 x + 5)(x -3 + 1) = (2 x + 5)(x -2)"}}},
    {"(x -4) + (x -4)(3 x + 1)",
     "(x-4)(3x+2)",
     "x",
     {{2.5, "A = (x -4) * 1 + (x -4)(3 x + 1) = (x -4) [1 + (3 x + 1)]"},
      {4.5, "A = (x -4)(1 + 3 x + 1) = (x -4)(3 x + 2)"}}},
    {"(3 x -2)(x + 6) -(3 x -2)",
     "(3x-2)(x+5)",
     "x",
     {{2.5, "A = (3 x -2)(x + 6) -(3 x -2) * 1 = (3 x -2) [(x + 6) -1]"},
      {4.5, "A = (3 x -2)(x + 6 -1) = (3 x -2)(x + 5)"}}},
    {"(5 x + 1) -(5 x + 1)(3 x -4)",
     "(5x+1)(5-3x)",
     "x",
     {{2.5, "A = (5 x + 1) * 1 -(5 x + 1)(3 x -4) = (5 x + 1) [1 -(3 x -4)]"},
      {4.5, "A = (5 x + 1)(1 -3 x + 4) = (5 x + 1)(5 -3 x)"}}},
};

// Index 41 : reconnaître le carré d'une somme.
constexpr QuestionExpression factoriserCarreSomme[] = {
    {"x² + 6 x + 9", "(x+3)^2", "x", {{2.5, "A = x² + 2 * 3 * x + 3² = (x + 3)²"}}},
    {"a² + 14 a + 49", "(a+7)^2", "a", {{2.5, "A = a² + 2 * 7 * a + 7² = (a + 7)²"}}},
    {"4 x² + 4 x + 1", "(2x+1)^2", "x", {{2.5, "A = (2 x)² + 2 * 2 x * 1 + 1² = (2 x + 1)²"}}},
    {"9 x² + 30 x + 25", "(3x+5)^2", "x", {{2.5, "A = (3 x)² + 2 * 3 x * 5 + 5² = (3 x + 5)²"}}},
};

// Index 42 : reconnaître le carré d'une différence.
constexpr QuestionExpression factoriserCarreDifference[] = {
    {"x² -10 x + 25", "(x-5)^2", "x", {{2.5, "A = x² -2 * 5 * x + 5² = (x -5)²"}}},
    {"y² -8 y + 16", "(y-4)^2", "y", {{2.5, "A = y² -2 * 4 * y + 4² = (y -4)²"}}},
    {"9 x² -12 x + 4", "(3x-2)^2", "x", {{2.5, "A = (3 x)² -2 * 3 x * 2 + 2² = (3 x -2)²"}}},
    {"25 + 4 x² -20 x",
     "(2x-5)^2",
     "x",
     {{2.5, "A = 4 x² -20 x + 25 = (2 x)² -2 * 2 x * 5 + 5² = (2 x -5)²"}}},
};

// Index 43 : différence de deux carrés simple.
constexpr QuestionExpression differenceCarresSimple[] = {
    {"x² -25", "(x-5)(x+5)", "x", {{2.5, "A = x² -5² = (x -5)(x + 5)"}}},
    {"a² -1", "(a-1)(a+1)", "a", {{2.5, "A = a² -1² = (a -1)(a + 1)"}}},
    {"9 x² -16", "(3x-4)(3x+4)", "x", {{2.5, "A = (3 x)² -4² = (3 x -4)(3 x + 4)"}}},
    {"49 -4 x²", "(7-2x)(7+2x)", "x", {{2.5, "A = 7² -(2 x)² = (7 -2 x)(7 + 2 x)"}}},
};

// Index 45 : différence de deux carrés dont l'un est le carré d'une somme.
constexpr QuestionExpression differenceCarresUneSomme[] = {
    {"(x + 2)² -9",
     "(x-1)(x+5)",
     "x",
     {{2.5, "A = (x + 2)² -3² = [(x + 2) -3][(x + 2) + 3]"},
      {4.5, "A = (x + 2 -3)(x + 2 + 3) = (x -1)(x + 5)"}}},
    {"(2 x -1)² -16",
     "(2x-5)(2x+3)",
     "x",
     {{2.5, "A = (2 x -1)² -4² = [(2 x -1) -4][(2 x -1) + 4]"},
      {4.5, "A = (2 x -1 -4)(2 x -1 + 4) = (2 x -5)(2 x + 3)"}}},
    {"25 -(x + 4)²",
     "(1-x)(x+9)",
     "x",
     {{2.5, "A = 5² -(x + 4)² = [5 -(x + 4)][5 + (x + 4)]"},
      {4.5, "A = (5 -x -4)(5 + x + 4) = (1 -x)(x + 9)"}}},
};

// Index 46 : différence des carrés de deux sommes.
constexpr QuestionExpression differenceCarresDeuxSommes[] = {
    {"(2 x + 1)² -(x + 3)²",
     "(x-2)(3x+4)",
     "x",
     {{2.5, "A = [(2 x + 1) -(x + 3)][(2 x + 1) + (x + 3)]"},
      {4.5, "A = (2 x + 1 -x -3)(2 x + 1 + x + 3) = (x -2)(3 x + 4)"}}},
    {"(3 x -2)² -(x + 5)²",
     "(2x-7)(4x+3)",
     "x",
     {{2.5, "A = [(3 x -2) -(x + 5)][(3 x -2) + (x + 5)]"},
      {4.5, "A = (3 x -2 -x -5)(3 x -2 + x + 5) = (2 x -7)(4 x + 3)"}}},
};

// Index 48 : « le coup du -1 » : un facteur est l'opposé de l'autre.
constexpr QuestionExpression coupDuMoinsUn[] = {
    {"(x -3)(2 x + 1) + (3 -x)(x + 5)",
     "(x-3)(x-4)",
     "x",
     {{2.5, "A = (x -3)(2 x + 1) -(x -3)(x + 5) = (x -3) [(2 x + 1) -(x + 5)]"},
      {4.5, "A = (x -3)(2 x + 1 -x -5) = (x -3)(x -4)"}}},
    {"(5 -2 x)(x + 4) -(2 x -5)(3 x -1)",
     "(5-2x)(4x+3)",
     "x",
     {{2.5, "A = (5 -2 x)(x + 4) + (5 -2 x)(3 x -1) = (5 -2 x) [(x + 4) + (3 x -1)]"},
      {4.5, "A = (5 -2 x)(x + 4 + 3 x -1) = (5 -2 x)(4 x + 3)"}}},
};

// Index 49 : facteur commun masqué par un coefficient numérique.
constexpr QuestionExpression facteurMasque1[] = {
    {"(2 x + 6)(x -1) + (x + 3)(4 x + 3)",
     "(x+3)(6x+1)",
     "x",
     {{2.5, "A = 2 (x + 3)(x -1) + (x + 3)(4 x + 3) = (x + 3) [2 (x -1) + (4 x + 3)]"},
      {4.5, "A = (x + 3)(2 x -2 + 4 x + 3) = (x + 3)(6 x + 1)"}}},
    {"(3 x -2)(x + 5) -(6 x -4)(2 x -1)",
     "(3x-2)(-3x+7)",
     "x",
     {{2.5, "A = (3 x -2)(x + 5) -2 (3 x -2)(2 x -1) = (3 x -2) [(x + 5) -2 (2 x -1)]"},
      {4.5, "A = (3 x -2)(x + 5 -4 x + 2) = (3 x -2)(-3 x + 7)"}}},
};

// Index 50 : facteur commun masqué dans un produit déjà développé.
constexpr QuestionExpression facteurMasque2[] = {
    {"(x + 2)(3 x -1) + x² + 2 x",
     "(x+2)(4x-1)",
     "x",
     {{2.5, "A = (x + 2)(3 x -1) + x (x + 2) = (x + 2) [(3 x -1) + x]"},
      {4.5, "A = (x + 2)(3 x -1 + x) = (x + 2)(4 x -1)"}}},
    {"(x -3)(2 x + 5) -4 x² + 12 x",
     "(x-3)(5-2x)",
     "x",
     {{2.5, "A = (x -3)(2 x + 5) -4 x (x -3) = (x -3) [(2 x + 5) -4 x]"},
      {4.5, "A = (x -3)(2 x + 5 -4 x) = (x -3)(5 -2 x)"}}},
};

// ---- Calcul rapide (réponses numériques) ----

// Index 17 : avec le carré d'une somme.
constexpr QuestionNumerique calculRapideCarreSomme[] = {
    {"103²",
     10609,
     {{2.5, "A = (100 + 3)² = 100² + 2 * 3 * 100 + 3² = 10 000 + 600 + 9 = 10 609"}}},
    {"301²",
     90601,
     {{2.5, "A = (300 + 1)² = 300² + 2 * 1 * 300 + 1² = 90 000 + 600 + 1 = 90 601"}}},
    {"1001²",
     1002001,
     {{2.5, "A = (1 000 + 1)² = 1 000² + 2 * 1 * 1 000 + 1²"},
      {4.5, "A = 1 000 000 + 2 000 + 1 = 1 002 001"}}},
    {"2003²",
     4012009,
     {{2.5, "A = (2 000 + 3)² = 2 000² + 2 * 3 * 2 000 + 3²"},
      {4.5, "A = 4 000 000 + 12 000 + 9 = 4 012 009"}}},
};

// Index 21 : avec le carré d'une différence.
constexpr QuestionNumerique calculRapideCarreDifference[] = {
    {"49²", 2401, {{2.5, "A = (50 -1)² = 50² -2 * 1 * 50 + 1² = 2 500 -100 + 1 = 2 401"}}},
    {"99²", 9801, {{2.5, "A = (100 -1)² = 100² -2 * 1 * 100 + 1² = 10 000 -200 + 1 = 9 801"}}},
    {"997²",
     994009,
     {{2.5, "A = (1 000 -3)² = 1 000² -2 * 3 * 1 000 + 3²"},
      {4.5, "A = 1 000 000 -6 000 + 9 = 994 009"}}},
    {"398²",
     158404,
     {{2.5, "A = (400 -2)² = 400² -2 * 2 * 400 + 2² = 160 000 -1 600 + 4 = 158 404"}}},
};

// Index 25 : avec le produit d'une somme par une différence.
constexpr QuestionNumerique calculRapideSommeDifference[] = {
    {"49 * 51", 2499, {{2.5, "A = (50 -1)(50 + 1) = 50² -1² = 2 500 -1 = 2 499"}}},
    {"1997 * 2003",
     3999991,
     {{2.5, "A = (2 000 -3)(2 000 + 3) = 2 000² -3² = 4 000 000 -9 = 3 999 991"}}},
    {"501 * 499", 249999, {{2.5, "A = (500 + 1)(500 -1) = 500² -1² = 250 000 -1 = 249 999"}}},
    {"402 * 398", 159996, {{2.5, "A = (400 + 2)(400 -2) = 400² -2² = 160 000 -4 = 159 996"}}},
};

// Index 44 : avec une différence de deux carrés.
constexpr QuestionNumerique calculRapideDifferenceCarres[] = {
    {"103² -97²", 1200, {{2.5, "A = (103 + 97)(103 -97) = 200 * 6 = 1 200"}}},
    {"2004² -2003²", 4007, {{2.5, "A = (2 004 + 2 003)(2 004 -2 003) = 4 007 * 1 = 4 007"}}},
    {"421² -419²", 1680, {{2.5, "A = (421 + 419)(421 -419) = 840 * 2 = 1 680"}}},
    {"1999² -2000²", -3999, {{2.5, "A = (1 999 + 2 000)(1 999 -2 000) = 3 999 * (-1) = -3 999"}}},
};

// ---- Questions à plusieurs champs ----

// Index 12 : « Développement avec 3 facteurs ».
constexpr QuestionChamps troisFacteurs[] = {
    {"x(x + 3)(2 x -1)",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "x^2+3x", .lettres = "x"},
      {.typeReponse = TgenreReponse::developpee, .attendue = "2x^3+5x^2-3x", .lettres = "x"}},
     {{2.5, "a.  x(x + 3) = x² + 3 x"},
      {4, "b. Donc  A = (x² + 3 x) (2 x -1) = 2 x$03$1 -x² + 6 x² -3 x = 2 x$03$1 + 5 x² -3 x"}}},
    {"(x + 3)(x -3)(x + 1)",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "x^2-9", .lettres = "x"},
      {.typeReponse = TgenreReponse::developpee, .attendue = "x^3+x^2-9x-9", .lettres = "x"}},
     {{2.5, "a.  (x + 3)(x -3) = x² -3² = x² -9"},
      {4, "b. Donc  A = (x² -9) (x + 1) = x$03$1 + x² -9 x -9"}}},
};

// Index 52 à 54 : « Développer, factoriser, calculer » (une question chacun). Les champs a
// et b attendent toute expression égale à A ; la réponse modèle donne la forme demandée.
constexpr QuestionChamps developperFactoriserCalculer[] = {
    {"(2 x + 1)² -16",
     {{.typeReponse = TgenreReponse::developpee,
       .attendue = "(2x+1)^2-16",
       .lettres = "x",
       .modele = "4x^2+4x-15"},
      {.typeReponse = TgenreReponse::factorisee,
       .attendue = "(2x+1)^2-16",
       .lettres = "x",
       .modele = "(2x+5)(2x-3)"},
      {.typeReponse = TgenreReponse::nombre, .valeur = 105, .pourX = "5"}},
     {{2.5, "a. A = (2 x + 1)² -16 = 4 x² + 4 x + 1 -16 = 4 x² + 4 x -15"},
      {3.8, "b. A = (2 x + 1)² -16 = (2 x + 1 + 4)(2 x + 1 -4) = (2 x + 5)(2 x -3)"},
      {5.1, "c. Pour x = 5, on a : A = 11² -16 = 121 -16 = 105"},
      {6.4, "   Avec la forme développée : A = 100 + 20 -15 = 105"},
      {7.7, "   Avec la forme factorisée : A = 15 * 7 = 105"}}},
    {"(x + 3)² -5 (x + 3)",
     {{.typeReponse = TgenreReponse::developpee,
       .attendue = "(x+3)^2-5(x+3)",
       .lettres = "x",
       .modele = "x^2+x-6"},
      {.typeReponse = TgenreReponse::factorisee,
       .attendue = "(x+3)^2-5(x+3)",
       .lettres = "x",
       .modele = "(x+3)(x-2)"},
      {.typeReponse = TgenreReponse::nombre, .valeur = 50, .pourX = "7"}},
     {{2.5, "a. A = (x + 3)² -5 (x + 3) = x² + 6 x + 9 -5 x -15 = x² + x -6"},
      {3.8, "b. A = (x + 3)(x + 3) -5 (x + 3) = (x + 3)(x + 3 -5) = (x + 3)(x -2)"},
      {5.1, "c. Pour x = 7, on a : A = 10² -5 * 10 = 100 -50 = 50"},
      {6.4, "   Avec la forme factorisée : A = 10 * 5 = 50"}}},
    {"25 -(x + 1)²",
     {{.typeReponse = TgenreReponse::developpee,
       .attendue = "25-(x+1)^2",
       .lettres = "x",
       .modele = "-x^2-2x+24"},
      {.typeReponse = TgenreReponse::factorisee,
       .attendue = "25-(x+1)^2",
       .lettres = "x",
       .modele = "(4-x)(x+6)"},
      {.typeReponse = TgenreReponse::nombre, .valeur = -11, .pourX = "5"}},
     {{2.5, "a. A = 25 -(x² + 2 x + 1) = 25 -x² -2 x -1 = -x² -2 x + 24"},
      {3.8, "b. A = 5² -(x + 1)² = [5 -(x + 1)][5 + (x + 1)] = (4 -x)(x + 6)"},
      {5.1, "c. Pour x = 5, on a : A = 25 -6² = 25 -36 = -11"},
      {6.4, "   Avec la forme factorisée : A = (4 -5)(5 + 6) = -1 * 11 = -11"}}},
};

// Index 55 : « Développer pour factoriser » : la forme développée est une identité.
constexpr QuestionChamps developperPourFactoriser[] = {
    {"(x + 1)(x + 5) + 4",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "x^2+6x+9", .lettres = "x"},
      {.typeReponse = TgenreReponse::factorisee, .attendue = "(x+3)^2", .lettres = "x"}},
     {{2.5, "a. A = x² + 5 x + x + 5 + 4 = x² + 6 x + 9"},
      {4, "b. A = x² + 2 * 3 * x + 3² = (x + 3)²"}}},
    {"(2 x + 1)(2 x -3) + 4",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "4x^2-4x+1", .lettres = "x"},
      {.typeReponse = TgenreReponse::factorisee, .attendue = "(2x-1)^2", .lettres = "x"}},
     {{2.5, "a. A = 4 x² -6 x + 2 x -3 + 4 = 4 x² -4 x + 1"},
      {4, "b. A = (2 x)² -2 * 2 x * 1 + 1² = (2 x -1)²"}}},
};

// Index 57 : « Problème - Avec des aires ».
constexpr QuestionChamps problemeAires[] = {
    {"(2 x)² -(x + 1)²",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "3x^2-2x-1", .lettres = "x"},
      {.typeReponse = TgenreReponse::factorisee, .attendue = "(3x+1)(x-1)", .lettres = "x"}},
     {{2.5, "a. A = (2 x)² -(x + 1)² = 4 x² -(x² + 2 x + 1) = 4 x² -x² -2 x -1 = 3 x² -2 x -1"},
      {4, "b. A = (2 x)² -(x + 1)² = [(2 x) + (x + 1)][(2 x) -(x + 1)]"},
      {5.5, "   A = (2 x + x + 1)(2 x -x -1) = (3 x + 1)(x -1)"}}},
};

// Index 58 : « Problème - Avec des âges ». Chaque enfant a x + 2 ans.
constexpr QuestionChamps problemeAges[] = {
    {"(x + 2)²",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "x^2+4x+4", .lettres = "x"},
      {.typeReponse = TgenreReponse::factorisee, .attendue = "(x+1)(x+3)", .lettres = "x"}},
     {{2.5, "a. Notre âge est x + 2 ; avec les deux nouveaux, nous sommes x + 2 enfants."},
      {3.8, "   La somme de nos âges est : (x + 2)(x + 2) = (x + 2)² = x² + 4 x + 4"},
      {5.1, "b. La somme diminue d'un an : (x + 2)² -1 = (x + 2)² -1² = [(x + 2) -1][(x + 2) + 1]"},
      {6.4, "   La somme de nos âges est donc : (x + 2 -1)(x + 2 + 1) = (x + 1)(x + 3)"}}},
};

// Index 60 : « Brevet - Exercice 1 » : E = (3 x -1)² -81.
constexpr QuestionChamps brevet1[] = {
    {"(3 x -1)² -81",
     {{.typeReponse = TgenreReponse::nombre, .valeur = -80, .pourX = "0"},
      {.typeReponse = TgenreReponse::nombre, .valeur = 0, .pourX = "10/3"},
      {.typeReponse = TgenreReponse::factorisee, .attendue = "(3x+8)(3x-10)", .lettres = "x"}},
     {{2.5, "a. Pour x = 0 : E = (3 * 0 -1)² -81 = (-1)² -81 = 1 -81 = -80"},
      {4, "b. Pour x = $F10; 3; : E = (3 * $F10; 3; -1)² -81 = (10 -1)² -81 = 81 -81 = 0"},
      {5.5, "c. E = (3 x -1)² -9² = [(3 x -1) + 9][(3 x -1) -9] = (3 x + 8)(3 x -10)"}}},
};

// Index 61 : « Brevet - Exercice 2 » : E = (3 x -2)² -(3 x -2)(2 x -3).
constexpr QuestionChamps brevet2[] = {
    {"(3 x -2)² -(3 x -2)(2 x -3)",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "3x^2+x-2", .lettres = "x"},
      {.typeReponse = TgenreReponse::factorisee, .attendue = "(3x-2)(x+1)", .lettres = "x"},
      {.typeReponse = TgenreReponse::nombre, .valeur = 0, .pourX = "2/3"}},
     {{2.5, "a. E = 9 x² -12 x + 4 -(6 x² -9 x -4 x + 6)"},
      {3.8, "   E = 9 x² -12 x + 4 -6 x² + 13 x -6 = 3 x² + x -2"},
      {5.1, "b. E = (3 x -2) [(3 x -2) -(2 x -3)] = (3 x -2)(3 x -2 -2 x + 3) = (3 x -2)(x + 1)"},
      {6.4, "c. Avec la forme factorisée : E = (3 * $F2;3; -2)($F2;3; + 1) = 0 * $F5;3; = 0"}}},
};

// Index 62 : « Brevet - Exercice 3 » : E = (2 x + 5)² -x (2 x + 5).
constexpr QuestionChamps brevet3[] = {
    {"(2 x + 5)² -x (2 x + 5)",
     {{.typeReponse = TgenreReponse::developpee, .attendue = "2x^2+15x+25", .lettres = "x"},
      {.typeReponse = TgenreReponse::factorisee, .attendue = "(2x+5)(x+5)", .lettres = "x"},
      {.typeReponse = TgenreReponse::nombre, .valeur = 12, .pourX = "-1"}},
     {{2.5, "a. E = 4 x² + 20 x + 25 -2 x² -5 x = 2 x² + 15 x + 25"},
      {3.8, "b. E = (2 x + 5) [(2 x + 5) -x] = (2 x + 5)(x + 5)"},
      {5.1, "c. Pour x = -1 : E = (-2 + 5)(-1 + 5) = 3 * 4 = 12"}}},
};

} // namespace

std::span<const QuestionExpression> questionsExpression(int index) {
    static constexpr TableIndexee<QuestionExpression> tables[] = {
        {3, reduireSomme},
        {4, reduireProduit},
        {5, supprimerParentheses},
        {6, developperKab},
        {7, developperDoubleProduit},
        {9, developpementSerie1},
        {10, developpementSerie2},
        {11, opposeProduit},
        {15, carreSommeSerie1},
        {16, carreSommeSerie2},
        {19, carreDifferenceSerie1},
        {20, carreDifferenceSerie2},
        {23, sommeDifferenceSerie1},
        {24, sommeDifferenceSerie2},
        {27, developperReduire1},
        {28, developperReduire2},
        {29, developperReduire3},
        {30, developperReduire4},
        {33, facteurCommunSomme1},
        {34, facteurCommunSomme2},
        {35, facteurCommunDifference1},
        {36, facteurCommunDifference2},
        {37, facteurCommunCarreSomme},
        {38, facteurCommunCarreDifference},
        {39, coupDuUn},
        {41, factoriserCarreSomme},
        {42, factoriserCarreDifference},
        {43, differenceCarresSimple},
        {45, differenceCarresUneSomme},
        {46, differenceCarresDeuxSommes},
        {48, coupDuMoinsUn},
        {49, facteurMasque1},
        {50, facteurMasque2},
    };
    return tableDIndex<QuestionExpression>(tables, index);
}

std::span<const QuestionNumerique> questionsCalculRapide(int index) {
    static constexpr TableIndexee<QuestionNumerique> tables[] = {
        {17, calculRapideCarreSomme},
        {21, calculRapideCarreDifference},
        {25, calculRapideSommeDifference},
        {44, calculRapideDifferenceCarres},
    };
    return tableDIndex<QuestionNumerique>(tables, index);
}

std::span<const QuestionChamps> questionsChamps(int index) {
    static constexpr TableIndexee<QuestionChamps> tables[] = {
        {12, troisFacteurs},
        {52, std::span(developperFactoriserCalculer).subspan(0, 1)},
        {53, std::span(developperFactoriserCalculer).subspan(1, 1)},
        {54, std::span(developperFactoriserCalculer).subspan(2, 1)},
        {55, developperPourFactoriser},
        {57, problemeAires},
        {58, problemeAges},
        {60, brevet1},
        {61, brevet2},
        {62, brevet3},
    };
    return tableDIndex<QuestionChamps>(tables, index);
}

} // namespace exo5ch01
