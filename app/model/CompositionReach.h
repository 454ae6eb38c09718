// How far an ingredient's stored composition reaches: whether its components, their components and
// so on down the table Anteile include one of given ingredients. The composition tree asks this
// before it puts an ingredient under another, so that no item comes to contain itself.
#pragma once

#include <vector>

class CompositionRows;

class CompositionReach {
public:
    CompositionReach() = delete;

    // True when a component of ingredientId at any depth is one of ids. Each ingredient's rows
    // are read once, so a database whose compositions already form a cycle ends the walk too.
    static bool reachesAny(CompositionRows& rows, int ingredientId, const std::vector<int>& ids);
};
