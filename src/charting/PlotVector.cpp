#include "charting/PlotVector.h"

#include <cmath>

double* Vec2Sub(const double* a, const double* b, double* out)
{
    if (a == nullptr || b == nullptr || out == nullptr)
        return nullptr;
    out[0] = a[0] - b[0];
    out[1] = a[1] - b[1];
    return out;
}

double* Vec2Add(const double* a, const double* b, double* out)
{
    if (a == nullptr || b == nullptr || out == nullptr)
        return nullptr;
    out[0] = a[0] + b[0];
    out[1] = a[1] + b[1];
    return out;
}

double* Vec2Scale(double* a, double f, double* out)
{
    if (a == nullptr || out == nullptr)
        return nullptr;
    if (f == 0.0)
        return out;
    a[0] *= f;
    a[1] *= f;
    out[0] = a[0];
    out[1] = a[1];
    return out;
}

double* Vec2MulMatrix(const double* a, const double* r1, const double* r2, double* out)
{
    if (a == nullptr || r1 == nullptr || r2 == nullptr || out == nullptr)
        return nullptr;
    const double x = a[0] * r1[0] + a[1] * r2[0];
    const double y = a[0] * r1[1] + a[1] * r2[1];
    out[0] = x;
    out[1] = y;
    return out;
}

double Vec2LengthSquared(const double* a)
{
    return a == nullptr ? 0.0 : a[0] * a[0] + a[1] * a[1];
}

double Vec2Length(const double* a)
{
    return std::sqrt(Vec2LengthSquared(a));
}

void Vec2Normalize(double* a)
{
    const double dLength = Vec2Length(a);
    if (dLength == 0.0)
        return;
    a[0] /= dLength;
    a[1] /= dLength;
}

double Vec2Dot(const double* a, const double* b)
{
    return a == nullptr || b == nullptr ? 0.0 : a[0] * b[0] + a[1] * b[1];
}

double* Vec2Perpendicular(const double* a, double* out)
{
    if (a == nullptr || out == nullptr)
        return nullptr;
    const double x = -a[1];
    out[1] = a[0];
    out[0] = x;
    return out;
}

double Vec2Cosine(double* a, double* b)
{
    if (a == nullptr || b == nullptr)
        return 0.0;
    Vec2Normalize(a);
    Vec2Normalize(b);
    return Vec2Dot(a, b);
}

bool LineFromPoints(int x1, int y1, int x2, int y2, double* out)
{
    if (out == nullptr || (x1 == x2 && y1 == y2))
        return false;
    const double d[2] = {static_cast<double>(x2 - x1), static_cast<double>(y2 - y1)};
    const double p1[2] = {static_cast<double>(x1), static_cast<double>(y1)};
    double n[2];
    Vec2Perpendicular(d, n);
    out[0] = n[0];
    out[1] = n[1];
    out[2] = Vec2Dot(n, p1);
    return true;
}

bool Vec2Project(const double* p, const double* d, VectorProjection* out)
{
    if (p == nullptr || d == nullptr || out == nullptr)
        return false;
    const double dd = Vec2Dot(d, d);
    const double t = dd == 0.0 ? 0.0 : Vec2Dot(p, d) / dd;
    const double q[2] = {t * d[0], t * d[1]};
    const double r[2] = {p[0] - q[0], p[1] - q[1]};
    *out = {q[0], q[1], r[0], r[1], Vec2Length(q), Vec2Length(r)};
    return true;
}

bool Vec2IsOrthogonal(const double* a, const double* b)
{
    return a == nullptr || b == nullptr || Vec2Dot(a, b) == 0.0;
}

double PointLineDistance(POINT p1, POINT p2, POINT q)
{
    const double v[2] = {static_cast<double>(q.x) - p1.x, static_cast<double>(q.y) - p1.y};
    const double d[2] = {static_cast<double>(p2.x) - p1.x, static_cast<double>(p2.y) - p1.y};
    VectorProjection projection;
    Vec2Project(v, d, &projection);
    return projection.dPerpendicularLength;
}
