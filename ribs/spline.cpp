// Natural cubic spline through the outline's vertices, one parameter for the whole outline so
// that the leading edge stays smooth as well as being kept as a vertex.
#include "ribs/spline.h"

#include <algorithm>
#include <cmath>

namespace {

// Second derivatives of the natural spline through (t, w): tridiagonal system, Thomas algorithm.
std::vector<double> Kruemmungen(const std::vector<double>& t, const std::vector<double>& w) {
    const std::size_t n = t.size();
    std::vector<double> m(n, 0.0);
    if (n < 3)
        return m;
    std::vector<double> c(n, 0.0), d(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double h0 = t[i] - t[i - 1];
        const double h1 = t[i + 1] - t[i];
        const double a = h0;
        const double b = 2.0 * (h0 + h1);
        const double r = 6.0 * ((w[i + 1] - w[i]) / h1 - (w[i] - w[i - 1]) / h0);
        const double nenner = b - a * c[i - 1];
        c[i] = h1 / nenner;
        d[i] = (r - a * d[i - 1]) / nenner;
    }
    for (std::size_t i = n - 2; i >= 1; --i)
        m[i] = d[i] - c[i] * m[i + 1];
    return m;
}

double Wert(double h, double w0, double w1, double m0, double m1, double s) {
    const double a = 1.0 - s;
    return a * w0 + s * w1 + h * h / 6.0 * ((a * a * a - a) * m0 + (s * s * s - s) * m1);
}

} // namespace

Linienzug Geglaettet(const Linienzug& linie, double abstand, double toleranz) {
    Linienzug p;
    for (const Punkt& q : linie)
        if (p.empty() || q.x != p.back().x || q.y != p.back().y)
            p.push_back(q);
    if (p.size() < 3 || !(abstand > 0))
        return p;

    const std::size_t n = p.size();
    std::vector<double> t(n, 0.0), xs(n), ys(n);
    for (std::size_t i = 0; i < n; ++i) {
        xs[i] = p[i].x;
        ys[i] = p[i].y;
        if (i > 0)
            t[i] = t[i - 1] + std::hypot(xs[i] - xs[i - 1], ys[i] - ys[i - 1]);
    }
    const std::vector<double> mx = Kruemmungen(t, xs);
    const std::vector<double> my = Kruemmungen(t, ys);

    Linienzug aus;
    aus.push_back(p[0]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double h = t[i + 1] - t[i];
        // The parameter is close to arc length, so |r''| bounds the curvature, and a piece of
        // length s stays within s^2 k / 8 of the curve.
        const double k = std::max(std::hypot(mx[i], my[i]), std::hypot(mx[i + 1], my[i + 1]));
        const double laengstes =
            toleranz > 0 && k > 0 ? std::min(abstand, std::sqrt(8 * toleranz / k)) : abstand;
        // Between neighbouring vertices the curve is barely longer than its chord.
        const double stuecke = std::clamp(std::ceil(h / laengstes), 1.0, 10000.0);
        for (double j = 1; j < stuecke; ++j) {
            const double s = j / stuecke;
            aus.push_back({Wert(h, xs[i], xs[i + 1], mx[i], mx[i + 1], s),
                           Wert(h, ys[i], ys[i + 1], my[i], my[i + 1], s)});
        }
        aus.push_back(p[i + 1]);
    }
    return aus;
}

Linienzug Verdichtet(const Linienzug& polygon, double abstand) {
    Linienzug aus;
    if (!(abstand > 0))
        return polygon;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Punkt a = polygon[i];
        const Punkt b = polygon[(i + 1) % polygon.size()];
        aus.push_back(a);
        const double stuecke =
            std::clamp(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / abstand), 1.0, 1e6);
        for (double j = 1; j < stuecke; ++j)
            aus.push_back({a.x + (b.x - a.x) * j / stuecke, a.y + (b.y - a.y) * j / stuecke});
    }
    return aus;
}

Linienzug OhneNaheEcken(const Linienzug& polygon, double abstand) {
    auto nah = [abstand](const Punkt& a, const Punkt& b) {
        return std::hypot(b.x - a.x, b.y - a.y) < abstand;
    };
    Linienzug aus;
    aus.reserve(polygon.size());
    for (const Punkt& p : polygon)
        if (aus.empty() || !nah(aus.back(), p))
            aus.push_back(p);
    while (aus.size() > 3 && nah(aus.back(), aus.front()))
        aus.pop_back();
    return aus;
}
