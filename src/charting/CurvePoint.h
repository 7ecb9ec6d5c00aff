// One point of a curve: x then y. Curves keep their points in contiguous arrays of it.
#pragma once

struct CurvePoint
{
    double x;
    double y;
};
static_assert(sizeof(CurvePoint) == 16);
