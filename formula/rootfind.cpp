#include "rootfind.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "calcdata.h"
#include "textfile.h"

namespace velm {

double EpOrderFunc(const EpOrderArgs& a, double x) {
  // Site fractions: q1 and q2 are the sites that lose Fe3 and Al as the
  // order parameter grows, q4 what the two sites leave to the third term.
  const double q3 = a.q3;
  const double notQ3 = double(1.0L - q3);
  const double notF = double(1.0L - a.f);
  const double q1 = double(ext(notF) * notQ3 - ext(x) / a.m1);
  const double q2 = double(ext(a.f) - ext(x) / a.m2);
  const double q4 = double((ext(notQ3) - q1) - q2);
  const double notQ1 = double(1.0L - q1);
  const double notQ2 = double(1.0L - q2);

  // Configurational term: R T ln of the ratio of the ordered site products.
  const ext config = 8.3143L * a.m1 * a.m2 * a.TK *
                     std::log((ext(notQ1) - q3) * notQ2 / (ext(q2) * q1));
  // Interaction terms, each multiplied by its site fraction.
  const ext sumM = ext(a.m1) + a.m2;
  const double t3 = double((sumM * a.a5 - ext(a.a7) * a.m2 - ext(a.a6) * a.m1) * q3);
  const double t1 = double((sumM * a.Wef - ext(a.Wcf) * a.m1) * q1);
  const double t2 = double((sumM * a.Wce - ext(a.Wcf) * a.m2) * q2);
  const double t4 = double((-ext(a.m2) * a.Wef - ext(a.Wce) * a.m1) * q4);
  return double(config + a.dH + t3 + t1 + t2 + t4);
}

namespace {

// A pause: the message lines go to the process's standard output (never to
// the window or the report), then one line of input is awaited and
// discarded. At the end of the input the read returns at once.
void Pause(std::ostream& out, std::istream& in, std::initializer_list<const char*> lines) {
  for (const char* line : lines) out << line << '\n';
  out.flush();
  if (out.bad()) throw InOutError("Disk write error: standard output");
  std::string discarded;
  std::getline(in, discarded);
  if (in.bad()) throw InOutError("Disk read error: standard input");
}

}  // namespace

double RTBIS(const EpOrderArgs& a, double x1, double x2, double xacc, std::ostream& out,
             std::istream& in) {
  // The upper end is evaluated first.
  double fmid = EpOrderFunc(a, x2);
  const double f1 = EpOrderFunc(a, x1);
  // A NaN product writes nothing; a bracket without a change of sign is
  // searched all the same after the pause.
  if (ext(f1) * fmid >= 0)
    Pause(out, in, {"pause in RTBIS", "Root must be bracketed for bisection."});

  // rtb is always the last point found at or below zero; the bracket
  // shrinks toward the other end.
  double rtb, dx;
  if (f1 < 0) {
    rtb = x1;
    dx = double(ext(x2) - x1);
  } else {
    rtb = x2;
    dx = double(ext(x1) - x2);
  }
  for (int j = 1; j <= 40; ++j) {
    dx = double(ext(dx) * 0.5L);
    const double xmid = double(ext(rtb) + dx);
    fmid = EpOrderFunc(a, xmid);
    if (fmid <= 0) rtb = xmid;
    if (std::fabs(dx) < xacc || fmid == 0) return rtb;
  }
  Pause(out, in, {"pause in RTBIS - too many bisections"});
  return rtb;
}

}  // namespace velm
