#!/usr/bin/env python3
"""Independent reference for the activity cells of metapelite_carbonate.txt.

Re-derives, in plain double arithmetic and without any code of the program,
the reported activity (coefficient times ideal activity) of every end-member
of the six analyses at 6 kbar and 550 degC, and the text of its report cell
(decimals taken from the ideal activity: two significant digits below 1).
Each analysis is given as cations, so it is first turned into weight
percent summing to 100, then recalculated as the model does.
"""
import math

MOLWT = [None, 60.09, 79.9, 101.94, 152.02, 159.7, 71.85, 70.94, 40.32, 56.08, 61.98, 94.2]
OXY = [None, 2, 2, 3, 3, 3, 1, 1, 1, 1, 1, 1]
CATS = [None, 1, 1, 2, 2, 2, 1, 1, 1, 1, 2, 2]
SI, TI, AL, CR, FE3, FE2, MN, MG, CA, NA, K = range(1, 12)
P, TC = 6.0, 550.0
RT = 8.3143 * (TC + 273.0)


def to_wt(cations):
    w = [None] + [MOLWT[i] * cations[i - 1] / CATS[i] for i in range(1, 12)]
    s = sum(w[1:])
    return [None] + [x * 100 / s for x in w[1:]]


def per_oxygens(wt, nox):
    mol = [None] + [wt[i] / MOLWT[i] for i in range(1, 12)]
    f = nox / sum(OXY[i] * mol[i] for i in range(1, 12))
    return [None] + [mol[i] * CATS[i] * f for i in range(1, 12)]


def per_cations(wt, ncat):
    c = [None] + [wt[i] / MOLWT[i] * CATS[i] for i in range(1, 12)]
    f = ncat / sum(c[1:])
    return [None] + [x * f for x in c[1:]]


def rtlngamma(k, W, alpha, p):
    """Asymmetric formalism; W keyed by 0-based pairs (i, j), i < j."""
    s = sum(a * x for a, x in zip(alpha, p))
    phi = [a * x / s for a, x in zip(alpha, p)]
    q = [(1.0 if i == k else 0.0) - phi[i] for i in range(len(p))]
    return -sum(q[i] * q[j] * w * 2 * alpha[k] / (alpha[i] + alpha[j])
                for (i, j), w in W.items())


def cell(ideal, gamma):
    """The activity cell: gamma*a with the decimals of the ideal a."""
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


# Chloritoid: Fe2 0.7, Mg 0.2, Mn 0.1, Fe3 0.1, Al 1.9, Si 1 (Fe2O3 given: no estimate).
c = per_oxygens(to_wt([1.0, 0, 1.9, 0, 0.1, 0.7, 0.1, 0.2, 0, 0, 0]), 6.0)
x = c[FE2] / (c[MG] + c[FE2])
xMn = c[MN]
xMg, xFe = (1 - x) * (1 - xMn), x * (1 - xMn)
xFe3 = 2 * c[FE3]
xAl = 1 - xFe3
W = {(0, 1): 4000, (0, 2): 2000, (0, 3): 5000, (1, 2): 1000, (1, 3): 0, (2, 3): 1000}
p = [xMg, xFe, xMn, xFe3]
for k, (name, xs) in enumerate([("mctd", xMg), ("fctd", xFe), ("mnctd", xMn)]):
    report(name, math.sqrt(xAl) * xs, rtlngamma(k, W, [1] * 4, p))

# Staurolite: FeO 3.2 cations, no Fe2O3: 5 % ferric default first.
wt = to_wt([7.5, 0.15, 17.6, 0, 0, 3.2, 0, 1.0, 0, 0, 0])
wt[FE3], wt[FE2] = 0.055555 * wt[FE2], 0.95 * wt[FE2]
c = per_oxygens(wt, 46.0)
x = c[FE2] / (c[MG] + c[FE2])
f, t = c[FE3] * 0.5, c[TI] * 0.5
xAl = 1 - f - 4 * t / 3
W = {(0, 1): 16000, (0, 2): 2000, (0, 3): 20000, (1, 2): 18000, (1, 3): 36000, (2, 3): 30000}
p = [xAl - x, x, f, 4 * t / 3]
report("mst", (1 - x) ** 4 * xAl ** 2, rtlngamma(0, W, [1] * 4, p))
report("fst", x ** 4 * xAl ** 2, rtlngamma(1, W, [1] * 4, p))

# Cordierite: Mg 1.5, Fe2 0.4, Mn 0.1, Al 3.98, Si 5 (cation sum below 11: no estimate).
w = 2.261 + 0.26182 * P - 0.0025778 * TC - 0.000046465 * P * TC
h = w / ((100 - w) * 18 / 584.95 + w / 18)
c = per_oxygens(to_wt([5.0, 0, 3.98, 0, 0, 0.4, 0.1, 1.5, 0, 0, 0]), 18.0)
assert sum(c[1:]) < 11
x = c[FE2] / (c[MG] + c[FE2])
xMn = c[MN] / 2
xMg, xFe = (1 - xMn) * (1 - x), x * (1 - xMn)
W = {(0, 1): 8000, (0, 2): 6000, (0, 3): 0, (1, 2): 4000, (1, 3): 9000, (2, 3): 6000}
p = [xMg - h, xFe, xMn, h]
print("h = %.6f" % h)
for k, (name, a) in enumerate([("crd", xMg ** 2 * (1 - h)), ("fcrd", xFe ** 2 * (1 - h)),
                               ("mncrd", xMn ** 2 * (1 - h)), ("hcrd", xMg ** 2 * h)]):
    report(name, a, rtlngamma(k, W, [1] * 4, p))

# Scapolite: Ca 3, Na 0.8, K 0.2 on 16 cations: xCa 0.75, xNa 0.2; ideal.
c = per_cations(to_wt([7.0, 0, 5.0, 0, 0, 0, 0, 0, 3.0, 0.8, 0.2]), 16.0)
s = c[NA] + c[CA] + c[K]
report("me", (c[CA] / s) ** 4, 0.0)
report("miz", 9.48 * (c[CA] / s) ** 3 * c[NA] / s, 0.0)

# Dolomite: Ca 1.0, Mg 0.6, Fe2 0.3, Mn 0.1 on 2 cations.
c = per_cations(to_wt([0, 0, 0, 0, 0, 0.3, 0.1, 0.6, 1.0, 0, 0]), 2.0)
xCaA = min(c[CA], 1.0)
m = c[MG] + c[FE2] + c[MN]
xMg, xFe = c[MG] / m, c[FE2] / m
report("dol", xMg * xCaA, 4000 * xFe ** 2)
report("ank", xFe * xCaA, 4000 * (1 - xFe) ** 2)

# Calcite: Ca 1.8, Mg 0.1, Fe2 0.06, Mn 0.04 on 2 cations (Ca 0.8 over the Ca site).
c = per_cations(to_wt([0, 0, 0, 0, 0, 0.06, 0.04, 0.1, 1.8, 0, 0]), 2.0)
W = {(0, 1): 23000, (0, 2): 18000, (0, 3): 15000, (1, 2): 4000, (1, 3): 18000, (2, 3): 8000}
alpha = [1, 1, 0.5, 1]
p = [c[CA] / 2, c[MG] / 2, c[FE2] / 2, c[MN] / 2]
for k, name in enumerate(["cc", "mag", "sid", "rhc"]):
    report(name, p[k], rtlngamma(k, W, alpha, p))
