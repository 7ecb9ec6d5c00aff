// What the value pipeline needs of the diagram pane: the number of points of its two curves.
#pragma once

class CPipelineDiagram
{
public:
    virtual ~CPipelineDiagram() = default;

    virtual int GetPointsY1() = 0;
    virtual int GetPointsY2() = 0;
};
