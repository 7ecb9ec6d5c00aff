// A point of a curve (x, then y); curves are plain contiguous arrays of it.
#pragma once

struct CurvePoint
{
    double x;
    double y;
};
static_assert(sizeof(CurvePoint) == 16, "curve arrays are 16 bytes per point");
