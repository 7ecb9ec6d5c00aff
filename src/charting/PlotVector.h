// Plane vectors as arrays of two doubles (x, y), for the chart's hit test. A missing (null) input gives
// a null result, or 0 for a number.
#pragma once

#include "framework/AfxWin32.h"

// The parts of p along d and across it, with their lengths.
struct VectorProjection
{
    double dParallelX;
    double dParallelY;
    double dPerpendicularX;
    double dPerpendicularY;
    double dParallelLength;
    double dPerpendicularLength;
};

double* Vec2Sub(const double* a, const double* b, double* out);
double* Vec2Add(const double* a, const double* b, double* out);
// a := f·a and out := a; a factor of 0 changes neither and returns out as it was.
double* Vec2Scale(double* a, double f, double* out);
// out = (a.x r1.x + a.y r2.x, a.x r1.y + a.y r2.y)
double* Vec2MulMatrix(const double* a, const double* r1, const double* r2, double* out);
double Vec2LengthSquared(const double* a);
double Vec2Length(const double* a);
// In place; a zero vector stays as it is.
void Vec2Normalize(double* a);
double Vec2Dot(const double* a, const double* b);
// out = (-a.y, a.x)
double* Vec2Perpendicular(const double* a, double* out);
// Normalises a and b in place and returns their dot product.
double Vec2Cosine(double* a, double* b);
// The line through two points as (normal x, normal y, normal · P1); false when they coincide.
bool LineFromPoints(int x1, int y1, int x2, int y2, double* out);
// A zero d has no direction: everything of p is perpendicular then.
bool Vec2Project(const double* p, const double* d, VectorProjection* out);
// True when a or b is missing or a · b = 0.
bool Vec2IsOrthogonal(const double* a, const double* b);
// Distance of q from the straight line through p1 and p2; from p1 when the two coincide.
double PointLineDistance(POINT p1, POINT p2, POINT q);
