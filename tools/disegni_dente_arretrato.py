#!/usr/bin/env python3
"""Writes the rear-step ("dente arretrato") type pictures and drawings of the editor from the
single-step ones in resources/: the same members, dimensions and forces, with each notch cut
as a rear step. The bar's end is square to its axis and bears on the notch face from the notch
bottom Q up to the member's face (W); the bar's foot rests on the face between its near edge
and W. The front face's angle marks go, a right-angle mark shows the square cut, and the king
post's heels go (the rear-step verification reads none).

Run from the repository's root: python3 tools/disegni_dente_arretrato.py
"""
import math
import re
from pathlib import Path

RISORSE = Path(__file__).resolve().parent.parent / "resources"


def f(v):
    return f"{v:.1f}"


def pt(p):
    return f"{f(p[0])} {f(p[1])}"


def interseca(p, d, q, e):
    """Point where the line p + s·d meets the line q + u·e."""
    den = d[0] * e[1] - d[1] * e[0]
    s = ((q[0] - p[0]) * e[1] - (q[1] - p[1]) * e[0]) / den
    return (p[0] + s * d[0], p[1] + s * d[1])


def dente(A, Q, R, lontano, vicino_fine, vicino_piede):
    """The rear step of a notch drawn as the front step A-Q-R with the bar Q, far end,
    near end, near foot. Returns the member's notch points and the bar's outline."""
    faccia = (R[0] - A[0], R[1] - A[1])
    asse = (lontano[0] - Q[0], lontano[1] - Q[1])
    perpendicolare = (-asse[1], asse[0])
    W = interseca(Q, perpendicolare, A, faccia)
    vicino = (vicino_fine[0] - vicino_piede[0], vicino_fine[1] - vicino_piede[1])
    P = interseca(vicino_piede, vicino, A, faccia)
    # W must lie between the near foot P and R along the face; otherwise the near edge ends on
    # the end face below the member's face.
    lungo = lambda X: (X[0] - A[0]) * faccia[0] + (X[1] - A[1]) * faccia[1]
    if (lungo(P) - lungo(W)) * (lungo(R) - lungo(W)) <= 0:
        contorno = [Q, lontano, vicino_fine, P, W]
    else:
        K = interseca(vicino_piede, vicino, Q, perpendicolare)
        contorno = [Q, lontano, vicino_fine, K]
    return W, contorno, asse, perpendicolare


def percorso(punti):
    return "M " + " L ".join(pt(p) for p in punti) + " Z"


def scrivi(sorgente, destinazione, titoli, denti, togli, sostituisci, segni):
    testo = (RISORSE / sorgente).read_text(encoding="utf-8")
    for vecchio, nuovo in titoli:
        testo = testo.replace(vecchio, nuovo)
    righe = testo.split("\n")
    for A, Q, R, lontano, vf, vp in denti:
        W, contorno, asse, perp = dente(A, Q, R, lontano, vf, vp)
        vecchio_membro = f"L {pt(A)} L {pt(Q)} L {pt(R)}"
        vecchio_asta = f"M {pt(Q)} L {pt(lontano)} L {pt(vf)} L {pt(vp)} Z"
        trovato = 0
        for i, r in enumerate(righe):
            # The member's outline passes the notch one way or the other.
            if vecchio_membro in r:
                righe[i] = r.replace(vecchio_membro, f"L {pt(W)} L {pt(Q)} L {pt(R)}")
                trovato += 1
            elif f"L {pt(R)} L {pt(Q)} L {pt(A)}" in r:
                righe[i] = r.replace(f"L {pt(R)} L {pt(Q)} L {pt(A)}", f"L {pt(R)} L {pt(Q)} L {pt(W)}")
                trovato += 1
            if vecchio_asta in r:
                righe[i] = r.replace(vecchio_asta, percorso(contorno))
                trovato += 1
        assert trovato == 2, (destinazione, A)
        if segni:
            # Right angle at Q: along the far edge and along the end face toward W.
            n_a = math.hypot(*asse)
            d_w = (W[0] - Q[0], W[1] - Q[1])
            n_w = math.hypot(*d_w)
            u = (asse[0] / n_a * 11, asse[1] / n_a * 11)
            v = (d_w[0] / n_w * 11, d_w[1] / n_w * 11)
            a = (Q[0] + u[0], Q[1] + u[1])
            b = (Q[0] + u[0] + v[0], Q[1] + u[1] + v[1])
            c = (Q[0] + v[0], Q[1] + v[1])
            righe.insert(len(righe) - 2,
                         f'  <path d="M {pt(a)} L {pt(b)} L {pt(c)}" fill="none" stroke="#2e7d32" stroke-width="1.4"/>')
    tenute = []
    for r in righe:
        if any(re.search(schema, r) for schema in togli):
            continue
        for vecchio, nuovo in sostituisci:
            r = r.replace(vecchio, nuovo)
        tenute.append(r)
    (RISORSE / destinazione).write_text("\n".join(tenute), encoding="utf-8")


CATENA = [((200.0, 290.0), (208.0, 320.0), (260.0, 290.0), (493.8, 155.0), (453.8, 85.7), (186.6, 240.0))]
SAETTA = [((246.5, 315.0), (246.5, 285.0), (272.5, 300.0), (463.0, 410.0), (432.0, 463.7), (246.5, 356.6))]
PUNTONI = [((225.0, 195.0), (253.0, 208.7), (225.0, 230.5), (44.2, 371.8), (6.0, 323.0), (191.0, 178.4)),
           ((345.0, 195.0), (317.0, 208.7), (345.0, 230.5), (525.8, 371.8), (564.0, 323.0), (379.0, 178.4))]
SAETTE = [((225.0, 363.0), (253.0, 349.3), (225.0, 327.5), (44.2, 186.2), (6.0, 235.0), (191.0, 379.6)),
          ((345.0, 363.0), (317.0, 349.3), (345.0, 327.5), (525.8, 186.2), (564.0, 235.0), (379.0, 379.6))]

# The front face's marks (β, 90 − x/2 and their guides) and the king post's heels.
FACCIA = [r">β<", r'font-size="11"', r">90−", r'A 48\.0 48\.0', r'A 42\.0 42\.0', r'A 40\.0 40\.0',
          r'x1="208\.0" y1="320\.0" x2="278\.0"', r'x1="200\.0" y1="308\.0"',
          r'x1="246\.5" y1="285\.0" x2="300\.2"', r'x1="246\.5" y1="300\.0" x2="246\.2"',
          r'x1="(253|317)\.0" y1="(208\.7|349\.3)" x2="(253|317)\.0" y2="(266\.7|291\.3)"']
TALLONI = [r'y1="70\.0"', r'y2="70\.0"', r'y1="195\.0" x2="213', r'y1="195\.0" x2="357', r'M 199\.0', r'M 371\.0',
           r'y1="488\.0"', r'y2="488\.0"', r'y1="363\.0" x2="213', r'y1="363\.0" x2="357', r'>L<', r'>v1<', r'>v2<']


def main():
    scrivi("TipoCatenaPuntone.svg", "TipoCatenaPuntoneArretrato.svg", [], CATENA, [], [], False)
    scrivi("TipoPuntoneSaetta.svg", "TipoPuntoneSaettaArretrato.svg", [], SAETTA, [], [], False)
    scrivi("TipoMonacoPuntoni.svg", "TipoMonacoPuntoniArretrato.svg", [], PUNTONI, [], [], False)
    scrivi("TipoMonacoSaette.svg", "TipoMonacoSaetteArretrato.svg", [], SAETTE, [], [], False)
    w = dente(*CATENA[0])[0]
    scrivi("DisegnoCatenaPuntone.svg", "DisegnoCatenaPuntoneArretrato.svg",
           [("dente semplice", "dente arretrato")], CATENA, FACCIA,
           # the heel Lv ends where the loaded face meets the tie's top
           [('x1="200.0" y1="290.0" x2="200.0"', f'x1="{f(w[0])}" y1="290.0" x2="{f(w[0])}"'),
            ('x2="200.0" y2="266.0"', f'x2="{f(w[0])}" y2="266.0"'),
            ("M 200.0 266.0 L 190.0 269.5 L 190.0 262.5",
             f"M {f(w[0])} 266.0 L {f(w[0] - 10)} 269.5 L {f(w[0] - 10)} 262.5")], True)
    scrivi("DisegnoPuntoneSaetta.svg", "DisegnoPuntoneSaettaArretrato.svg",
           [("dente semplice", "dente arretrato")], SAETTA, FACCIA, [], True)
    scrivi("DisegnoMonacoPuntoni.svg", "DisegnoMonacoPuntoniArretrato.svg",
           [("denti semplici", "denti arretrati")], PUNTONI, FACCIA + TALLONI, [], True)
    scrivi("DisegnoMonacoSaette.svg", "DisegnoMonacoSaetteArretrato.svg",
           [("denti semplici", "denti arretrati")], SAETTE, FACCIA + TALLONI, [], True)


if __name__ == "__main__":
    main()
