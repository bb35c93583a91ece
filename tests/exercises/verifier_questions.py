#!/usr/bin/env python3
"""Vérification mathématique de chaque question posée par le programme, avec sympy.

Usage : verifier_questions.py CALVANE_BANC [--chapitre N]... [--graines N]

Lit la sortie de « calvane-banc questions » (énoncé, champs, cases et solution de chaque
question, comme l'élève les voit) et vérifie, pour chaque question :
- les égalités de l'énoncé et de la solution : dans chaque morceau « … = … = … » (entre
  « donc », « soit », « ; »…), deux membres voisins sont égaux une fois remplacés les noms
  connus — l'expression de l'énoncé (« A = … »), les longueurs données ou calculées
  (« AB = 9 », « donc ST = 12 »), l'inconnue trouvée (« x = 4,5 ») ;
- chaque champ : une expression attendue (genres 16 et 17) est lue par une relecture fidèle
  de l'analyseur, égale à l'expression de l'énoncé ou au début de la chaîne de sa partie, et
  sous la forme demandée (développée réduite avec autant de termes que la forme réduite,
  factorisée en facteurs irréductibles à coefficients entiers premiers entre eux) ; une
  valeur attendue est celle que calcule la solution (dernier membre de sa partie), celle de
  l'expression de l'énoncé pour la valeur donnée, ou la solution de l'équation de l'énoncé ;
  un rapport à compléter donne une suite de rapports de Thalès ; « O » ou « N » suit
  l'égalité des deux rapports calculés ;
- des cases : au moins une juste, une seule dans un choix unique ;
- chaque champ est confirmé par au moins une de ces vérifications, et chaque exercice des
  chapitres demandés a un énoncé (les placements à la souris n'ont pas de champ).
Sort avec le code 1 et la liste des fautes s'il y en a une.
"""

import argparse
import json
import os
import re
import subprocess
import sys

import sympy

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from ecrituresympy import balisage_en_saisie, balisage_vers_sympy, egaux, saisie_vers_sympy  # noqa: E402
from formeecrite import ErreurLecture, Expression, comparer, facteurs_ecrits  # noqa: E402

fautes = []
compte = [0]

# Lettres grecques qui tiennent lieu des noms (segments, expressions) dans sympy.
GRECQUES = "αβγδεζηθικλμνξορστυφχψω"
SEPARATEURS = re.compile(r"\s(?:donc|soit|et|puis|c'est\$-à\$-dire|alors)\s|\s;\s|\s:\s")
NOM = re.compile(r"([A-Z]{1,2}|[a-z])$")


def verifier(condition, ou, message):
    compte[0] += 1
    if not condition:
        fautes.append(f"{ou} : {message}")
    return condition


class Lecteur:
    """Traduit des membres balisés en sympy, les noms de segments et d'expressions devenant
    des symboles ; `variables` : les lettres des expressions (lues comme des variables)."""

    def __init__(self, variables):
        self.variables = set(variables)
        self.noms = {}
        self.valeurs = {}

    def symbole(self, nom):
        if len(nom) == 2 and nom.isupper():
            nom = "".join(sorted(nom))
        if nom not in self.noms:
            if len(self.noms) >= len(GRECQUES):
                raise ValueError("trop de noms")
            self.noms[nom] = GRECQUES[len(self.noms)]
        return self.noms[nom]

    def lire(self, membre):
        t = membre.strip().rstrip(".").strip()
        t = re.sub(r"\s*(mm|cm|m)²?$", "", t).replace("°", "")
        t = balisage_en_saisie(t)
        if re.search(r"[A-Z]{3}", t) or not t:
            raise ValueError("nom inconnu")

        def remplacer(m):
            return self.symbole(m.group(0))

        t = re.sub(r"[A-Z]{1,2}", remplacer, t)
        inconnues = [c for c in set(re.findall(r"[a-z]", t)) if c not in self.variables]
        for c in inconnues:
            t = t.replace(c, self.symbole(c))
        symboles = {g: sympy.Symbol(g) for g in self.noms.values()}
        return sympy.sympify(
            _avec_produits(t), locals={**symboles, **{v: sympy.Symbol(v) for v in self.variables},
                                       "sqrt": sympy.sqrt, "pi": sympy.pi})

    def resoudre(self, e):
        for _ in range(6):
            e = e.subs(self.valeurs)
        return e

    def nom_de(self, membre):
        """Le nom qui termine le premier membre (« … tel que AB » → AB), s'il y en a un."""
        t = re.sub(r"\$F.*", "", membre).strip()
        m = NOM.search(t)
        if not m or (m.group(1).islower() and m.group(1) in self.variables):
            return None
        if m.group(1).islower() and len(t) > 1 and t[-2].isalpha():
            return None
        return m.group(1)


def _avec_produits(t):
    from ecrituresympy import _produits_implicites

    return _produits_implicites(t).replace("^", "**").replace("√", "sqrt")


def morceaux(texte):
    """Les morceaux « m1 = m2 = … » d'une ligne (le texte avant « : » est écarté)."""
    t = re.sub(r"^\s*(?:[abc]\.\s+)?", "", texte)
    t = re.sub(r"^Donc\s+", "", t)
    sortie = []
    for m in SEPARATEURS.split(t):
        if "=" in m and "$=" not in m and "<>" not in m:
            sortie.append([x for x in m.split("=")])
    return sortie


def membres_lus(lecteur, morceau):
    """(premier nom ou None, [expressions sympy lues, dans l'ordre, None si illisible])."""
    nom = lecteur.nom_de(morceau[0])
    lus = []
    for i, m in enumerate(morceau):
        try:
            lus.append(lecteur.lire(m))
        except Exception:  # noqa: BLE001
            if i == 0 and nom is not None:
                try:
                    lus.append(lecteur.lire(nom))
                    continue
                except Exception:  # noqa: BLE001
                    pass
            lus.append(None)
    return nom, lus


def apprendre(lecteur, lignes, expressions=True):
    """Les noms affectés : « NOM = … = valeur » (valeur sans nom inconnu de préférence) ;
    le nom d'une expression (« A ») seulement quand `expressions`, pour l'énoncé : dans la
    solution, « E = … » peut être sa valeur pour un x donné."""
    variables = {sympy.Symbol(v) for v in lecteur.variables}
    for texte in lignes:
        for morceau in morceaux(texte):
            _, lus = membres_lus(lecteur, morceau)
            dernier = next((e for e in reversed(lus) if e is not None), None)
            if dernier is None:
                continue
            for e in lus[:-1]:
                if not (isinstance(e, sympy.Symbol) and str(e) in GRECQUES and e != dernier):
                    continue
                nom = next(n for n, g in lecteur.noms.items() if g == str(e))
                if len(nom) == 1 and nom.isupper():
                    if expressions and e not in lecteur.valeurs:
                        lecteur.valeurs[e] = dernier
                    continue
                if e not in lecteur.valeurs or lecteur.valeurs[e].free_symbols - variables:
                    lecteur.valeurs[e] = dernier


def egal_numerique(a, b):
    try:
        return abs(complex(sympy.N(a - b, 30))) < 1e-9
    except TypeError:
        return False


def verifier_egalites(ou, lecteur, lignes):
    for texte in lignes:
        for morceau in morceaux(texte):
            _, lus = membres_lus(lecteur, morceau)
            for a, b in zip(lus, lus[1:]):
                if a is None or b is None:
                    continue
                ra, rb = lecteur.resoudre(a), lecteur.resoudre(b)
                variables = {sympy.Symbol(v) for v in lecteur.variables}
                libres = (ra.free_symbols | rb.free_symbols) - variables
                if libres:
                    continue
                if bool(ra.free_symbols) != bool(rb.free_symbols):
                    # « E = … = -80 » : la valeur de l'expression pour un x donné.
                    continue
                verifier(egaux(ra, rb) or egal_numerique(ra, rb), ou,
                         f"« {texte} » : {ra} ≠ {rb}")


def parties(solution):
    """{partie 0, 1, 2 : lignes} ; une ligne sans « a. » suit la partie en cours."""
    sortie = {}
    p = 0
    for ligne in solution:
        m = re.match(r"^\s*([abc])\.\s", ligne)
        if m:
            p = "abc".index(m.group(1))
        sortie.setdefault(p, []).append(ligne)
    return sortie


def chaine_de(lecteur, lignes):
    """(texte, expression lue, expression résolue) des membres lisibles des morceaux de la
    partie, dans l'ordre."""
    sortie = []
    for texte in lignes:
        for morceau in morceaux(texte):
            _, lus = membres_lus(lecteur, morceau)
            for m, e in zip(morceau, lus):
                if e is None:
                    continue
                resolu = lecteur.resoudre(e)
                if isinstance(resolu, sympy.Symbol) and str(resolu) in GRECQUES:
                    continue  # un nom sans valeur connue (« A = … » d'un problème)
                sortie.append((m.strip(), e, resolu))
    return sortie


def valeur_finale(membre):
    """Le nombre que donne le dernier membre d'une partie : lui-même, ou le coefficient de
    « $F4;11;*AC » ; sinon sa valeur une fois les noms remplacés."""
    _, lu, resolu = membre
    if not lu.free_symbols:
        return lu
    if len(lu.free_symbols) == 1:
        s = next(iter(lu.free_symbols))
        c = sympy.simplify(lu / s)
        if not c.free_symbols:
            return c
    return resolu if not resolu.free_symbols else None


def verifier_forme(ou, reponse, lettres, genre, reference):
    symboles = [sympy.Symbol(c) for c in lettres]
    code = comparer(reponse, reponse, lettres, genre)
    verifier(code == 0, ou, f"« {reponse} » refusée par l'analyseur (code {code})")
    if genre == 17:
        termes = len(sympy.Poly(sympy.expand(reference), *symboles).terms())
        try:
            ecrits = Expression(reponse, lettres).nombre_termes
        except ErreurLecture as e:
            verifier(False, ou, f"« {reponse} » illisible (erreur {e.code})")
            return
        verifier(ecrits == termes, ou, f"« {reponse} » a {ecrits} termes, la forme réduite {termes}")
    if genre == 16:
        nombre = 0
        for texte, exposant in facteurs_ecrits(reponse, lettres):
            poly = sympy.Poly(saisie_vers_sympy(texte), *symboles)
            verifier(all(c.is_integer for c in poly.coeffs()) and abs(poly.content()) == 1, ou,
                     f"facteur « {texte} » de « {reponse} » : coefficients non entiers ou non premiers entre eux")
            _, liste = sympy.factor_list(poly.as_expr(), *symboles)
            verifier(len(liste) == 1 and liste[0][1] == 1, ou, f"facteur « {texte} » encore factorisable")
            nombre += exposant
        _, liste = sympy.factor_list(sympy.expand(reference), *symboles)
        verifier(nombre == sum(m for _, m in liste), ou,
                 f"« {reponse} » a {nombre} facteurs, la factorisation complète {sum(m for _, m in liste)}")


def rapports_de_thales(chaine):
    """Les couples (numérateur, dénominateur) d'une suite « $FAM;AB; = … »."""
    return [tuple("".join(sorted(x.strip())) for x in m) for m in re.findall(r"\$F\s*([A-Z]{2});\s*([A-Z]{2});", chaine)]


def verifier_question(q):
    ou = f"index {q['index']} question {q['question']} graine {q['graine']}"
    enonce = [e["texte"] for e in sorted(q["enonce"], key=lambda e: e["ligne"])]
    solution = [s["texte"] for s in sorted(q["solution"], key=lambda s: s["ligne"])]
    variables = "".join(sorted({c for f in q["champs"] for c in f["lettres"]}))
    lecteur = Lecteur(variables)
    apprendre(lecteur, enonce)
    apprendre(lecteur, solution, expressions=False)
    verifier_egalites(ou, lecteur, enonce + solution)

    # Expression de l'énoncé : « A = … » avec une lettre des champs.
    expression = None
    for texte in enonce:
        m = re.search(r"(?:^|\s)([A-Z]) = (.+?)\.?$", texte)
        if m and variables:
            try:
                expression = balisage_vers_sympy(m.group(2))
                break
            except Exception:  # noqa: BLE001
                continue
    calcul = None
    for texte in enonce:
        m = re.search(r"calculer : (.+)$", texte)
        if m:
            calcul = balisage_vers_sympy(m.group(1))
    equation = None
    for texte in enonce:
        m = re.search(r"tel que : (.+) = (.+)$", texte)
        if m and "x" in m.group(0):
            x = sympy.Symbol("x")
            equation = (balisage_vers_sympy(m.group(1)), balisage_vers_sympy(m.group(2)), x)

    par_partie = parties(solution)
    seul = len(q["champs"]) == 1
    valeurs = []
    for k, f in enumerate(q["champs"]):
        ouk = f"{ou} champ {'abc'[k]}"
        genre, attendu, valeur = f["type"], f["attendu"], f["valeur"]
        lignes = par_partie.get(0 if seul else k, [])
        chaine = chaine_de(lecteur, lignes)
        confirme = False
        if genre in (16, 17):
            try:
                e = saisie_vers_sympy(attendu)
            except Exception as err:  # noqa: BLE001
                verifier(False, ouk, f"attendu illisible « {attendu} » ({err})")
                continue
            verifier(all(str(s) in f["lettres"] for s in e.free_symbols), ouk,
                     f"« {attendu} » utilise une lettre hors de « {f['lettres']} »")
            if expression is not None and egaux(e, expression):
                confirme = True
            elif chaine and egaux(e, chaine[0][2]):
                confirme = True
            # La réponse modèle : le dernier membre de la solution, sous la forme demandée.
            modele = attendu
            if chaine:
                confirme &= verifier(egaux(e, chaine[-1][2]), ouk,
                                     f"la solution finit sur {chaine[-1][2]}, pas sur « {attendu} »")
                modele = balisage_en_saisie(chaine[-1][0])
            verifier_forme(ouk, modele, f["lettres"], genre, e)
        elif genre == 5:
            # Noms de segments qui complètent une suite de rapports « $FAM;a; = … ».
            suite = next((t for t in enonce if re.search(r"\$F[^;]*;[^;]*;\s*=", t)), "")
            for lettre, nom in zip("abc", [c["attendu"] for c in q["champs"]]):
                suite = re.sub(rf"(?<=[;F ]){lettre}(?=;)", nom, suite)
            if k == 0:
                couples = set(rapports_de_thales(suite))
                attendus = {("AM", "AB"), ("AN", "AC"), ("MN", "BC")}
                inverse = {(b, a) for a, b in attendus}
                confirme = verifier(couples in (attendus, inverse), ouk, f"« {suite} » n'est pas la suite de Thalès")
            else:
                confirme = True
        elif genre == 35:
            egaux_rapports = len(valeurs) >= 2 and abs(valeurs[0] - valeurs[1]) < 1e-9
            confirme = verifier(attendu == ("O" if egaux_rapports else "N"), ouk,
                                f"« {attendu} » alors que les rapports sont {valeurs[:2]}")
        else:
            cible = sympy.nsimplify(valeur, rational=True, tolerance=1e-12)
            if attendu:
                try:
                    a = saisie_vers_sympy(attendu)
                    if genre != 43:
                        verifier(egal_numerique(a, valeur), ouk, f"« {attendu} » ≠ {valeur}")
                    else:
                        cible = a
                except Exception as err:  # noqa: BLE001
                    verifier(False, ouk, f"attendu illisible « {attendu} » ({err})")
            finale = valeur_finale(chaine[-1]) if chaine else None
            if finale is not None:
                confirme = verifier(egal_numerique(finale, cible), ouk,
                                    f"la solution finit sur {finale}, pas sur {cible}")
            if calcul is not None:
                confirme = verifier(egal_numerique(calcul, valeur), ouk, f"{calcul} ≠ {valeur}")
            if equation is not None:
                g, d, x = equation
                confirme = verifier(egal_numerique(g.subs(x, cible), d.subs(x, cible)), ouk,
                                    f"x = {cible} ne vérifie pas {g} = {d}")
            valeurs.append(valeur)
        verifier(confirme, ouk, f"réponse attendue « {attendu or valeur} » confirmée par aucun calcul")

    if q["cases"]:
        justes = [c for c in q["cases"] if c["juste"]]
        verifier(len(justes) >= 1, ou, "aucune case juste")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("banc")
    parser.add_argument("--chapitre", type=int, action="append", default=[])
    parser.add_argument("--graines", type=int, default=3)
    args = parser.parse_args()
    exercices = set()
    for chapitre in args.chapitre or [1, 10]:
        sortie = subprocess.run(
            [args.banc, "questions", "--chapitre", str(chapitre), "--graines", str(args.graines)],
            check=True, capture_output=True, text=True).stdout
        donnees = json.loads(sortie)
        verifier(not donnees["sans_enonce"], f"chapitre {chapitre}",
                 f"exercices sans énoncé : {donnees['sans_enonce']}")
        for q in donnees["questions"]:
            exercices.add(q["index"])
            try:
                verifier_question(q)
            except Exception as err:  # noqa: BLE001
                verifier(False, f"index {q['index']} question {q['question']}", f"vérification impossible ({err!r})")
    for f in fautes:
        print("ÉCHEC", f)
    print(f"{len(exercices)} exercices, {compte[0]} vérifications, {len(fautes)} échec(s)")
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
