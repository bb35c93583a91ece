"""Vérification des tables du chapitre 10 (théorème de Thalès) : appelée par
verifier_questions.py.

Les longueurs de chaque configuration sont recalculées à partir des données de l'énoncé
(deux droites sécantes en S, A = S + k (C - S), B = S + k (D - S)) ; on vérifie les
réponses attendues, la cohérence des données avec le rapport k de la figure, et chaque
égalité des lignes de solution (« … = … donc … = … ») une fois les noms de segments
remplacés par leurs longueurs.
"""

import os
import re

import sympy

from lecturetables import balisage_vers_sympy, lire_aiguillage, lire_tables

fautes = []
compte = [0]


def verifier(condition, ou, message):
    compte[0] += 1
    if not condition:
        fautes.append(f"{ou} : {message}")


def rationnel(v):
    return sympy.nsimplify(sympy.Float(v, 15), rational=True, tolerance=1e-12)


def egal(a, b):
    return abs(float(sympy.N(a - b, 30))) < 1e-9


# ---------------------------------------------------------------------------
# Longueurs d'une configuration de Thalès

def segment(nom):
    return "".join(sorted(nom))


def longueurs_thales(lettres, k, donnees):
    """Toutes les longueurs calculables de la configuration, à partir des données
    « XY = v ; … » et du rapport k de la figure. Rend (dict, incohérences)."""
    s, a, b, c, d = lettres
    r = abs(k)
    sc, sd, cd = sympy.symbols("sc sd cd", positive=True)
    expressions = {
        segment(s + a): r * sc,
        segment(s + c): sc,
        segment(a + c): abs(1 - k) * sc,
        segment(s + b): r * sd,
        segment(s + d): sd,
        segment(b + d): abs(1 - k) * sd,
        segment(a + b): r * cd,
        segment(c + d): cd,
    }
    equations = []
    for nom, valeur in donnees.items():
        equations.append(sympy.Eq(expressions[segment(nom)], valeur))
    solution = sympy.solve(equations, [sc, sd, cd], dict=True)
    if len(solution) != 1:
        return None, "données incohérentes avec le rapport de la figure"
    longueurs = {}
    for nom, e in expressions.items():
        v = e.subs(solution[0])
        if v.free_symbols:
            continue
        longueurs[nom] = sympy.nsimplify(v)
    return longueurs, None


def lire_donnees(texte):
    texte = texte.replace("On donne :", "").rstrip(".")
    donnees = {}
    for nom, valeur in re.findall(r"([A-Z]{2}) = ([\d,]+)", texte):
        donnees[nom] = rationnel(float(valeur.replace(",", ".")))
    return donnees


def valeur_avec_segments(membre, longueurs):
    t = re.sub(r"\$F([^;]*);([^;]*);", lambda m: "((" + m.group(1) + ")/(" + m.group(2) + "))", membre)

    def remplacer(m):
        nom = segment(m.group(1))
        if nom not in longueurs:
            raise KeyError(m.group(1))
        return "(" + str(longueurs[nom]).replace("/", ")/(").join("()") + ")"

    t = re.sub(r"(?<![A-Za-z$])([A-Z]{2})(?![A-Za-z])", remplacer, t)
    return balisage_vers_sympy(t)


def verifier_clauses(ou, texte, longueurs, inconnues=None):
    """Chaque clause « m0 = m1 = … » de la ligne a des membres égaux."""
    corps = re.sub(r"^\s*[abc]\.\s+", "", texte)
    if "dire" in corps:
        corps = corps.split("dire", 1)[1]
    if ": " in corps:
        corps = corps.rsplit(": ", 1)[1]
    for morceau in re.split(r"\bdonc\b|\bsoit\b|\s;\s|\bet\b", corps):
        if "=" not in morceau:
            continue
        membres = [m.strip() for m in morceau.split("=")]
        try:
            valeurs = [valeur_avec_segments(m, longueurs) for m in membres]
        except Exception as e:  # noqa: BLE001
            fautes.append(f"{ou} : clause illisible « {morceau.strip()} » ({e})")
            continue
        if inconnues:
            valeurs = [v.subs(inconnues) for v in valeurs]
        for m, v in zip(membres[1:], valeurs[1:]):
            verifier(egal(v, valeurs[0]), ou, f"« {membres[0]} » ≠ « {m} » dans « {morceau.strip()} »")


def lignes(solution):
    return [l for l in solution if isinstance(l, list) and len(l) == 2 and l[1]]


# ---------------------------------------------------------------------------

def verifier_ch10(racine):
    chemin = os.path.join(racine, "exercises", "ch10", "questionsch10.cpp")
    tables = lire_tables(chemin)
    x, y = sympy.symbols("x y")

    # 401 et 403 : équations d'inconnue x.
    for index, nom in lire_aiguillage(chemin, "equationsRapports").items():
        for q, (equation, valeur, solution) in enumerate(tables[nom], 1):
            ou = f"exercice {index} question {q}"
            gauche, droite = equation.split(" = ")
            racines = sympy.solve(sympy.Eq(balisage_vers_sympy(gauche), balisage_vers_sympy(droite)), x)
            verifier(len(racines) == 1 and egal(racines[0], valeur), ou, f"{equation} donne {racines}, pas {valeur}")
            for _, texte in lignes(solution):
                verifier_clauses(ou, texte, {}, {x: rationnel(valeur)})

    # 402 : x et y.
    for q, (egalites, vx, vy, solution) in enumerate(tables["troisRapportsEgaux"], 1):
        ou = f"exercice 402 question {q}"
        m = [balisage_vers_sympy(t) for t in egalites.split(" = ")]
        sol = sympy.solve([sympy.Eq(m[0], m[1]), sympy.Eq(m[1], m[2])], [x, y], dict=True)
        verifier(len(sol) == 1 and egal(sol[0][x], vx) and egal(sol[0][y], vy), ou, f"{egalites} donne {sol}")
        for _, texte in lignes(solution):
            verifier_clauses(ou, texte, {}, {x: rationnel(vx), y: rationnel(vy)})

    # 404 : B sur [AC], AB = t AC.
    for q, (donnee, t, bareme, a_completer, valeurs, solution) in enumerate(tables["rapportsTroisPoints"], 1):
        ou = f"exercice 404 question {q}"
        t = rationnel(t)
        longueurs = {"AB": t, "BC": 1 - t, "AC": sympy.Integer(1)}
        m = re.search(r"(\w\w) = (.*)\*(\w\w)\.$", donnee)
        if m:
            verifier(egal(valeur_avec_segments(m.group(2), {}), longueurs[m.group(1)] / longueurs[m.group(3)]),
                     ou, "la donnée ne correspond pas à la position de B")
        else:
            ab, bc = re.findall(r"= (\d+)", donnee)
            verifier(egal(t, sympy.Rational(int(ab), int(ab) + int(bc))), ou, "position de B")
        champs = [c for c in a_completer if c]
        verifier(bareme == (2 if len(champs) == 1 else 3), ou, "barème")
        for texte, valeur in zip(champs, valeurs):
            g, dd = re.search(r"(\w\w) = ….\*(\w\w)", texte).groups()
            verifier(egal(longueurs[g] / longueurs[dd], valeur), ou, f"{texte} : {longueurs[g] / longueurs[dd]} ≠ {valeur}")
        echelle = {n: v * 11 for n, v in longueurs.items()} if "= 7" in donnee else longueurs
        for _, texte in lignes(solution):
            # Les lignes mêlent longueurs et « multiple de AC » : on ne vérifie que les rapports.
            verifier_clauses_rapports(ou, texte, echelle)

    # 405 : proportionnalité.
    for q, (haut, bas, proportionnel, solution) in enumerate(tables["tableaux"], 1):
        ou = f"exercice 405 question {q}"
        quotients = [rationnel(b) / rationnel(h) for h, b in zip(haut, bas)]
        verifier(proportionnel == (len(set(quotients)) == 1), ou, f"quotients {quotients}")
        for n, dd, signe, v in re.findall(r"\$F([\d,]+);([\d,]+); (\$=|=) ([\d,]+)", solution):
            q_ = float(n.replace(",", ".")) / float(dd.replace(",", "."))
            tol = 0.006 if signe == "$=" else 1e-9
            verifier(abs(q_ - float(v.replace(",", "."))) < tol, ou, f"{n}/{dd} ≠ {v}")

    # 407 : rapports égaux écrits avec a, b, c.
    for q, (chaine, k, attendues) in enumerate(tables["rapportsAEcrire"], 1):
        ou = f"exercice 407 question {q}"
        longueurs, erreur = longueurs_thales("AMNBC", rationnel(k), {"AB": 5, "AC": 7, "BC": 6})
        texte = chaine
        for lettre, nom in zip("abc", attendues):
            texte = re.sub(r"(?<=[;F])" + lettre + r"(?=;)", nom, texte)
        valeurs = [valeur_avec_segments(m, longueurs) for m in texte.split(" = ")]
        verifier(all(egal(v, valeurs[0]) for v in valeurs) and (egal(valeurs[0], abs(rationnel(k))) or egal(valeurs[0], 1 / abs(rationnel(k)))), ou, f"{texte} : {valeurs}")

    # 408 à 411 : calculs de longueurs.
    for index, nom in lire_aiguillage(chemin, "calculsThales").items():
        for q, (lettres, figure, k, donnees, demande, a, b, fin, solution) in enumerate(tables[nom], 1):
            ou = f"exercice {index} question {q}"
            k = rationnel(k)
            verifier(sorted(lettres) == sorted(figure) and lettres[0] == figure[0], ou, "lettres de la figure")
            longueurs, erreur = longueurs_thales(lettres, k, lire_donnees(donnees))
            if erreur:
                fautes.append(f"{ou} : {erreur}")
                continue
            demandes = re.findall(r"[ab]\. ([A-Z]{2})", demande)
            for nom_seg, valeur in zip(demandes, (a, b)):
                verifier(egal(longueurs[segment(nom_seg)], valeur), ou,
                         f"{nom_seg} = {longueurs[segment(nom_seg)]}, la table dit {valeur}")
            # La chaîne de Thalès suit l'ordre SA/SC = SB/SD = AB/CD.
            s, aa, bb, c, d = lettres
            rapports = re.findall(r"\$F\s*([^;]+);\s*([^;]+);", fin)
            attendus = [(s + aa, s + c), (s + bb, s + d), (aa + bb, c + d)]
            for (n, dd), (sn, sd) in zip(rapports, attendus):
                for texte_, nom_ in ((n, sn), (dd, sd)):
                    texte_ = texte_.strip()
                    if re.fullmatch(r"[A-Z]{2}", texte_):
                        verifier(segment(texte_) == segment(nom_), ou, f"la chaîne met {texte_} à la place de {nom_}")
                    else:
                        verifier(egal(valeur_avec_segments(texte_, {}), longueurs[segment(nom_)]), ou,
                                 f"la chaîne met {texte_} pour {nom_} = {longueurs[segment(nom_)]}")
            verifier_clauses(ou, fin, longueurs)
            for _, texte in lignes(solution):
                verifier_clauses(ou, texte, longueurs)

    # 412 : M à placer.
    for q, (consigne, ab, cible, rapport, aide, solution) in enumerate(tables["placements"], 1):
        ou = f"exercice 412 question {q}"
        r = valeur_avec_segments(rapport, {})
        verifier(egal(-rationnel(cible) / rationnel(ab), r), ou, "la cible ne donne pas AM/AB = " + rapport)
        verifier(-ab <= cible <= 0 and (cible * 2).is_integer(), ou, "cible hors des positions permises")
        nombres = [int(n) for n in re.findall(r"\b(\d+)\b", consigne.split("avoir", 1)[1].replace("$F3;4;", ""))]
        if "NC = 8 NA" in consigne:
            verifier(egal(r, sympy.Rational(1, 7)), ou, "NC = 8 NA donne AN/AC = 1/7")
        elif len(nombres) == 2:
            verifier(egal(r, sympy.Rational(nombres[0], nombres[1])), ou, f"{nombres} ne donne pas {r}")
        verifier(rapport in aide or rapport.replace(" ", "") in aide.replace(" ", ""), ou, "aide sans le rapport")

    # 414 : réciproque avec calculs.
    for q, (donnees, k, a, b, c, solution) in enumerate(tables["reciproques"], 1):
        ou = f"exercice 414 question {q}"
        ra, rb = rapports_par_additivite(lire_donnees(donnees), k > 0, k > 0)
        verifier(ra is not None and egal(ra, a), ou, f"AM/AB = {ra}, la table dit {a}")
        verifier(rb is not None and egal(rb, b), ou, f"AN/AC = {rb}, la table dit {b}")
        verifier(c == (0 if egal(a, b) else 1), ou, "réponse O/N")

    # 415 : Q. C. M.
    for q, (alignement, donnees, case, solution) in enumerate(tables["qcm"], 1):
        ou = f"exercice 415 question {q}"
        ordonne = "dans cet ordre" in alignement
        dans1 = "A, M, B" in alignement
        dans2 = "A, N, C" in alignement
        ra, rb = rapports_par_additivite(lire_donnees(donnees), dans1, dans2)
        if not ordonne or ra is None or rb is None:
            juste = 3
        elif dans1 != dans2:
            juste = 2
        else:
            juste = 1 if egal(ra, rb) else 2
        verifier(case == juste, ou, f"case juste {juste}, la table dit {case}")

    # 417 et 418 : position de M.
    for index, nom in lire_aiguillage(chemin, "placerRapport").items():
        for q, (condition, dedans, p, qq, t) in enumerate(tables[nom], 1):
            ou = f"exercice {index} question {q}"
            t = rationnel(t)
            verifier(f"$F{int(p)};{int(qq)};" in condition, ou, "rapport de la consigne")
            verifier(("n'appartient pas" not in condition) == dedans, ou, "appartenance de la consigne")
            if index == 417:
                verifier(egal(abs(t), sympy.Rational(int(p), int(qq))), ou, "AM/AB")
                verifier((t > 0) == dedans, ou, "M sur [AB) ou non")
            else:
                verifier(egal(abs(t) / abs(t - 1), sympy.Rational(int(p), int(qq))), ou, "MA/MB")
                verifier((0 < t < 1) == dedans, ou, "M sur [AB] ou non")

    # Problèmes.
    probl = {n: tables[t][0] for n, t in lire_aiguillage(chemin, "probleme").items()}
    valeurs = {n: [ch for ch in p[1] if ch] for n, p in probl.items()}
    oa, ob, oc = 20, 15, 36
    od = sympy.Rational(ob * oc, oa)
    perimetre = sum(sympy.sqrt(u**2 + v**2) for u, v in ((oa, ob), (ob, oc), (oc, od), (od, oa)))
    verifier(egal(od, valeurs[421][0][1]), "exercice 421", "OD")
    verifier(egal((oa + oc) * (ob + od) / 2, valeurs[421][1][1]), "exercice 421", "aire")
    attendu = sympy.sympify(valeurs[421][2][2].replace("rac", "sqrt"))
    verifier(sympy.simplify(attendu - perimetre) == 0, "exercice 421", f"périmètre {perimetre}")
    verifier(egal(sympy.Integer(72) ** 2 + 54**2, 90**2) and valeurs[422][0][1] == 90, "exercice 422", "angle ABC")
    verifier(egal(sympy.Rational(40, 72), sympy.Rational(90 - 40, 90)) and valeurs[422][1][1] == 90, "exercice 422", "angle AMN")
    verifier(egal(sympy.Rational(54 * 40, 72), valeurs[422][2][1]), "exercice 422", "MN")
    verifier(egal(sympy.Rational(8) * sympy.Rational(3, 2) / (sympy.Rational(9, 2) - sympy.Rational(3, 2)), valeurs[425][0][1]), "exercice 425", "AM")
    verifier(egal(sympy.Rational(3, 2) * 8 / 2, valeurs[426][0][1]), "exercice 426", "AB")
    verifier(egal(sympy.Rational(10 * 2, 8), valeurs[426][1][1]), "exercice 426", "OD")
    verifier(egal(sympy.Rational(9 * 2, 6), valeurs[427][0][1]), "exercice 427", "MN")
    sx = sympy.solve(sympy.Eq(x / (x + sympy.Rational(9, 2)), sympy.Rational(2, 6)), x)
    verifier(len(sx) == 1 and egal(sx[0], valeurs[427][1][1]), "exercice 427", "x")

    return compte[0], fautes


def rapports_par_additivite(donnees, emboite1, emboite2):
    """AM/AB et AN/AC pour M sur (AB) et N sur (AC), depuis les données et l'ordre des
    points (emboîté : M entre A et B ; sinon A entre M et B). None si indéterminé."""
    resultats = []
    for (m, b), emboite in ((("M", "B"), emboite1), (("N", "C"), emboite2)):
        am, ab, mb = sympy.symbols("am ab mb", positive=True)
        equations = [sympy.Eq(ab, am + mb) if emboite else sympy.Eq(mb, am + ab)]
        for nom, v in donnees.items():
            s = segment(nom)
            if s == segment("A" + m):
                equations.append(sympy.Eq(am, v))
            elif s == segment("A" + b):
                equations.append(sympy.Eq(ab, v))
            elif s == segment(m + b):
                equations.append(sympy.Eq(mb, v))
        sol = sympy.solve(equations, [am, ab, mb], dict=True)
        if len(sol) != 1 or am not in sol[0] or ab not in sol[0]:
            resultats.append(None)
            continue
        resultats.append(sol[0][am] / sol[0][ab])
    return resultats


def verifier_clauses_rapports(ou, texte, longueurs):
    """Lignes de l'exercice 404 : chaque égalité « $FXY;ZW; = … » et « XY = r*ZW »."""
    for g, dd, reste in re.findall(r"\$F([A-Z]{2});([A-Z]{2}); = ([^ ]+(?: \* [^ ]+)*)", texte):
        try:
            v = valeur_avec_segments(reste, {})
        except Exception:  # noqa: BLE001
            continue
        verifier(egal(v, longueurs[segment(g)] / longueurs[segment(dd)]), ou, f"$F{g};{dd}; = {reste}")
    for g, coef, dd in re.findall(r"(?:^|\. |donc  |et  )([A-Z]{2}) = ((?:\$F\d+;\d+;)|\d+)\*([A-Z]{2})\b", texte):
        v = valeur_avec_segments(coef, {})
        verifier(egal(v, longueurs[segment(g)] / longueurs[segment(dd)]), ou, f"{g} = {coef}*{dd}")
