"""Traduction vers sympy des textes du programme : un texte balisé affiché (énoncé,
solution) et une réponse dans la syntaxe de saisie de l'élève.
"""

import re

import sympy

# ---------------------------------------------------------------------------
# Traduction vers sympy

LETTRES = {c: sympy.Symbol(c) for c in "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"}


def _produits_implicites(t):
    sortie = []
    for i, c in enumerate(t):
        if i > 0:
            p = t[i - 1]
            gauche = p.isalnum() or p in ").π"
            droite = c.isalpha() or c in "(π√" or c.isdigit()
            chiffres = (p.isdigit() or p == ".") and (c.isdigit() or c == ".")
            apres_puissance = i >= 2 and t[i - 2] == "^"
            if gauche and droite and not chiffres and not (apres_puissance and c.isdigit()):
                sortie.append("*")
        sortie.append(c)
    return "".join(sortie)


def _vers_sympy(t, symboles=None):
    symboles = symboles or {}
    t = _produits_implicites(t)
    t = t.replace("^", "**").replace("π", "pi").replace("√", "sqrt")
    return sympy.sympify(t, locals={**LETTRES, **symboles, "pi": sympy.pi, "sqrt": sympy.sqrt})


def balisage_en_saisie(texte):
    """Texte balisé d'une expression → texte dans la syntaxe de saisie (sans blancs)."""
    t = texte.replace("$-", "-")
    t = re.sub(r"\$F([^;]*);([^;]*);", lambda m: "((" + m.group(1) + ")/(" + m.group(2) + "))", t)
    t = re.sub(r"\$0(.*?)\$1", lambda m: "^" + m.group(1).strip(), t)
    t = re.sub(r"\$4(.*?)\$4", lambda m: "√(" + m.group(1) + ")", t)
    t = t.replace("²", "^2").replace("[", "(").replace("]", ")")
    # Séparateurs de milliers : « 10 000 ».
    precedent = None
    while precedent != t:
        precedent = t
        t = re.sub(r"(\d) (\d{3})(?!\d)", r"\1\2", t)
    if "$" in t:
        raise ValueError("code de balisage non traduit : " + texte)
    return t.replace(" ", "").replace(",", ".")


def balisage_vers_sympy(texte, symboles=None):
    """`symboles` : lettres (une par nom) à lire comme des symboles donnés."""
    return _vers_sympy(balisage_en_saisie(texte), symboles)


def saisie_vers_sympy(texte):
    t = texte.replace(" ", "").replace(",", ".").replace("²", "^2")
    t = t.replace("rac(", "√(")
    return _vers_sympy(t)


def egaux(a, b):
    return sympy.simplify(sympy.expand(a - b)) == 0
