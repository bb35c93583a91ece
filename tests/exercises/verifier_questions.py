#!/usr/bin/env python3
"""Vérification mathématique des tables de questions fixes (chapitres 1 et 10).

Usage : python3 tests/exercises/verifier_questions.py   (depuis la racine du dépôt)

Pour chaque question du chapitre 1 :
- la réponse attendue (syntaxe de saisie) est égale à l'expression affichée (balisage) ;
- la réponse modèle est acceptée par une relecture fidèle de l'analyseur du programme
  (même valeur aux points d'essai, forme développée réduite ou factorisée) ;
- une forme factorisée l'est complètement : chaque facteur écrit est irréductible sur Q
  et à coefficients entiers premiers entre eux ;
- une forme développée a autant de termes que la forme réduite ;
- chaque membre des chaînes « … = … = … » de la solution est égal à l'expression (ou à la
  réponse du champ de sa partie « a. », « b. », « c. ») et la chaîne finit sur la réponse.
Pour le chapitre 10 : les rapports, longueurs et valeurs attendues (voir verifier_ch10).

Sort avec le code 1 et la liste des fautes s'il y en a une.
"""

import os
import re
import sys

import sympy

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from formeecrite import ErreurLecture, Expression, comparer, facteurs_ecrits  # noqa: E402
from lecturetables import (  # noqa: E402
    balisage_en_saisie,
    balisage_vers_sympy,
    egaux,
    lire_aiguillage,
    lire_tables,
    saisie_vers_sympy,
)

RACINE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SOURCE_CH01 = os.path.join(RACINE, "exercises", "ch01", "questionsch01.cpp")

# Nombre de questions de chaque série du chapitre 1 (tables à un champ et calcul rapide).
NOMBRE_QUESTIONS_CH01 = {
    3: 8, 4: 5, 5: 7, 6: 8, 7: 6, 9: 5, 10: 4, 11: 3, 12: 2,
    15: 4, 16: 4, 17: 4, 19: 4, 20: 4, 21: 4, 23: 4, 24: 4, 25: 4,
    27: 2, 28: 2, 29: 2, 30: 2,
    33: 2, 34: 2, 35: 2, 36: 2, 37: 2, 38: 2, 39: 4, 41: 4, 42: 4, 43: 4, 44: 4,
    45: 3, 46: 2, 48: 2, 49: 2, 50: 2,
    52: 1, 53: 1, 54: 1, 55: 2, 57: 1, 58: 1, 60: 1, 61: 1, 62: 1,
}

# Champs dont la réponse n'est pas l'expression de l'énoncé : ce qu'ils expriment.
REFERENCE_CHAMP = {
    (12, 0, 0): "x(x + 3)",
    (12, 1, 0): "(x + 3)(x -3)",
    (58, 0, 1): "(x + 2)² -1",
}

fautes = []
nombre_verifications = 0


def faute(ou, message):
    fautes.append(f"{ou} : {message}")


def verifier(condition, ou, message):
    global nombre_verifications
    nombre_verifications += 1
    if not condition:
        faute(ou, message)


def lignes_utiles(solution):
    return [l for l in solution if isinstance(l, list) and len(l) == 2 and l[1]]


def membres_de_chaine(texte):
    """Membres mathématiques d'une ligne de solution (vide si la ligne n'a pas de « = »)."""
    corps = re.sub(r"^\s*(?:[abc]\.\s+)?", "", texte)
    corps = re.sub(r"^Donc\s+", "", corps)
    if "=" not in corps:
        return []
    if ": " in corps:
        corps = corps.rsplit(": ", 1)[1]
    membres = [m.strip() for m in corps.split("=")]
    if re.fullmatch(r"[A-Z]", membres[0]):
        membres = membres[1:]
    return membres


def partie_de_ligne(texte, partie_courante):
    m = re.match(r"^([abc])\.\s", texte)
    if m:
        return "abc".index(m.group(1))
    return partie_courante


def verifier_chaines(ou, solution, references, formes):
    """references[p] : expression sympy de la partie p ; formes[p] : (type, lettres) pour
    tester que le dernier membre de la partie est une réponse acceptable."""
    partie = 0
    derniers = {}
    for ligne, texte in lignes_utiles(solution):
        partie = partie_de_ligne(texte, partie)
        membres = membres_de_chaine(texte)
        for m in membres:
            try:
                valeur = balisage_vers_sympy(m)
            except Exception as e:  # noqa: BLE001
                faute(ou, f"membre illisible « {m} » ({e})")
                continue
            verifier(
                egaux(valeur, references[partie]),
                ou,
                f"ligne {ligne} : « {m} » ≠ {references[partie]}",
            )
        if membres:
            derniers[partie] = membres[-1]
    for p, (genre, lettres) in formes.items():
        if p not in derniers:
            faute(ou, f"la solution n'a pas de chaîne pour la partie {'abc'[p]}")
            continue
        dernier = derniers[p]
        if genre in (16, 17):
            saisie = balisage_en_saisie(dernier)
            code = comparer(saisie, saisie, lettres, genre)
            verifier(code == 0, ou, f"la solution finit sur « {dernier} », pas sous la forme {genre} (code {code})")


def verifier_forme(ou, reponse, lettres, genre, reference):
    """La réponse est égale à la référence et sous la forme demandée (16 ou 17)."""
    try:
        valeur = saisie_vers_sympy(reponse)
    except Exception as e:  # noqa: BLE001
        faute(ou, f"réponse illisible « {reponse} » ({e})")
        return
    verifier(egaux(valeur, reference), ou, f"« {reponse} » ≠ {reference}")
    verifier(
        all(str(s) in lettres for s in valeur.free_symbols),
        ou,
        f"« {reponse} » utilise une lettre hors de « {lettres} »",
    )
    code = comparer(reponse, reponse, lettres, genre)
    verifier(code == 0, ou, f"« {reponse} » refusée par l'analyseur (code {code})")
    symboles = [sympy.Symbol(c) for c in lettres]
    if genre == 17:
        termes = len(sympy.Poly(sympy.expand(reference), *symboles).terms())
        try:
            ecrits = Expression(reponse, lettres).nombre_termes
        except ErreurLecture as e:
            faute(ou, f"« {reponse} » illisible (erreur {e.code})")
            return
        verifier(ecrits == termes, ou, f"« {reponse} » a {ecrits} termes, la forme réduite {termes}")
    if genre == 16:
        nombre = 0
        for texte, exposant in facteurs_ecrits(reponse, lettres):
            f = saisie_vers_sympy(texte)
            poly = sympy.Poly(f, *symboles)
            verifier(
                all(c.is_integer for c in poly.coeffs()) and abs(poly.content()) == 1,
                ou,
                f"facteur « {texte} » de « {reponse} » : coefficients non entiers ou non premiers entre eux",
            )
            _, liste = sympy.factor_list(f, *symboles)
            verifier(
                len(liste) == 1 and liste[0][1] == 1,
                ou,
                f"facteur « {texte} » de « {reponse} » encore factorisable",
            )
            nombre += exposant
        _, liste = sympy.factor_list(sympy.expand(reference), *symboles)
        verifier(
            nombre == sum(m for _, m in liste),
            ou,
            f"« {reponse} » a {nombre} facteurs, la factorisation complète {sum(m for _, m in liste)}",
        )


def verifier_ch01():
    tables = lire_tables(SOURCE_CH01)
    aiguillages = {
        "expression": lire_aiguillage(SOURCE_CH01, "questionsExpression"),
        "numerique": lire_aiguillage(SOURCE_CH01, "questionsCalculRapide"),
        "champs": lire_aiguillage(SOURCE_CH01, "questionsChamps"),
    }
    # 52 à 54 : une entrée chacun de la même table.
    for i in (52, 53, 54):
        aiguillages["champs"][i] = ("developperFactoriserCalculer", i - 52)

    vus = set()
    for index, nom in aiguillages["expression"].items():
        vus.add(index)
        genre = 16 if 33 <= index <= 50 else 17
        questions = tables[nom]
        verifier(len(questions) == NOMBRE_QUESTIONS_CH01[index], f"index {index}",
                 f"{len(questions)} questions au lieu de {NOMBRE_QUESTIONS_CH01[index]}")
        for q, (expression, attendue, lettres, solution) in enumerate(questions, 1):
            ou = f"index {index} question {q}"
            reference = balisage_vers_sympy(expression)
            verifier_forme(ou, attendue, lettres, genre, reference)
            verifier_chaines(ou, solution, {0: reference}, {0: (genre, lettres)})
            verifier(lignes_utiles(solution)[0][0] == 2.5, ou, "la solution ne commence pas à la ligne 2,5")

    for index, nom in aiguillages["numerique"].items():
        vus.add(index)
        questions = tables[nom]
        verifier(len(questions) == NOMBRE_QUESTIONS_CH01[index], f"index {index}", "nombre de questions")
        for q, (expression, valeur, solution) in enumerate(questions, 1):
            ou = f"index {index} question {q}"
            calcul = balisage_vers_sympy(expression)
            verifier(abs(float(calcul) - valeur) < 1e-12, ou, f"{expression} = {calcul}, pas {valeur}")
            verifier(float(valeur).is_integer(), ou, "résultat non entier (type 1)")
            verifier_chaines(ou, solution, {0: sympy.Integer(int(valeur))}, {})
            dernier = membres_de_chaine(lignes_utiles(solution)[-1][1])[-1]
            verifier(abs(float(balisage_vers_sympy(dernier)) - valeur) < 1e-12, ou, "la solution ne finit pas sur le résultat")

    for index, entree in aiguillages["champs"].items():
        vus.add(index)
        if isinstance(entree, tuple):
            questions = [tables[entree[0]][entree[1]]]
        else:
            questions = tables[entree]
        verifier(len(questions) == NOMBRE_QUESTIONS_CH01[index], f"index {index}", "nombre de questions")
        for q, (expression, champs, solution) in enumerate(questions, 1):
            ou = f"index {index} question {q}"
            reference_a = balisage_vers_sympy(expression)
            references, formes = {}, {}
            for k, champ in enumerate(champs):
                if not champ or not champ.get("typeReponse"):
                    continue
                ouk = f"{ou} champ {'abc'[k]}"
                genre = int(champ["typeReponse"])
                if (index, q - 1, k) in REFERENCE_CHAMP:
                    reference = balisage_vers_sympy(REFERENCE_CHAMP[(index, q - 1, k)])
                else:
                    reference = reference_a
                if genre in (16, 17):
                    lettres = champ["lettres"]
                    attendue = champ["attendue"]
                    verifier(egaux(saisie_vers_sympy(attendue), reference), ouk, f"« {attendue} » ≠ {reference}")
                    modele = champ.get("modele") or attendue
                    verifier_forme(ouk, modele, lettres, genre, reference)
                    if champ.get("modele"):
                        code = comparer(modele, attendue, lettres, genre)
                        verifier(code == 0, ouk, f"modèle « {modele} » refusé face à « {attendue} » (code {code})")
                    references[k] = reference
                    formes[k] = (genre, lettres)
                else:
                    x = sympy.Symbol("x")
                    valeur = reference.subs(x, sympy.Rational(champ["pourX"]))
                    verifier(
                        abs(float(valeur) - champ.get("valeur", 0.0)) < 1e-12,
                        ouk,
                        f"A({champ['pourX']}) = {valeur}, la table dit {champ.get('valeur', 0.0)}",
                    )
                    references[k] = valeur
            verifier_chaines(ou, solution, references, formes)

    manquants = sorted(set(NOMBRE_QUESTIONS_CH01) - vus)
    verifier(not manquants, "chapitre 1", f"exercices sans table : {manquants}")


def main():
    verifier_ch01()
    try:
        from verifier_ch10 import verifier_ch10
    except ImportError:
        verifier_ch10 = None
    if verifier_ch10:
        n, liste = verifier_ch10(RACINE)
        global nombre_verifications
        nombre_verifications += n
        fautes.extend(liste)
    for f in fautes:
        print("ÉCHEC", f)
    print(f"{nombre_verifications} vérifications, {len(fautes)} échec(s)")
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
