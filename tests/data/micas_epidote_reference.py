#!/usr/bin/env python3
"""Independent reference for the activity cells of micas_epidote.txt.

Re-derives, in plain double arithmetic and without any code of the program,
the reported activity (coefficient times ideal activity) of every printed
end-member of the four analyses at 6 kbar and 550 degC, and the text of its
report cell (decimals taken from the ideal activity: two significant digits
below 1). Each analysis is given as cations, so it is first turned into
weight percent summing to 100, then recalculated as the model does.
"""
import math

MOLWT = [None, 60.09, 79.9, 101.94, 152.02, 159.7, 71.85, 70.94, 40.32, 56.08, 61.98, 94.2]
OXY = [None, 2, 2, 3, 3, 3, 1, 1, 1, 1, 1, 1]
CATS = [None, 1, 1, 2, 2, 2, 1, 1, 1, 1, 2, 2]
SI, TI, AL, CR, FE3, FE2, MN, MG, CA, NA, K = range(1, 12)
P, TC = 6.0, 550.0
TK = TC + 273.0
RT = 8.3143 * TK


def to_wt(cations):
    w = [None] + [MOLWT[i] * cations[i - 1] / CATS[i] for i in range(1, 12)]
    s = sum(w[1:])
    return [None] + [x * 100 / s for x in w[1:]]


def per_oxygens(wt, nox):
    mol = [None] + [wt[i] / MOLWT[i] for i in range(1, 12)]
    f = nox / sum(OXY[i] * mol[i] for i in range(1, 12))
    return [None] + [mol[i] * CATS[i] * f for i in range(1, 12)]


def rtlngamma(k, W, alpha, p):
    """Asymmetric formalism; W keyed by 0-based pairs (i, j), i < j."""
    s = sum(a * x for a, x in zip(alpha, p))
    phi = [a * x / s for a, x in zip(alpha, p)]
    q = [(1.0 if i == k else 0.0) - phi[i] for i in range(len(p))]
    return -sum(q[i] * q[j] * w * 2 * alpha[k] / (alpha[i] + alpha[j])
                for (i, j), w in W.items())


def cell(ideal, gamma):
    """The activity cell: gamma*a with the decimals of the ideal a."""
    if ideal <= 0:
        return "-"
    v, k = ideal, 0
    if 1e-8 < v < 1:
        while True:
            v *= 10
            k += 1
            if v > 1 or k > 6:
                break
    return "%.*f" % (k + 1, gamma * ideal)


def report(name, ideal, rtlng):
    g = math.exp(rtlng / RT)
    print("%-6s a=%.6f gamma=%.6f reported=%.6f cell=%s" % (name, ideal, g, g * ideal, cell(ideal, g)))


def mica(cations):
    c = per_oxygens(to_wt(cations), 11.0)
    s = sum(c[1:]) - c[NA] - c[CA] - c[K]
    assert s < 6.05 or c[FE3] > 0 or c[FE2] == 0  # no ferric estimate
    fe_mg = c[FE2] + c[MG]
    x = c[FE2] / fe_mg if fe_mg > 0 else 0.0
    notx = 1 - x if fe_mg > 0 else 0.0
    xAlT1 = 2 - c[SI] / 2
    xSiT1 = 1 - xAlT1
    xvA = 1 - c[NA] - c[CA] - c[K]
    tri = max(0.0, sum(c[i] for i in (TI, SI, AL, FE2, FE3, MG, CR, MN)) - 6)
    xvM1 = 1 - tri
    xAlM2A = min(1.0, xvA + 2 * xAlT1 - c[TI] - c[CA] - tri)
    ts = 1 - 2 * xAlT1 - xvA + c[TI] + c[CA] + tri
    xMgM2A, xFeM2A = ts * notx, ts * x
    xAlM2B = 1 - c[FE3] - c[TI] - tri
    cel = 1 + 3 * tri + c[TI] + c[CA] - 2 * xAlT1 - xvA
    # slots mu, cel, fcel, pa, ma, Fe3, Ti, 8
    p = [2 * xAlT1 - c[NA] - 2 * c[CA] - 2 * c[TI] - c[FE3] - tri,
         cel * notx - 3 * tri, cel * x, c[NA], c[CA], c[FE3], c[TI], 0.0]
    alpha = [0.63, 0.63, 0.63, 0.37, 0.63, 0.63, 0.63, 0.63]
    ca_host = not c[NA] > 0.5 and c[CA] > 0.5
    W = {(0, 1): 0.2 * P, (0, 2): 0.2 * P, (0, 3): 10.12 + 0.0034 * TK + 0.353 * P,
         (0, 4): 34 if ca_host else 35, (1, 3): 45 + 0.25 * P, (1, 4): 50,
         (2, 3): 45 + 0.25 * P, (2, 4): 50, (3, 4): 18 if ca_host else 15,
         (3, 5): 30, (4, 5): 35, (4, 6): 20}
    W = {ij: 1000 * w for ij, w in W.items()}
    dG = [1000, 5000, 5000, 4000, 0] if ca_host else [0, 0, 0, 0, 6500]
    ideal = [4 * xvM1 * c[K] * xAlM2A * xAlM2B * xAlT1 * xSiT1,
             xvM1 * c[K] * xMgM2A * xAlM2B * xSiT1 ** 2,
             xvM1 * c[K] * xFeM2A * xAlM2B * xSiT1 ** 2,
             4 * xvM1 * c[NA] * xAlM2A * xAlM2B * xAlT1 * xSiT1,
             xvM1 * c[CA] * xAlM2A * xAlM2B * xAlT1 ** 2]
    for k, name in enumerate(["mu", "cel", "fcel", "pa", "ma"]):
        report(name, ideal[k], dG[k] + rtlngamma(k, W, alpha, p))


print("# mu phengite: Si 3.2, Al 2.6, Mg 0.1, Fe2 0.1, K 1")
mica([3.2, 0, 2.6, 0, 0, 0.1, 0, 0.1, 0, 0, 1])
print("# mu Ca-mica: Si 2.4, Al 3.6, Na 0.4, Ca 0.6")
mica([2.4, 0, 3.6, 0, 0, 0, 0, 0, 0.6, 0.4, 0])

print("# bi: Si 3, Al 1, Mg 1.5, Fe2 1.2, Fe3 0.2, K 1 (Fe2O3 given: no estimate)")
c = per_oxygens(to_wt([3, 0, 1, 0, 0.2, 1.2, 0, 1.5, 0, 0, 1]), 11.0)
si = c[SI] - 2
r = min(si / 2, 1.0) if si > 0 else 0.0
al = c[AL] - min(c[AL], 2 * (1 - r))
xAlM1 = al
x = c[FE2] / (c[MG] + c[FE2])
xFe3, xTi = c[FE3], c[TI]
xSiT1 = 0.5 - xFe3 / 2 - xAlM1 / 2
xAlT1 = 0.5 + xFe3 / 2 + xAlM1 / 2
room = 1 - xFe3 - xTi - xAlM1
xMgM1, xFeM1, xMgM2 = room * (1 - x), room * x, 1 - x
p = [xMgM1, x, xAlM1, xTi, xFe3]
W = {(0, 1): 12000, (0, 2): 10000, (0, 3): 30000, (0, 4): 8000, (1, 2): 15000,
     (1, 3): 32000, (1, 4): 13600, (2, 3): 40000, (2, 4): 1000, (3, 4): 40000}
report("phl", 4 * c[K] * xMgM1 * xMgM2 ** 2 * xSiT1 * xAlT1 ** 2, rtlngamma(0, W, [1] * 5, p))
report("ann", 4 * c[K] * xFeM1 * x ** 2 * xSiT1 * xAlT1 ** 2, rtlngamma(1, W, [1] * 5, p))
report("east", c[K] * xAlM1 * xMgM2 ** 2 * xAlT1 ** 2, rtlngamma(2, W, [1] * 5, p))

print("# ep: Ca 2, Al 2.6, Fe3 0.4, Si 3 (Fe2O3 given: no estimate)")
c = per_oxygens(to_wt([3, 0, 2.6, 0, 0.4, 0, 0, 0, 2, 0, 0]), 12.5)
xCaA = min(c[CA] / 2, 1.0)
f = c[FE3] * 0.5


def order(Q):
    """Equilibrium condition of Fe3 ordering between M1 and M3 (m1 = m2 = 1)."""
    return (RT * math.log((f + Q) * (1 - f + Q) / ((f - Q) * (1 - f - Q)))
            - 25000 + (2 * 1000 - 3000) * (1 - f - Q) + (2 * 1000 - 3000) * (f - Q)
            - 2000 * 2 * Q)


lo, hi = 1e-9, (1 - f if f >= 0.5 else f) - 1e-9
for _ in range(200):
    mid = (lo + hi) / 2
    lo, hi = (mid, hi) if order(mid) < 0 else (lo, mid)
Q = lo
FeM3, FeM1, AlM1, AlM3 = f + Q, f - Q, 1 - f + Q, 1 - f - Q
p = [AlM3, FeM3 - FeM1, FeM1]
W = {(0, 1): 1000, (0, 2): 3000, (1, 2): 1000}
print("Q = %.7f" % Q)
report("cz", xCaA ** 2 * AlM1 * AlM3, rtlngamma(0, W, [1] * 3, p))
report("ep", xCaA ** 2 * AlM1 * FeM3, rtlngamma(1, W, [1] * 3, p))
