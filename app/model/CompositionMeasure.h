// The size of a stored composition before it is loaded: how many occurrences it expands to and
// how deep it goes. Shared sub-compositions grow exponentially when expanded, so each
// ingredient's stored composition is read and measured once.
#pragma once

#include <map>
#include <vector>

class CompositionRows;

class CompositionMeasure {
public:
    // Beyond these a composition is refused rather than loaded: no realistic menu comes near.
    static constexpr int maxDepth = 64;
    static constexpr long maxOccurrences = 100000;

    // Reads the rows through the load's rows, so that measuring and loading ask for each once.
    explicit CompositionMeasure(CompositionRows& rows);

    // Whether the menu's composition stays within both bounds.
    bool menuFits(int menuId);
    // Whether an occurrence of the ingredient at the given depth (1 for a direct component of a
    // menu) stays within both bounds with everything below it.
    bool occurrenceFits(int ingredientId, int depth);

private:
    struct Size {
        long occurrences;
        int height;
    };

    Size measure(int ingredientId, int depth);
    Size measureComponents(int ingredientId, int depth);
    bool exceeds(long occurrences, int depth);

    CompositionRows& rows;
    std::map<int, Size> sizes;
    // The ingredients above the one being measured; the loader leaves out an ingredient that
    // stands above itself, and so does the measure.
    std::vector<int> path;
    bool exceeded = false;
};
