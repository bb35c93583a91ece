"""Lecture des tables de questions écrites en C++ et traduction de leurs textes.

- `lire_tables` lit les tableaux `constexpr Type nom[] = { ... };` d'un source C++ et rend,
  pour chaque nom, la liste de ses entrées (listes imbriquées, dictionnaires pour les
  initialiseurs désignés « .champ = valeur »).
- `lire_aiguillage` lit les `case N: return table;` d'une fonction de recherche.
- `balisage_vers_sympy` et `saisie_vers_sympy` traduisent un texte balisé affiché et une
  réponse dans la syntaxe de saisie de l'élève en expressions sympy.
"""

import os
import re

import sympy

# ---------------------------------------------------------------------------
# Lecture du C++


def _sans_commentaires(source):
    sortie, i, n = [], 0, len(source)
    while i < n:
        c = source[i]
        if c == '"':
            j = i + 1
            while source[j] != '"':
                j += 2 if source[j] == "\\" else 1
            sortie.append(source[i : j + 1])
            i = j + 1
        elif source.startswith("//", i):
            while i < n and source[i] != "\n":
                i += 1
        elif source.startswith("/*", i):
            i = source.index("*/", i) + 2
        else:
            sortie.append(c)
            i += 1
    return "".join(sortie)


_JETON = re.compile(
    r'\s*(?:(?P<chaine>"(?:[^"\\]|\\.)*")|(?P<nombre>[-+]?\d+(?:\.\d*)?(?:[eE][-+]?\d+)?)'
    r"|(?P<designe>\.[A-Za-z_]\w*\s*=)|(?P<ident>[A-Za-z_]\w*(?:::\w+)*)|(?P<signe>[{},/*()-]))"
)


def _genres_reponse():
    """Les valeurs de TgenreReponse, lues dans analysis/jugement/genresreponse.h."""
    chemin = os.path.join(os.path.dirname(__file__), "..", "..", "analysis", "jugement", "genresreponse.h")
    source = open(chemin, encoding="utf-8").read()
    return {"TgenreReponse::" + nom: float(code) for nom, code in re.findall(r"^\s*(\w+) = (\d+),", source, re.M)}


_GENRES = _genres_reponse()


def _jetons(texte):
    pos, jetons = 0, []
    while pos < len(texte):
        if texte[pos:].strip() == "":
            break
        m = _JETON.match(texte, pos)
        if not m:
            raise ValueError("jeton illisible : " + texte[pos : pos + 40])
        pos = m.end()
        for genre in ("chaine", "nombre", "designe", "ident", "signe"):
            if m.group(genre) is not None:
                jetons.append((genre, m.group(genre)))
                break
    return jetons


def _valeur(jetons, i):
    """Lit une valeur à partir du jeton i ; rend (valeur, indice suivant)."""
    genre, texte = jetons[i]
    if genre == "signe" and texte == "{":
        elements, dico, i = [], {}, i + 1
        while not (jetons[i] == ("signe", "}")):
            if jetons[i][0] == "designe":
                nom = jetons[i][1][1:].rstrip("=").strip()
                v, i = _valeur(jetons, i + 1)
                dico[nom] = v
            else:
                v, i = _valeur(jetons, i)
                elements.append(v)
            if jetons[i] == ("signe", ","):
                i += 1
        return (dico if dico else elements), i + 1
    if genre == "chaine":
        morceaux = []
        while i < len(jetons) and jetons[i][0] == "chaine":
            morceaux.append(bytes(jetons[i][1][1:-1], "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8"))
            i += 1
        return "".join(morceaux), i
    # Expression numérique simple (nombres, / * - parenthèses) ou identificateur.
    debut = i
    profondeur = 0
    while i < len(jetons):
        g, t = jetons[i]
        if g == "signe" and t in ",}" and profondeur == 0:
            break
        if t == "(":
            profondeur += 1
        if t == ")":
            profondeur -= 1
        i += 1
    texte = " ".join(t for _, t in jetons[debut:i])
    if texte == "nullptr":
        return None, i
    if texte in ("true", "false"):
        return texte == "true", i
    if texte in _GENRES:
        return _GENRES[texte], i
    return float(eval(texte, {"__builtins__": {}})), i


def lire_tables(chemin):
    source = _sans_commentaires(open(chemin, encoding="utf-8").read())
    tables = {}
    for m in re.finditer(r"constexpr\s+\w+\s+(\w+)\[\]\s*=\s*\{", source):
        debut = m.end() - 1
        profondeur, j = 0, debut
        while True:
            c = source[j]
            if c == '"':
                j += 1
                while source[j] != '"':
                    j += 2 if source[j] == "\\" else 1
            elif c == "{":
                profondeur += 1
            elif c == "}":
                profondeur -= 1
                if profondeur == 0:
                    break
            j += 1
        jetons = _jetons(source[debut : j + 1])
        valeur, _ = _valeur(jetons, 0)
        tables[m.group(1)] = valeur
    return tables


def lire_aiguillage(chemin, fonction):
    """Rend {index: nom de table} pour les `case N: return nom;` de la fonction donnée."""
    source = _sans_commentaires(open(chemin, encoding="utf-8").read())
    debut = source.index(fonction + "(int index)")
    fin = source.index("default:", debut)
    corps = source[debut:fin]
    return {int(n): nom for n, nom in re.findall(r"case\s+(\d+):\s*return\s+(\w+);", corps)}


# ---------------------------------------------------------------------------
# Traduction vers sympy

LETTRES = {c: sympy.Symbol(c) for c in "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"}


def _produits_implicites(t):
    sortie = []
    for i, c in enumerate(t):
        if i > 0:
            p = t[i - 1]
            gauche = p.isalnum() or p in ").π"
            droite = c.isalpha() or c in "(π" or c.isdigit()
            chiffres = (p.isdigit() or p == ".") and (c.isdigit() or c == ".")
            apres_puissance = i >= 2 and t[i - 2] == "^"
            if gauche and droite and not chiffres and not (apres_puissance and c.isdigit()):
                sortie.append("*")
        sortie.append(c)
    return "".join(sortie)


def _vers_sympy(t):
    t = _produits_implicites(t)
    t = t.replace("^", "**").replace("π", "pi")
    return sympy.sympify(t, locals={**LETTRES, "pi": sympy.pi})


def balisage_en_saisie(texte):
    """Texte balisé d'une expression → texte dans la syntaxe de saisie (sans blancs)."""
    t = texte.replace("$-", "-")
    t = re.sub(r"\$F([^;]*);([^;]*);", lambda m: "((" + m.group(1) + ")/(" + m.group(2) + "))", t)
    t = re.sub(r"\$0(.*?)\$1", lambda m: "^" + m.group(1).strip(), t)
    t = t.replace("²", "^2").replace("[", "(").replace("]", ")")
    # Séparateurs de milliers : « 10 000 ».
    precedent = None
    while precedent != t:
        precedent = t
        t = re.sub(r"(\d) (\d{3})(?!\d)", r"\1\2", t)
    if "$" in t:
        raise ValueError("code de balisage non traduit : " + texte)
    return t.replace(" ", "").replace(",", ".")


def balisage_vers_sympy(texte):
    return _vers_sympy(balisage_en_saisie(texte))


def saisie_vers_sympy(texte):
    t = texte.replace(" ", "").replace(",", ".").replace("²", "^2")
    return _vers_sympy(t)


def egaux(a, b):
    return sympy.simplify(sympy.expand(a - b)) == 0
